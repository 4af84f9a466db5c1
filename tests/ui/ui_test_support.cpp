#include "ui_test_support.h"

#include <QCursor>
#include <QSettings>
#include <QStandardPaths>

#include "category_list.h"

namespace umrido::test {

SettingsSandbox::SettingsSandbox() {
  QStandardPaths::setTestModeEnabled(true);
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
}

namespace {
// The program's own store, as it finds it.
QSettings ProgramStore() { return QSettings(QStringLiteral("Taloma"), QStringLiteral("Umrido")); }
}  // namespace

void SettingsSandbox::Clear() { ProgramStore().clear(); }

void SettingsSandbox::Store(const QString& name, const QVariant& value) { ProgramStore().setValue(name, value); }

std::optional<QVariant> SettingsSandbox::Read(const QString& name) const {
  return ProgramStore().contains(name) ? std::optional(ProgramStore().value(name)) : std::nullopt;
}

ModalWatchdog::ModalWatchdog() {
  timer_.setInterval(50);
  connect(&timer_, &QTimer::timeout, this, &ModalWatchdog::Check);
  timer_.start();
}

void ModalWatchdog::Expect(std::function<void(QWidget*)> answer) { answer_ = std::move(answer); }

void ModalWatchdog::Check() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr) return;
  if (answer_) {
    std::exchange(answer_, nullptr)(modal);
    ++answered_;
  } else {
    unexpected_ = true;
    modal->close();
  }
}

std::unique_ptr<ui::TFormUC> StartWindow() {
  // The pointer away from where the window appears: offscreen, a window shown
  // under the pointer has its control entered but never left again.
  QCursor::setPos(0, 0);
  auto form = std::make_unique<ui::TFormUC>();
  form->show();
  QApplication::setActiveWindow(form.get());
  form->activateWindow();
  if (!QTest::qWaitForWindowActive(form.get())) qWarning("window did not become active");
  return form;
}

void HoverOver(QWidget* w) {
  QWidget* window = w->window();
  QTest::mouseMove(window, w->mapTo(window, w->rect().center()));
  QApplication::processEvents();
}

void PickUnit(const QWidget* form, const char* selector, int y, Qt::MouseButton button, QPoint releaseAt) {
  QTest::mousePress(Find(form, selector), button, {}, QPoint(8, y));
  QTest::mouseRelease(Find(form, selector), button, {}, releaseAt.isNull() ? QPoint(8, y) : releaseAt);
}

void ClickListEntry(const QWidget* form, int position, Qt::MouseButton button) {
  auto* list = Find<umrido::ui::CategoryList>(form, "ListBoxUC");
  list->scrollToItem(list->item(position));
  QTest::mouseClick(list->viewport(), button, {}, list->visualItemRect(list->item(position)).center());
}

}  // namespace umrido::test
