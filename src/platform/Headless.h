#pragma once
// A platform with no window, sound or user: for running the game's logic from the
// command line (the analysis tool, the benchmark). Drawing goes nowhere, every
// question is answered OK or Yes, and the clock keeps virtual time.

#include <map>
#include <string>

#include "platform/Platform.h"

namespace morovan {

class HeadlessCanvas : public Canvas {
 public:
  void drawPicture(int, double, double) override {}
  void outline(double, double, double, double, int) override {}
  void setFontSize(double) override {}
  void setFontBold(bool) override {}
  void setTextColour(int) override {}
  void printText(double, double, const std::string&) override {}
  void repaintNow() override {}
};

class HeadlessDialogs : public Dialogs {
 public:
  Answer message(const std::string& title, const std::string& text, Buttons buttons,
                 Icon icon) override;
};

// Without a library: dsInitialize gives 0 (no sound) and so does every buffer.
class HeadlessSound : public SoundLibrary {
 public:
  std::int32_t dsInitialize() override { return 0; }
  std::int32_t dsCreateDSB(std::int32_t, const unsigned char*, std::size_t, std::int32_t) override {
    return 0;
  }
  void dsPlay(std::int32_t) override {}
  void dsPlayLooping(std::int32_t) override {}
  void dsStop(std::int32_t) override {}
  void dsFree(std::int32_t) override {}
  void dsTerminate(std::int32_t) override {}
};

// Virtual time: it passes only while a wait sleeps, so a headless computer
// turn, its blink and its pauses included, takes no real time.
class HeadlessClock : public Clock {
 public:
  double timeOfDay() override { return now_; }
  void sleepBriefly(double seconds) override;

 private:
  double now_ = 0;
};

// Remembers whether it runs; nothing ever calls the game back.
class HeadlessTimer : public Timer {
 public:
  void start() override { running_ = true; }
  void stop() override { running_ = false; }
  bool isRunning() const override { return running_; }

 private:
  bool running_ = false;
};

class HeadlessMenu : public Menu {
 public:
  void setChecked(const std::string& item, bool checked) override { checked_[item] = checked; }
  bool isChecked(const std::string& item) const override;

 private:
  std::map<std::string, bool> checked_;
};

class HeadlessRecordPanel : public RecordPanel {
 public:
  void setListsVisible(bool, bool, bool) override {}
  void showTextPart() override {}
  void clearAndHideTextPart() override {}
  std::string text(int) const override { return {}; }
  std::string directory() const override { return "."; }
  std::string selectedFileName() const override { return {}; }
  void refreshFileList() override {}
};

class HeadlessWindow : public Window {
 public:
  bool isMaximized() const override { return false; }
  void place(int, int, int, int) override {}
  void endProgram() override { ended_ = true; }
  bool ended() const { return ended_; }

 private:
  bool ended_ = false;
};

// Every headless part, wired into a Platform. It must outlive the games built on it.
// The hash is the program's: the core has none of its own.
struct HeadlessPlatform {
  explicit HeadlessPlatform(Hash& hash) : hash(hash) {}
  HeadlessCanvas canvas;
  HeadlessDialogs dialogs;
  HeadlessSound sound;
  HeadlessClock clock;
  HeadlessTimer timer;
  HeadlessMenu menu;
  HeadlessRecordPanel panel;
  HeadlessWindow window;
  Hash& hash;
  Platform platform() {
    return Platform{canvas, dialogs, sound, clock, timer, menu, panel, window, hash};
  }
};

}  // namespace morovan
