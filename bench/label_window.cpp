// The fair floor for start-up and memory: the same fixed-size window as
// Umrido's showing one line of text in the window's font, so the first font
// lookup and text drawing that any window with text pays are in it too.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setFixedSize(614, 451);
  window.setWindowTitle("label");
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(13);
  font.setBold(true);
  QLabel label(QStringLiteral("UMRIDO (Einheiten-Umrechner)"), &window);
  label.setFont(font);
  label.move(8, 8);
  window.show();
  return app.exec();
}
