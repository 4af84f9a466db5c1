#include "unit_finder.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "form_uc.h"
#include "texts.h"

namespace umrido::ui {

namespace {

constexpr TextPair kFinderName{"Einheit suchen", "Find unit"};
constexpr TextPair kResultsName{"Gefundene Einheiten", "Units found"};
// Over the header's fields and the strip's top, clear of the title bar.
constexpr QRect kPlace{97, 34, 420, 240};

}  // namespace

UnitFinder::UnitFinder(QWidget* window) : QFrame(window, Qt::Popup) {
  setObjectName(QStringLiteral("UnitFinder"));
  setFrameStyle(QFrame::Box | QFrame::Plain);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(4);
  query_ = new QLineEdit(this);
  query_->setObjectName(QStringLiteral("UnitFinderQuery"));
  results_ = new QListWidget(this);
  results_->setObjectName(QStringLiteral("UnitFinderResults"));
  results_->setFocusPolicy(Qt::NoFocus);
  results_->setUniformItemSizes(true);
  // Long names end in an ellipsis rather than scroll sideways.
  results_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  results_->setTextElideMode(Qt::ElideRight);
  layout->addWidget(query_);
  layout->addWidget(results_);
  query_->installEventFilter(this);
  connect(query_, &QLineEdit::textChanged, this, &UnitFinder::Search);
  connect(results_, &QListWidget::itemActivated, this, [this] { Pick(Side::V); });
}

void UnitFinder::Open(bool german) {
  german_ = german;
  query_->setPlaceholderText(kFinderName.Get(german));
  query_->setAccessibleName(kFinderName.Get(german));
  results_->setAccessibleName(kResultsName.Get(german));
  query_->clear();
  Search();
  setGeometry(QRect(parentWidget()->mapToGlobal(kPlace.topLeft()), kPlace.size()));
  show();
  query_->setFocus(Qt::PopupFocusReason);
}

void UnitFinder::Search() {
  matches_ = UnitSearch::Shared().Find(query_->text().toStdString());
  results_->clear();
  for (const UnitMatch& m : matches_) {
    const CategoryEntry* category = UnitCatalogue::Category(m.category);
    const UnitEntry& unit = category->units[m.row];
    QStringList parts{FromUtf8(unit.Symbol(german_))};
    if (!unit.Name(german_).empty()) parts << FromUtf8(unit.Name(german_));
    parts << FromUtf8(category->Name(german_));
    results_->addItem(parts.join(QStringLiteral(" \u2013 ")));
  }
  results_->setCurrentRow(matches_.empty() ? -1 : 0);
}

void UnitFinder::Pick(Side side) {
  const int row = results_->currentRow();
  if (row < 0 || row >= static_cast<int>(matches_.size())) return;
  const UnitMatch match = matches_[static_cast<std::size_t>(row)];
  // Closing first gives the focus back to the window, where the pick may
  // move it on (a new quantity puts it into the input field).
  close();
  emit picked(match.category, match.row, side);
}

bool UnitFinder::eventFilter(QObject* watched, QEvent* event) {
  if (watched != query_ || event->type() != QEvent::KeyPress) return QFrame::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
      // The field keeps the keyboard; the list follows the arrows.
      QKeyEvent copy(key->type(), key->key(), key->modifiers());
      QCoreApplication::sendEvent(results_, &copy);
      return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
      Pick(key->modifiers() & Qt::ShiftModifier ? Side::N : Side::V);
      return true;
    case Qt::Key_Escape:
      close();
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
  }
  finder_->Open(languageFlag_);
}

}  // namespace umrido::ui
