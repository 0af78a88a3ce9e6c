#include <QApplication>

#include "MainWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  morovan::MainWindow window;
  window.start();
  return app.exec();
}
