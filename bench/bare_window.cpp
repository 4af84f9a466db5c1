// The floor for start-up and memory: a bare Qt Widgets window of the same
// size as Umrido's, with nothing in it.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setFixedSize(614, 451);
  window.setWindowTitle("bare");
  window.show();
  return app.exec();
}
