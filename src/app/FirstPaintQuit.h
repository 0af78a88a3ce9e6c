#pragma once
// The start-up benchmark's switch, shared by the game and the bare reference
// window: with MOROVAN_QUIT_AT_FIRST_PAINT set, the program writes "painted" on
// its standard output once its first paint has been served, then quits. Unset,
// nothing is installed.

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <cstdio>

namespace morovan {

class FirstPaintQuit : public QObject {
 public:
  // Call after the QApplication exists and before its event loop starts.
  static void installIfAsked() {
    if (qEnvironmentVariableIsEmpty("MOROVAN_QUIT_AT_FIRST_PAINT")) return;
    qApp->installEventFilter(new FirstPaintQuit(qApp));
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      // Every widget of the window paints within the same pass; what is queued
      // now runs once the pass and its flush to the screen are done.
      QTimer::singleShot(0, qApp, [] {
        std::fputs("painted\n", stdout);
        std::fflush(stdout);
        QCoreApplication::quit();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  using QObject::QObject;
  bool seen_ = false;
};

}  // namespace morovan
