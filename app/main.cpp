// Umrido: a unit converter with a pocket calculator beside it.
#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "baked.h"
#include "form_uc.h"

namespace {

// Without any display Qt would print a long trace about its platform
// plugins; one plain line says what is wrong.
bool NoDisplayAvailable() {
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
  auto unset = [](const char* name) {
    const char* v = std::getenv(name);
    return v == nullptr || *v == '\0';
  };
  return unset("DISPLAY") && unset("WAYLAND_DISPLAY") && unset("QT_QPA_PLATFORM");
#else
  return false;
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
  if (NoDisplayAvailable()) {
    std::fputs("umrido: no display found \u2014 start it from a desktop session (DISPLAY is not set)\n", stderr);
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Umrido"));
  QApplication::setOrganizationName(QStringLiteral("Taloma"));
  QApplication::setWindowIcon(umrido::art::ApplicationIcon());

  umrido::ui::TFormUC FormUC;
  FormUC.show();
  return app.exec();
}
