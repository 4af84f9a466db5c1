// The latency of one keystroke in the input field of the real window: the key
// events go through Qt's event dispatch to EditV, the converter filters and
// converts, and EditN shows the new result. Each iteration types "5" or
// Backspace in turn and checks that EditN changed to the expected text.
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise, with
// the settings store in a temporary folder so the user's settings stay as
// they are.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>
#include <string>

#include "all_units_panel.h"
#include "converter.h"
#include "form_uc.h"
#include "unit_catalogue.h"

namespace {

using umrido::ui::TFormUC;

TFormUC* g_form = nullptr;

QLineEdit* Field(const char* name) { return g_form->findChild<QLineEdit*>(QLatin1String(name)); }

// One keystroke as the platform delivers it to the widget with the keyboard
// focus: the shortcut check (the window has no shortcuts, so the press
// follows whatever the widget answers), the press and the release.
void Keystroke(QWidget* target, Qt::Key key, const QString& text) {
  QKeyEvent shortcut(QEvent::ShortcutOverride, key, Qt::NoModifier, text);
  shortcut.setAccepted(false);
  QApplication::sendEvent(target, &shortcut);
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(target, &release);
}

void PickRow(bool source, int row) {
  const int y = umrido::kRowPitch * row + 4;
  if (source) {
    g_form->ImageVMouseDown(y);
  } else {
    g_form->ImageNMouseDown(y);
  }
  g_form->ImageMouseUp();
}

// Chooses `category` as the user would, picks the two units and leaves "1"
// in EditV with the caret at its end and the keyboard there.
bool Prepare(umrido::CategoryId category, int rowV, int rowN) {
  g_form->ListBoxUCClick(umrido::ListPositionOf(category, g_form->LanguageFlag()));
  PickRow(true, rowV);
  PickRow(false, rowN);
  QLineEdit* editV = Field("EditV");
  editV->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  Keystroke(editV, Qt::Key_End, QString());
  return editV->text() == QLatin1String("1") && QApplication::focusWidget() == editV;
}

// Types "5" after the "1", then Backspace, and so on; every keystroke must
// change EditN to the conversion of the new input. With `paint`, the event
// loop also runs, so the time includes drawing the changed fields. With
// `allUnits` the table of all units is in front and follows each keystroke;
// its rows work out their values when drawn or read.
void RunKeystrokes(benchmark::State& state, umrido::CategoryId category, int rowV, int rowN, bool paint,
                   bool allUnits = false) {
  if (!Prepare(category, rowV, rowN)) {
    state.SkipWithError("EditV could not be prepared");
    return;
  }
  if (allUnits) g_form->ShowAllUnits();
  QLineEdit* editV = Field("EditV");
  QLineEdit* editN = Field("EditN");
  const auto& conversion = g_form->Conversion();
  const QString expected[2] = {
      QString::fromStdString(umrido::Berechnung(conversion.State(), "15", conversion.Separator())),
      QString::fromStdString(umrido::Berechnung(conversion.State(), "1", conversion.Separator())),
  };
  if (expected[0] == expected[1]) {
    state.SkipWithError("both inputs give the same result; the check would prove nothing");
    return;
  }
  const QString five = QStringLiteral("5");
  const QString backspace = QStringLiteral("\b");
  int n = 0;
  for (auto _ : state) {
    const int typed = n & 1;  // 0: "5" goes in, 1: Backspace takes it out
    Keystroke(editV, typed == 0 ? Qt::Key_5 : Qt::Key_Backspace, typed == 0 ? five : backspace);
    if (paint) QApplication::processEvents();
    if (editN->text() != expected[typed]) {
      state.SkipWithError(qPrintable(QStringLiteral("EditN shows \"%1\" after keystroke %2, expected \"%3\"")
                                         .arg(editN->text())
                                         .arg(n)
                                         .arg(expected[typed])));
      break;
    }
    ++n;
  }
  state.SetItemsProcessed(state.iterations());
  if (!allUnits) return;
  const umrido::ui::AllUnitsModel* table = g_form->AllUnits()->Model();
  if (table->rowCount() != umrido::UnitCatalogue::Category(category)->unitCount ||
      table->Value(rowN) != editN->text()) {
    state.SkipWithError("the table does not show what EditN shows");
  }
  g_form->ToggleAllUnits();
}

constexpr umrido::CategoryId kLength = 2;
constexpr int kKm = 6;
constexpr int kMile = 7;
constexpr umrido::CategoryId kTemperature = umrido::kTemperature;
constexpr int kCelsius = 1;  // row of "°C"
constexpr int kFahrenheit = 2;

// The first quantity with the most units the catalogue allows.
umrido::CategoryId LargestQuantity() {
  for (umrido::CategoryId id = 0; id < umrido::kCategoryCount; ++id) {
    if (umrido::UnitCatalogue::Category(id)->unitCount == umrido::kMaxUnitsPerCategory) return id;
  }
  return kLength;
}

void BM_KeystrokeLength(benchmark::State& state) { RunKeystrokes(state, kLength, kKm, kMile, false); }
BENCHMARK(BM_KeystrokeLength);

void BM_KeystrokeLengthAllUnits(benchmark::State& state) { RunKeystrokes(state, kLength, kKm, kMile, false, true); }
BENCHMARK(BM_KeystrokeLengthAllUnits);

void BM_KeystrokeTemperature(benchmark::State& state) {
  RunKeystrokes(state, kTemperature, kCelsius, kFahrenheit, false);
}
BENCHMARK(BM_KeystrokeTemperature);

void BM_Keystroke21Units(benchmark::State& state) {
  const umrido::CategoryId id = LargestQuantity();
  RunKeystrokes(state, id, umrido::kMaxUnitsPerCategory - 1, 1, false);
}
BENCHMARK(BM_Keystroke21Units);

void BM_KeystrokeLengthPainted(benchmark::State& state) { RunKeystrokes(state, kLength, kKm, kMile, true); }
BENCHMARK(BM_KeystrokeLengthPainted);

void BM_KeystrokeLengthPaintedAllUnits(benchmark::State& state) {
  RunKeystrokes(state, kLength, kKm, kMile, true, true);
}
BENCHMARK(BM_KeystrokeLengthPaintedAllUnits);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The window reads and, when it closes, writes the settings store.
  QTemporaryDir settingsDir;
  QStandardPaths::setTestModeEnabled(true);
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());

  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

  auto form = std::make_unique<TFormUC>();
  g_form = form.get();
  form->show();
  QApplication::setActiveWindow(form.get());
  form->activateWindow();
  QApplication::processEvents();

  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  g_form = nullptr;
  form->close();
  return 0;
}
