// The floor the start-up comparison measures against: Qt Widgets showing one
// empty top-level window and nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(600, 424);
  window.show();
  return app.exec();
}
