// Renders the real main window into a PNG, for looking at the layout without
// a desktop: window_shot <out.png> [de|en] [calc|banner|info|all]
// ("all": Pressure, 5 psi typed, bar as the target, the all-units panel)
//
// The settings store lives in a temporary folder, so the user's own settings
// are neither read nor changed.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>

#include <cstdio>

#include "form_uc.h"

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::fputs("usage: window_shot <out.png> [de|en] [calc|banner|info|all]\n", stderr);
    return 2;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Umrido"));
  QApplication::setOrganizationName(QStringLiteral("Taloma"));
  QTemporaryDir settingsDir;
  QStandardPaths::setTestModeEnabled(true);
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());

  umrido::ui::TFormUC form;
  form.show();
  QApplication::processEvents();
  for (int i = 2; i < argc; ++i) {
    const QString arg = QString::fromLocal8Bit(argv[i]);
    if (arg == QLatin1String("de")) form.SpeedButtonDClick();
    if (arg == QLatin1String("en")) form.SpeedButtonEClick();
    const char* button = arg == QLatin1String("calc")   ? "SpeedButtonRechner"
                         : arg == QLatin1String("info") ? "SpeedButtonInfo"
                                                        : nullptr;
    if (arg == QLatin1String("all")) {
      constexpr umrido::CategoryId kPressure = 22;
      form.PickUnit(kPressure, 13, umrido::Side::V);  // psi
      form.PickRow(umrido::Side::N, 3);               // bar
      auto* editV = form.findChild<QLineEdit*>(QStringLiteral("EditV"));
      for (const Qt::Key key : {Qt::Key_Backspace, Qt::Key_5}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_5 ? QStringLiteral("5") : "\b");
        QApplication::sendEvent(editV, &press);
      }
      form.ToggleAllUnits();
    }
    if (button != nullptr) {
      if (auto* b = form.findChild<QToolButton*>(QLatin1String(button))) b->click();
    }
  }
  QApplication::processEvents();
  const bool saved = form.grab().save(QString::fromLocal8Bit(argv[1]), "PNG");
  form.hide();
  return saved ? 0 : 1;
}
