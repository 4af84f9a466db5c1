// Shared by the window tests: a private settings store, a watchdog for modal
// dialogs, and helpers to drive the real window.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QObject>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>

#include "form_uc.h"

namespace umrido::test {

using Keys = QList<QKeyCombination>;

// Points the per-user settings store at a temporary folder for the life of
// the process; call before anything reads settings.
class SettingsSandbox {
 public:
  SettingsSandbox();
  QString Path() const { return dir_.path(); }
  // Removes every stored value.
  void Clear();
  // Stores the named values as given (32-bit integers, or any text).
  void Store(const QString& name, const QVariant& value);
  // The value stored under `name`, if any.
  std::optional<QVariant> Read(const QString& name) const;

 private:
  QTemporaryDir dir_;
};

// Fails the running test if a modal dialog opens unexpectedly; answers the
// expected one with the given handler.
class ModalWatchdog : public QObject {
  Q_OBJECT

 public:
  ModalWatchdog();
  // The next modal dialog goes to `answer`, which must close it.
  void Expect(std::function<void(QWidget*)> answer);
  // How many expected dialogs were answered; resets the count.
  int TakeAnswered() { return std::exchange(answered_, 0); }
  // True if an unexpected dialog appeared since the last call (it was
  // closed to keep the test going).
  bool TakeUnexpected() { return std::exchange(unexpected_, false); }

 private:
  void Check();

  QTimer timer_;
  std::function<void(QWidget*)> answer_;
  int answered_ = 0;
  bool unexpected_ = false;
};

// The widget named `name` inside `form`, or null.
template <typename T = QWidget>
T* Find(const QWidget* form, const char* name) {
  return form->findChild<T*>(QLatin1String(name));
}

// Moves the pointer onto `w` the way a user would, so enter events arrive.
void HoverOver(QWidget* w);

// Adds a text column per name and a row per entry, each tagged with its first
// cell (UTF-8).
template <std::size_t C, std::size_t R>
void AddTextRows(const char* const (&columns)[C], const char* const (&rows)[R][C]) {
  for (const char* column : columns) QTest::addColumn<QString>(column);
  for (const auto& row : rows) {
    QTestData& data = QTest::newRow(row[0]);
    for (const char* cell : row) data << QString::fromUtf8(cell);
  }
}

// Adds an int column "index" and a row per entry of `rows`, tagged with the
// entry's `tag`: for tables of cases too wide for one column each.
template <typename Row, std::size_t N>
void AddIndexRows(const Row (&rows)[N]) {
  QTest::addColumn<int>("index");
  for (std::size_t i = 0; i < N; ++i) QTest::newRow(rows[i].tag) << static_cast<int>(i);
}

inline QString U8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Press and release on the selector named `selector` at height `y`; the
// release lands at `releaseAt` when given.
void PickUnit(const QWidget* form, const char* selector, int y, Qt::MouseButton button = Qt::LeftButton,
              QPoint releaseAt = {});
// A click on the entry at `position` of the quantity list.
void ClickListEntry(const QWidget* form, int position, Qt::MouseButton button = Qt::LeftButton);

// Creates the window as at program start, shows and activates it.
std::unique_ptr<ui::TFormUC> StartWindow();

// What every window test holds: private settings, the dialog watchdog and
// the window itself, started anew for each test.
struct WindowFixture {
  SettingsSandbox sandbox_;
  ModalWatchdog watchdog_;
  std::unique_ptr<ui::TFormUC> form_;

  // A new window from what is stored now.
  void Restart() {
    form_.reset();
    form_ = StartWindow();
  }
  void StartFresh() {
    sandbox_.Clear();
    Restart();
  }
  template <typename T = QWidget>
  T* Get(const char* name) const {
    return Find<T>(form_.get(), name);
  }
  QLineEdit* Field(const char* name) const { return Get<QLineEdit>(name); }
  const ConversionState& State() const { return form_->Conversion().State(); }
  // A left click on the control named `name`.
  void Click(const char* name) const { QTest::mouseClick(Get(name), Qt::LeftButton); }
  // Each key goes to `to`, or else where the keyboard is when it is pressed.
  void PressKeys(const Keys& keys, QWidget* to = nullptr) const {
    for (QKeyCombination key : keys)
      QTest::keyClick(to != nullptr ? to : QApplication::focusWidget(), key.key(), key.keyboardModifiers());
  }
  // The keyboard to EditV, and its text replaced by typing.
  void TypeIntoEditV(const char* text) const {
    Field("EditV")->setFocus();
    Field("EditV")->selectAll();
    QTest::keyClicks(Field("EditV"), QLatin1String(text));
  }
  // Closes the window; false if an unexpected dialog opened meanwhile.
  bool CloseWindow() {
    form_.reset();
    return !watchdog_.TakeUnexpected();
  }
};

}  // namespace umrido::test
