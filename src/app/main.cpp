#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle("Morovan");
  window.resize(627, 533);
  window.show();
  return app.exec();
}
