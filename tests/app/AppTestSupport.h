#pragma once
// Shared by the window's offscreen tests: the QApplication and an answerer for
// the game's modal message boxes.

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QTimer>
#include <string>
#include <vector>

namespace morovan::apptest {

// The test program's QApplication, created on first use and never destroyed:
// Qt cannot take it down after main() has returned. Offscreen and silent
// unless the environment says otherwise.
inline QApplication& application() {
  if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) return *app;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
  static int argc = 1;
  static char name[] = "morovan_app_tests";
  static char* argv[] = {name, nullptr};
  return *new QApplication(argc, argv);
}

// While it lives, every message box that opens is recorded as "title|text" and
// answered Yes (or OK), so that no test waits on a modal loop.
class BoxAnswerer {
 public:
  BoxAnswerer() {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
    timer_.start();
  }
  std::vector<std::string> shown;

 private:
  void answer() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    shown.push_back((box->windowTitle() + "|" + box->text()).toStdString());
    QAbstractButton* button = box->button(QMessageBox::Yes);
    if (button == nullptr) button = box->button(QMessageBox::Ok);
    if (button != nullptr) {
      button->click();
    } else {
      box->reject();
    }
  }
  QTimer timer_;
};

inline QRgb rgbAt(const QImage& image, int x, int y) {
  return image.pixel(x, y) & 0xffffff;
}

// Whether `canvas` shows `picture` with its top-left at device pixel (x, y),
// leaving out the first `skip` device columns and rows, where outlines fall.
inline bool showsPicture(const QImage& canvas, int x, int y, const QImage& picture, int skip) {
  for (int j = skip; j < picture.height(); ++j) {
    for (int i = skip; i < picture.width(); ++i) {
      if (x + i < 0 || y + j < 0 || x + i >= canvas.width() || y + j >= canvas.height()) continue;
      if (rgbAt(canvas, x + i, y + j) != rgbAt(picture, i, j)) return false;
    }
  }
  return true;
}

}  // namespace morovan::apptest
