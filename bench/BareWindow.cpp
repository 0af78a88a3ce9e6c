// The start-up benchmark's reference: a bare Qt main window with five menus on
// its menu bar, at the game's start size, and nothing else.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

#include "FirstPaintQuit.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  morovan::FirstPaintQuit::installIfAsked();
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Bare"));
  for (const char* title : {"対局", "局面", "棋譜", "ｵﾌﾟｼｮﾝ", "その他"}) {
    window.menuBar()->addMenu(QString::fromUtf8(title))->addAction(QStringLiteral("-"));
  }
  window.setCentralWidget(new QWidget);
  window.resize(626, 533);
  window.show();
  return app.exec();
}
