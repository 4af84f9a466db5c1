#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <map>

#include "panels.h"
#include "status_hint.h"
#include "unit_strip.h"

namespace umrido::ui {

namespace {

// One entry of a control that draws its entries itself: no object or
// children of its own, one action.
class EntryInterface : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  EntryInterface(QAccessibleInterface* owner, int row) : owner_(owner), row_(row) {}

  bool isValid() const override { return owner_->isValid() && row_ < owner_->childCount(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return owner_->window(); }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return owner_; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  void setText(QAccessible::Text, const QString&) override {}
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }

  QStringList actionNames() const override { return {pressAction()}; }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 protected:
  int row() const { return row_; }

 private:
  QAccessibleInterface* owner_;
  int row_;
};

// The entries an owner has handed out, one per row, registered with Qt's
// cache, which owns them until the owner goes.
class EntryCache {
 public:
  EntryCache() = default;
  EntryCache(const EntryCache&) = delete;
  EntryCache& operator=(const EntryCache&) = delete;
  ~EntryCache() {
    for (const auto& [row, id] : ids_) QAccessible::deleteAccessibleInterface(id);
  }

  // The entry of `row` of the owner's `count`, made by `make` when first
  // asked; null past the end.
  template <typename Make>
  QAccessibleInterface* Get(int row, int count, Make make) {
    if (row < 0 || row >= count) return nullptr;
    auto it = ids_.find(row);
    // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks)
    if (it == ids_.end()) it = ids_.emplace(row, QAccessible::registerAccessibleInterface(make())).first;
    return QAccessible::accessibleInterface(it->second);
  }
  int RowOf(const QAccessibleInterface* entry, int count) const {
    for (const auto& [row, id] : ids_) {
      if (QAccessible::accessibleInterface(id) == entry) return row < count ? row : -1;
    }
    return -1;
  }

 private:
  std::map<int, QAccessible::Id> ids_;
};

class SelectorInterface;

// One unit of a selector: a radio button that is checked where the marker
// stands; pressing it picks the unit as a press and release on its row does.
class UnitEntryInterface : public EntryInterface {
 public:
  UnitEntryInterface(SelectorInterface* selector, UnitRow row);

  QString text(QAccessible::Text t) const override;
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::RadioButton; }
  QAccessible::State state() const override;
  void doAction(const QString& name) override;

 private:
  SelectorInterface* selector_;
};

class SelectorInterface : public QAccessibleWidget {
 public:
  SelectorInterface(QWidget* w, Side side) : QAccessibleWidget(w, QAccessible::Grouping), side_(side) {}

  Side side() const { return side_; }
  UnitStrip* strip() const { return static_cast<UnitStrip*>(widget()->parentWidget()); }

  // The rows inside the strip: the current quantity's units.
  int childCount() const override { return strip()->ShownRows(); }
  QAccessibleInterface* child(int index) const override {
    auto* self = const_cast<SelectorInterface*>(this);
    return entries_.Get(index, childCount(), [self, index] { return new UnitEntryInterface(self, index); });
  }
  int indexOfChild(const QAccessibleInterface* child) const override { return entries_.RowOf(child, childCount()); }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
    if (!widget()->rect().contains(local)) return nullptr;
    return child(local.y() / kRowPitch);
  }
  // Named by its side (the accessible name), described by its hint.
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Description) return HintOf(widget());
    return QAccessibleWidget::text(t);
  }

 private:
  Side side_;
  mutable EntryCache entries_;
};

UnitEntryInterface::UnitEntryInterface(SelectorInterface* selector, UnitRow row)
    : EntryInterface(selector, row), selector_(selector) {}

QString UnitEntryInterface::text(QAccessible::Text t) const {
  if (!isValid()) return {};
  // The row's caption is the unit's symbol, its hint the unit's name.
  const QLabel* cell = selector_->strip()->Row(row());
  QString symbol = cell->text();
  const QString name = HintOf(cell);
  if (t == QAccessible::Name) return name.isEmpty() ? symbol : name + QStringLiteral(" (") + symbol + QLatin1Char(')');
  if (t == QAccessible::Description) return symbol;
  return {};
}

QRect UnitEntryInterface::rect() const {
  const QRect selector = selector_->rect();
  return {selector.x(), selector.y() + row() * kRowPitch, selector.width(), kRowPitch - 2};
}

QAccessible::State UnitEntryInterface::state() const {
  QAccessible::State s;
  s.checkable = true;
  s.checked = isValid() && selector_->strip()->MarkedRow(selector_->side()) == row();
  return s;
}

void UnitEntryInterface::doAction(const QString& name) {
  if (name != pressAction() || !isValid()) return;
  selector_->strip()->PressRow(selector_->side(), row());
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
