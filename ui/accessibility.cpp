#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>

#include <algorithm>
#include <map>

#include "field_edit.h"
#include "form_uc.h"
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

  // An entry outlives the quantity that showed it; beyond the current unit
  // count it has no name and no state.
  bool isValid() const override;
  // Whether a client may hold the entry's name: it asked for it since the
  // last change.
  bool NameRead() const { return nameRead_; }
  void NameChanged() { nameRead_ = false; }

  QString text(QAccessible::Text t) const override;
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::RadioButton; }
  QAccessible::State state() const override;
  void doAction(const QString& name) override;

 private:
  bool Shown() const;

  SelectorInterface* selector_;
  mutable bool nameRead_ = false;
};

class SelectorInterface : public QAccessibleWidget {
 public:
  SelectorInterface(QWidget* w, Side side) : QAccessibleWidget(w, QAccessible::Grouping), side_(side) {}

  Side side() const { return side_; }
  UnitStrip* strip() const { return static_cast<UnitStrip*>(widget()->parentWidget()); }

  // The rows inside the strip: the current quantity's units.
  int childCount() const override { return strip()->ShownRows(); }
  QAccessibleInterface* child(int index) const override { return index < childCount() ? entry(index) : nullptr; }
  // The entry of any of the strip's rows, also one the current quantity does
  // not use: a client may still hold it from an earlier one.
  QAccessibleInterface* entry(int row) const {
    auto* self = const_cast<SelectorInterface*>(this);
    return entries_.Get(row, kMaxUnitsPerCategory, [self, row] { return new UnitEntryInterface(self, row); });
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

bool UnitEntryInterface::isValid() const { return selector_->isValid(); }

bool UnitEntryInterface::Shown() const { return row() < selector_->childCount(); }

QString UnitEntryInterface::text(QAccessible::Text t) const {
  if (!Shown()) return {};
  // The row's caption is the unit's symbol, its hint the unit's name.
  const QLabel* cell = selector_->strip()->Row(row());
  QString symbol = cell->text();
  const QString name = HintOf(cell);
  if (t == QAccessible::Name) {
    nameRead_ = true;
    return name.isEmpty() ? symbol : name + QStringLiteral(" (") + symbol + QLatin1Char(')');
  }
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
  s.checked = Shown() && selector_->strip()->MarkedRow(selector_->side()) == row();
  return s;
}

void UnitEntryInterface::doAction(const QString& name) {
  if (name != pressAction() || !Shown()) return;
  selector_->strip()->PressRow(selector_->side(), row());
}

// The unit strip shows a screen reader its two selectors only: each row's
// caption and the markers say again what the selectors' entries say.
class StripInterface : public QAccessibleWidget {
 public:
  explicit StripInterface(UnitStrip* w) : QAccessibleWidget(w, QAccessible::Grouping) {}

  UnitStrip* strip() const { return static_cast<UnitStrip*>(widget()); }

  int childCount() const override { return 2; }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index > 1) return nullptr;
    return QAccessible::queryAccessibleInterface(strip()->Selector(index == 0 ? Side::V : Side::N));
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < 2; ++i) {
      if (child != nullptr && child == this->child(i)) return i;
    }
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int i = 0; i < 2; ++i) {
      QAccessibleInterface* c = child(i);
      if (c != nullptr && c->rect().contains(x, y)) return c;
    }
    return nullptr;
  }
};

// The latest news of the window: a notification named by what it says.
class AnnouncerInterface : public QAccessibleWidget {
 public:
  explicit AnnouncerInterface(Announcer* w) : QAccessibleWidget(w, QAccessible::Notification) {}

  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? static_cast<Announcer*>(widget())->Text() : QString();
  }
  QAccessible::State state() const override {
    // Shown for as long as it has something to say, though it takes no room.
    QAccessible::State s = QAccessibleWidget::state();
    s.invisible = false;
    s.offscreen = false;
    return s;
  }
};

