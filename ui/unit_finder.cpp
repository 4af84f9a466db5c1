#include "unit_finder.h"

#include <QAccessible>
#include <QApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

#include "form_uc.h"
#include "texts.h"

namespace umrido::ui {

namespace {

constexpr TextPair kFinderName{"Einheit suchen", "Find unit"};
constexpr TextPair kResultsName{"Gefundene Einheiten", "Units found"};
// Over the header's fields and the strip's top.
constexpr QRect kPlace{97, 34, 420, 240};

}  // namespace

UnitFinder::UnitFinder(QWidget* window) : QFrame(window) {
  setObjectName(QStringLiteral("UnitFinder"));
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setAutoFillBackground(true);
  hide();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(4);
  query_ = new QLineEdit(this);
  query_->setObjectName(QStringLiteral("UnitFinderQuery"));
  // Nothing longer can equal or start a unit's text.
  query_->setMaxLength(static_cast<int>(UnitSearch::Shared().MaxQueryLength()));
  results_ = new QListWidget(this);
  results_->setObjectName(QStringLiteral("UnitFinderResults"));
  // The field keeps the focus; the list's current row is the highlighted
  // result, which the list reports to screen readers as its selection.
  results_->setFocusPolicy(Qt::NoFocus);
  results_->setUniformItemSizes(true);
  // Long names end in an ellipsis rather than scroll sideways.
  results_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  results_->setTextElideMode(Qt::ElideRight);
  layout->addWidget(query_);
  layout->addWidget(results_);
  connect(query_, &QLineEdit::textChanged, this, &UnitFinder::Search);
  connect(results_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    Highlight(results_->row(item));
    Pick(Side::V);
  });
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    // The focus gone to another control of the window (not to another
    // program) closes the finder, as it would a popup.
    if (isVisible() && now != nullptr && !Holds(now)) {
      focusBefore_ = nullptr;
      Close();
    }
  });
}

void UnitFinder::Open(bool german) {
  german_ = german;
  setAccessibleName(kFinderName.Get(german));
  query_->setPlaceholderText(kFinderName.Get(german));
  query_->setAccessibleName(kFinderName.Get(german));
  results_->setAccessibleName(kResultsName.Get(german));
  query_->clear();
  Search();
  if (!isVisible()) focusBefore_ = QApplication::focusWidget();
  setGeometry(kPlace);
  raise();
  show();
  // Filtering the whole application while open also brings the query's own
  // keys here, ahead of the field and of the window's shortcuts.
  qApp->installEventFilter(this);
  // As for a popup: the field the finder came from keeps its selection.
  query_->setFocus(Qt::PopupFocusReason);
}

void UnitFinder::Close() {
  if (!isVisible()) return;
  qApp->removeEventFilter(this);
  // The focus moves before the finder hides, which would otherwise pass it
  // on to the next control of the window.
  if (focusBefore_ != nullptr && focusBefore_->isVisible() && Holds(QApplication::focusWidget())) {
    focusBefore_->setFocus(Qt::PopupFocusReason);
  }
  focusBefore_ = nullptr;
  hide();
  // No result rows outlive the finder's closing.
  matches_.clear();
  ShowResults();
}

void UnitFinder::Search() {
  matches_ = UnitSearch::Shared().Find(query_->text().toStdString());
  ShowResults();
  // Selected anew, so that a screen reader hears the new first result.
  results_->clearSelection();
  Highlight(0);
}

