// A bare Qt Widgets window of the game's size (704 x 528) titled "Bare
// Window": what any Qt program pays to put a window on screen.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle("Bare Window");
  window.setFixedSize(704, 528);
  window.show();
  return app.exec();
}
