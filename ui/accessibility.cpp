#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <map>

#include "form_uc.h"
#include "panels.h"
#include "unit_strip.h"

namespace umrido::ui {

namespace {

QString FromUtf8(std::string_view t) { return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())); }

class SelectorInterface;

// One unit of a selector: a radio button that is checked where the marker
// stands; pressing it picks the unit as a press and release on its row does.
class UnitEntryInterface : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  UnitEntryInterface(SelectorInterface* selector, UnitRow row) : selector_(selector), row_(row) {}

  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::RadioButton; }
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }

  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override;
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  SelectorInterface* selector_;
  UnitRow row_;
};

class SelectorInterface : public QAccessibleWidget {
 public:
  SelectorInterface(QWidget* w, Side side) : QAccessibleWidget(w, QAccessible::Grouping), side_(side) {}
  ~SelectorInterface() override {
    for (const auto& [row, id] : entries_) QAccessible::deleteAccessibleInterface(id);
  }

  Side side() const { return side_; }
  TFormUC* form() const { return qobject_cast<TFormUC*>(widget()->window()); }
  const CategoryEntry* category() const {
    const TFormUC* f = form();
    return f != nullptr ? UnitCatalogue::Category(f->Conversion().State().CurrentCategory) : nullptr;
  }
  UnitRow markedRow() const {
    const ConversionState& s = form()->Conversion().State();
    return side_ == Side::V ? s.RowV : s.RowN;
  }

  int childCount() const override {
    const CategoryEntry* c = category();
    return c != nullptr ? c->unitCount : 0;
  }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    auto it = entries_.find(index);
    if (it == entries_.end()) {
      // Qt's cache owns the entry from here; the destructor above returns it.
      auto* entry = new UnitEntryInterface(const_cast<SelectorInterface*>(this), index);
      // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks)
      it = entries_.emplace(index, QAccessible::registerAccessibleInterface(entry)).first;
    }
    return QAccessible::accessibleInterface(it->second);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (const auto& [row, id] : entries_) {
      if (QAccessible::accessibleInterface(id) == child) return row < childCount() ? row : -1;
    }
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
    if (!widget()->rect().contains(local)) return nullptr;
    return child(local.y() / kRowPitch);
  }
  QString text(QAccessible::Text t) const override {
    const TFormUC* f = form();
    if (t == QAccessible::Name && f != nullptr) return SelectorGroupName(side_, f->LanguageFlag());
    if (t == QAccessible::Description) return widget()->accessibleName();
    return QAccessibleWidget::text(t);
  }

 private:
  Side side_;
  mutable std::map<int, QAccessible::Id> entries_;
};

bool UnitEntryInterface::isValid() const { return selector_->isValid() && row_ < selector_->childCount(); }

QWindow* UnitEntryInterface::window() const { return selector_->window(); }

QAccessibleInterface* UnitEntryInterface::parent() const { return selector_; }

QString UnitEntryInterface::text(QAccessible::Text t) const {
  const CategoryEntry* c = selector_->category();
  if (c == nullptr || row_ >= c->unitCount) return {};
  const bool german = selector_->form()->LanguageFlag();
  QString symbol = FromUtf8(c->units[row_].Symbol(german));
  const QString name = FromUtf8(c->units[row_].Name(german));
  if (t == QAccessible::Name) return name.isEmpty() ? symbol : name + QStringLiteral(" (") + symbol + QLatin1Char(')');
  if (t == QAccessible::Description) return symbol;
  return {};
}

QRect UnitEntryInterface::rect() const {
  const QRect selector = selector_->rect();
  return {selector.x(), selector.y() + row_ * kRowPitch, selector.width(), kRowPitch - 2};
}

QAccessible::State UnitEntryInterface::state() const {
  QAccessible::State s;
  s.checkable = true;
  s.checked = isValid() && selector_->markedRow() == row_;
  return s;
}

void UnitEntryInterface::doAction(const QString& name) {
  if (name != pressAction() || !isValid()) return;
  selector_->form()->PickRow(selector_->side(), row_);
}

QAccessibleInterface* Factory(const QString&, QObject* object) {
  auto* label = qobject_cast<PictureLabel*>(object);
  if (label == nullptr || qobject_cast<UnitStrip*>(label->parentWidget()) == nullptr) return nullptr;
  if (label->objectName() == QLatin1String("ImageV")) return new SelectorInterface(label, Side::V);
  if (label->objectName() == QLatin1String("ImageN")) return new SelectorInterface(label, Side::N);
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(Factory);
    return true;
  }();
  (void)installed;
}

QString SelectorGroupName(Side side, bool german) {
  if (side == Side::V) return german ? QStringLiteral("Von") : QStringLiteral("From");
  return german ? QStringLiteral("Nach") : QStringLiteral("To");
}

void AnnounceMarker(QWidget* selector, UnitRow oldRow, UnitRow newRow) {
  if (oldRow == newRow || !QAccessible::isActive()) return;
  QAccessibleInterface* group = QAccessible::queryAccessibleInterface(selector);
  if (group == nullptr) return;
  QAccessible::State checked;
  checked.checked = true;
  for (UnitRow row : {oldRow, newRow}) {
    if (QAccessibleInterface* entry = group->child(row)) {
      QAccessibleStateChangeEvent event(entry, checked);
      QAccessible::updateAccessibility(&event);
    }
  }
  QAccessibleEvent selection(selector, QAccessible::SelectionWithin);
  QAccessible::updateAccessibility(&selection);
}

void AnnounceUnitsRewritten(QWidget* strip) {
  if (!QAccessible::isActive()) return;
  for (auto* selector : strip->findChildren<PictureLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
    QAccessibleEvent event(selector, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&event);
  }
}

}  // namespace umrido::ui