void UnitFinder::ShowResults() {
  // The rows stay and take new texts, and a screen reader is told of each
  // change: it may still ask about a row it heard of a keystroke ago.
  const int count = static_cast<int>(matches_.size());
  for (int row = 0; row < count; ++row) {
    const UnitMatch& m = matches_[static_cast<std::size_t>(row)];
    const CategoryEntry* category = UnitCatalogue::Category(m.category);
    const UnitEntry& unit = category->units[m.row];
    QStringList parts{FromUtf8(unit.Symbol(german_))};
    if (!unit.Name(german_).empty()) parts << FromUtf8(unit.Name(german_));
    parts << FromUtf8(category->Name(german_));
    const QString text = parts.join(QStringLiteral(" \u2013 "));
    if (row == results_->count()) {
      results_->addItem(text);
    } else if (results_->item(row)->text() != text) {
      results_->item(row)->setText(text);
      Announce(QAccessible::NameChanged, row);
    }
  }
  while (results_->count() > count) {
    Announce(QAccessible::ObjectDestroyed, results_->count() - 1);
    delete results_->takeItem(results_->count() - 1);
  }
}

void UnitFinder::Announce(QAccessible::Event type, int row) {
  QAccessibleEvent event(results_, type);
  event.setChild(row);
  QAccessible::updateAccessibility(&event);
}

int UnitFinder::Highlighted() const {
  const QModelIndexList rows = results_->selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.front().row();
}

void UnitFinder::Highlight(int row) {
  // Selected, not made current: a list reports its new current row to
  // screen readers as the focus, which stays in the field.
  if (results_->count() == 0) return;
  row = std::clamp(row, 0, results_->count() - 1);
  results_->selectionModel()->select(results_->model()->index(row, 0), QItemSelectionModel::ClearAndSelect);
  results_->scrollToItem(results_->item(row));
}

void UnitFinder::Pick(Side side) {
  const int row = Highlighted();
  if (row < 0 || row >= static_cast<int>(matches_.size())) return;
  const UnitMatch match = matches_[static_cast<std::size_t>(row)];
  // Closing first gives the focus back to the window, where the pick then
  // moves it on into the input field.
  Close();
  emit picked(match.category, match.row, side);
}

bool UnitFinder::Holds(const QObject* object) const {
  for (; object != nullptr; object = object->parent()) {
    if (object == this) return true;
  }
  return false;
}

bool UnitFinder::eventFilter(QObject* watched, QEvent* event) {
  if (watched == query_) return QueryKey(event) || QFrame::eventFilter(watched, event);
  // A click elsewhere in the window closes the finder and does nothing else,
  // as a click outside a popup does: caught at the window, before the
  // control under the pointer takes the focus.
  if (event->type() == QEvent::MouseButtonPress && watched == window()->windowHandle()) {
    const QPoint at = mapFrom(window(), static_cast<QMouseEvent*>(event)->position().toPoint());
    if (!rect().contains(at)) {
      Close();
      return true;
    }
  }
  return QFrame::eventFilter(watched, event);
}

bool UnitFinder::QueryKey(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    // The window's shortcuts wait until the finder has closed.
    event->accept();
    return true;
  }
  if (event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  switch (key->key()) {
    // The field keeps the keyboard; the highlight follows the arrows.
    case Qt::Key_Up:
      Highlight(Highlighted() - 1);
      return true;
    case Qt::Key_Down:
      Highlight(Highlighted() + 1);
      return true;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
      const int rowHeight = std::max(1, results_->sizeHintForRow(0));
      const int page = std::max(1, results_->viewport()->height() / rowHeight - 1);
      Highlight(Highlighted() + (key->key() == Qt::Key_PageUp ? -page : page));
      return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
      Pick(key->modifiers() & Qt::ShiftModifier ? Side::N : Side::V);
      return true;
    case Qt::Key_Escape:
      Close();
      return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      // The finder holds the keyboard until it closes.
      return true;
    default:
      return false;
  }
}

void TFormUC::ShowUnitFinder() {
  if (finder_ == nullptr) {
    finder_ = new UnitFinder(this);
    finder_->setFont(font());
    connect(finder_, &UnitFinder::picked, this, &TFormUC::PickUnit);
    // Screen readers learn of the window's new child, which they would
    // otherwise not look for in a tree they have read before.
    QAccessibleEvent created(finder_, QAccessible::ObjectCreated);
    QAccessible::updateAccessibility(&created);
  }
  finder_->Open(languageFlag_);
}

}  // namespace umrido::ui