// A number field as a text for screen readers, as Qt's own line edit but in
// two points: its attributes span the whole text (Qt's span no character,
// and Orca then reads the text short of its last character: "0,01" as
// "0,0"), and while the focus arrives or leaves it reports no events (Qt
// drops the events of an invalid interface). No editing interface: the
// text is the engine's.
class FieldInterface : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit FieldInterface(FieldEdit* w) : QAccessibleWidget(w, QAccessible::EditableText) {}

  FieldEdit* field() const { return static_cast<FieldEdit*>(widget()); }

  bool isValid() const override { return QAccessibleWidget::isValid() && !field()->Settling(); }

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Value ? field()->text() : QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.editable = true;
    s.selectableText = true;
    s.readOnly = field()->isReadOnly();
    return s;
  }

  void selection(int index, int* start, int* end) const override {
    const auto [from, length] = field()->Selection();
    *start = index == 0 && length > 0 ? from : 0;
    *end = index == 0 && length > 0 ? from + length : 0;
  }
  int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int) override { field()->deselect(); }
  void setSelection(int, int start, int end) override { field()->setSelection(start, end - start); }
  int cursorPosition() const override { return field()->cursorPosition(); }
  void setCursorPosition(int position) override { field()->setCursorPosition(position); }
  QString text(int start, int end) const override { return field()->text().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(field()->text().size()); }
  QRect characterRect(int offset) const override {
    // Near enough for a reader's review: the field shows one line from its
    // left edge.
    const QString t = field()->text();
    const QFontMetrics metrics(field()->font());
    const QRect inner = field()->contentsRect();
    const int x = inner.x() + field()->textMargins().left() + 2 + metrics.horizontalAdvance(t.left(offset));
    const QRect local(x, inner.y(), metrics.horizontalAdvance(t.mid(offset, 1)), inner.height());
    return QRect(field()->mapToGlobal(local.topLeft()), local.size());
  }
  int offsetAtPoint(const QPoint& point) const override {
    return field()->cursorPositionAt(field()->mapFromGlobal(point));
  }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }
};

// The window, a frame named by its title (a plain widget would be a filler
// with that name).
class FrameInterface : public QAccessibleWidget {
 public:
  explicit FrameInterface(QWidget* w) : QAccessibleWidget(w, QAccessible::Window) {}

  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? widget()->windowTitle() : QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
  if (auto* strip = qobject_cast<UnitStrip*>(object)) return new StripInterface(strip);
  if (auto* announcer = qobject_cast<Announcer*>(object)) return new AnnouncerInterface(announcer);
  if (auto* form = qobject_cast<TFormUC*>(object)) return new FrameInterface(form);
  if (auto* field = qobject_cast<FieldEdit*>(object)) return new FieldInterface(field);
  if (auto* panel = qobject_cast<Panel*>(object);
      panel != nullptr && panel->objectName() == QLatin1String("PanelStatus")) {
    return new QAccessibleWidget(panel, QAccessible::StatusBar);
  }
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

void AnnounceUnitsRewritten(QWidget* strip, int oldCount, int newCount) {
  if (!QAccessible::isActive()) return;
  // Clients keep the names and children they have read: each entry still on
  // screen reports its new name (if anyone read the old one: a language
  // switch would otherwise flood a reader with names nobody heard), the ones
  // gone report their end and the new ones their start, so that the
  // marker's events that follow carry the new names.
  for (auto* selector : strip->findChildren<PictureLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
    auto* group = dynamic_cast<SelectorInterface*>(QAccessible::queryAccessibleInterface(selector));
    if (group == nullptr) continue;
    for (int row = 0; row < std::max(oldCount, newCount); ++row) {
      auto* entry = static_cast<UnitEntryInterface*>(group->entry(row));
      QAccessible::Event type = QAccessible::NameChanged;
      if (row >= newCount) type = QAccessible::ObjectDestroyed;
      if (row >= oldCount) type = QAccessible::ObjectCreated;
      if (type == QAccessible::NameChanged && !entry->NameRead()) continue;
      entry->NameChanged();
      QAccessibleEvent event(entry, type);
      QAccessible::updateAccessibility(&event);
    }
    QAccessibleEvent reorder(selector, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reorder);
  }
}

Announcer::Announcer(QWidget* statusBar) : QWidget(statusBar) {
  setObjectName(QStringLiteral("Announcement"));
  setGeometry(0, 0, 0, 0);
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &Announcer::Speak);
}

void Announcer::Request(int delay) {
  if (timer_.isActive() && timer_.remainingTime() < delay) return;
  timer_.start(delay);
}

void Announcer::Speak() {
  const QString text = compose ? compose() : QString();
  if (text.isEmpty() || !QAccessible::isActive()) return;
  text_ = text;
  QAccessibleEvent name(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&name);
  // Readers speak a notification when it shows; it is shown anew for each
  // text, so that the same text twice is heard twice.
  QAccessibleEvent shown(this, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
}

}  // namespace umrido::ui
