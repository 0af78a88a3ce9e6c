#pragma once
// Qt's side of the platform interfaces other than the canvas and the record panel.

#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Menu.h"
#include "platform/SoundLibrary.h"
#include "platform/Window.h"

class QAction;
class QWidget;

namespace morovan {

// Modal message boxes over `parent`; a carriage return in the text breaks the line.
class QtDialogs : public Dialogs {
 public:
  explicit QtDialogs(QWidget* parent) : parent_(parent) {}
  Answer message(const std::string& title, const std::string& text, Buttons buttons,
                 Icon icon) override;
  // One window, raised again when asked for again; lines beginning with ■ are
  // shown as headings.
  void showText(const std::string& title, const std::string& text) override;
  // Whether a box is open and waiting for its answer.
  bool isOpen() const { return open_ > 0; }

 private:
  QWidget* parent_;
  int open_ = 0;
  QPointer<QDialog> textWindow_;
};

// The local time of day. Sleeping serves no events: a wait blocks the window.
class QtClock : public Clock {
 public:
  double timeOfDay() override;
  void sleepBriefly(double seconds) override;
};

// Timer1: while running, `onTick` is called every 50 ms from the event loop.
class QtTimer : public Timer {
 public:
  QtTimer();
  void start() override { timer_.start(); }
  void stop() override { timer_.stop(); }
  bool isRunning() const override { return timer_.isActive(); }
  std::function<void()> onTick;

 private:
  QTimer timer_;
};

// Check marks of the menu bar's actions by item name. Unknown names are ignored
// and read as unchecked.
class QtMenu : public Menu {
 public:
  void add(const std::string& item, QAction* action);
  QAction* action(const std::string& item) const;
  void setChecked(const std::string& item, bool checked) override;
  bool isChecked(const std::string& item) const override;
  // Puts the marks the game last set back on a triggered action and on the
  // actions of its group, undoing what Qt changed on its own.
  void restoreMarks(QAction* triggered);

 private:
  std::map<std::string, QAction*> actions_;
  std::map<const QAction*, bool> marks_;
};

// The main window's placement, and the end of the program.
class QtWindow : public Window {
 public:
  QtWindow(QWidget* window, std::function<void()> endProgram)
      : window_(window), end_(std::move(endProgram)) {}
  bool isMaximized() const override;
  // Sets the outer frame's place and size; while the frame is not known yet
  // (the window not shown), the size is the inside's.
  void place(int left, int top, int width, int height) override;
  void endProgram() override { end_(); }

 private:
  QWidget* window_;
  std::function<void()> end_;
};

// The Morovan sound library, reached through its C functions.
class QtSoundLibrary : public SoundLibrary {
 public:
  // The window handle dsInitialize is given.
  explicit QtSoundLibrary(std::intptr_t window) : window_(window) {}
  std::int32_t dsInitialize() override;
  std::int32_t dsCreateDSB(std::int32_t library, const unsigned char* wave, std::size_t size,
                           std::int32_t flags) override;
  void dsPlay(std::int32_t buffer) override;
  void dsPlayLooping(std::int32_t buffer) override;
  void dsStop(std::int32_t buffer) override;
  void dsFree(std::int32_t buffer) override;
  void dsTerminate(std::int32_t library) override;

 private:
  std::intptr_t window_;
};

}  // namespace morovan
