// Umrido: a unit converter with a pocket calculator beside it.
#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

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

// A display that is named but cannot be reached makes Qt print its platform
// plugin text and abort with a core dump. While the application starts, the
// plugin chatter is held back and the fatal end becomes one line naming the
// display, with status 1 as for a missing display.
QtMessageHandler qtMessages = nullptr;

void StartupMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtFatalMsg && message.contains(QLatin1String("platform plugin"))) {
    std::string named;
    auto name = [&named](const char* variable) {
      const char* value = std::getenv(variable);
      if (value == nullptr || *value == '\0') return;
      named += (named.empty() ? "" : " or ") + std::string(value) + " (" + variable + ")";
    };
    name("WAYLAND_DISPLAY");
    name("DISPLAY");
    if (named.empty()) name("QT_QPA_PLATFORM");  // a platform chosen by name
    std::fprintf(stderr, "umrido: cannot open the display %s \u2014 is the desktop session running?\n", named.c_str());
    std::fflush(stderr);
    std::_Exit(1);
  }
  if (context.category != nullptr && std::strncmp(context.category, "qt.qpa.", 7) == 0) return;
  if (qtMessages != nullptr) qtMessages(type, context, message);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (NoDisplayAvailable()) {
    std::fputs("umrido: no display found \u2014 start it from a desktop session (DISPLAY is not set)\n", stderr);
    return 1;
  }
  qtMessages = qInstallMessageHandler(StartupMessages);
  QApplication app(argc, argv);
  qInstallMessageHandler(qtMessages);
  QApplication::setApplicationName(QStringLiteral("Umrido"));
  QApplication::setOrganizationName(QStringLiteral("Taloma"));
  QApplication::setWindowIcon(umrido::art::ApplicationIcon());

  umrido::ui::TFormUC FormUC;
  FormUC.show();
  return app.exec();
}
