#pragma once
// Recording fakes of every platform interface. Each call is appended, in order,
// to one shared log as a line of text; dialogs answer from a script.

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "Game.h"
#include "QtHash.h"
#include "platform/Platform.h"

namespace morovan::testing {

// One log line per call, e.g. "picture -10 1545 4405", "message 開始|「対局」で始めて下さい|Ok".
using CallLog = std::vector<std::string>;

class FakeCanvas : public Canvas {
 public:
  explicit FakeCanvas(CallLog& log) : log_(log) {}
  void drawPicture(int code, double x, double y) override;
  void outline(double x1, double y1, double x2, double y2, int colour) override;
  void setFontSize(double points) override;
  void setFontBold(bool bold) override;
  void setTextColour(int colour) override;
  void printText(double x, double y, const std::string& text) override;
  void repaintNow() override;
  void showCursor(double x1, double y1, double x2, double y2) override;
  void hideCursor() override;

 private:
  CallLog& log_;
};

struct ShownMessage {
  std::string title;
  std::string text;
  Buttons buttons;
  Icon icon;
};

class FakeDialogs : public Dialogs {
 public:
  explicit FakeDialogs(CallLog& log) : log_(log) {}
  Answer message(const std::string& title, const std::string& text, Buttons buttons,
                 Icon icon) override;
  // Answers given to Yes/No questions, in order; Yes when the script runs out.
  std::deque<Answer> script;
  std::vector<ShownMessage> shown;

 private:
  CallLog& log_;
};

class FakeSound : public SoundLibrary {
 public:
  explicit FakeSound(CallLog& log) : log_(log) {}
  std::int32_t dsInitialize() override;
  std::int32_t dsCreateDSB(std::int32_t library, const unsigned char* wave, std::size_t size,
                           std::int32_t flags) override;
  void dsPlay(std::int32_t buffer) override;
  void dsPlayLooping(std::int32_t buffer) override;
  void dsStop(std::int32_t buffer) override;
  void dsFree(std::int32_t buffer) override;
  void dsTerminate(std::int32_t library) override;
  std::int32_t libraryHandle = 1;  // 0 makes dsInitialize fail
  std::int32_t nextBuffer = 100;

 private:
  CallLog& log_;
};

// A clock that only moves when told to, or when a wait sleeps.
class FakeClock : public Clock {
 public:
  explicit FakeClock(CallLog& log) : log_(log) {}
  double timeOfDay() override { return now; }
  void sleepBriefly(double seconds) override;
  double now = 36000.0;

 private:
  CallLog& log_;
};

class FakeTimer : public Timer {
 public:
  explicit FakeTimer(CallLog& log) : log_(log) {}
  void start() override;
  void stop() override;
  bool isRunning() const override { return running; }
  bool running = false;

 private:
  CallLog& log_;
};

class FakeMenu : public Menu {
 public:
  explicit FakeMenu(CallLog& log) : log_(log) {}
  void setChecked(const std::string& item, bool checked) override;
  bool isChecked(const std::string& item) const override;
  std::map<std::string, bool> checked;

 private:
  CallLog& log_;
};

class FakeRecordPanel : public RecordPanel {
 public:
  explicit FakeRecordPanel(CallLog& log) : log_(log) {}
  void setListsVisible(bool drive, bool directory, bool file) override;
  void showTextPart() override;
  void clearAndHideTextPart() override;
  std::string text(int n) const override { return texts[n]; }
  std::string directory() const override { return dir; }
  std::string selectedFileName() const override { return selected; }
  void refreshFileList() override;
  std::string texts[5];  // Text1..Text4
  std::string dir = ".";
  std::string selected;
  bool driveVisible = false, dirVisible = false, fileVisible = false, textPartVisible = false;

 private:
  CallLog& log_;
};

class FakeWindow : public Window {
 public:
  explicit FakeWindow(CallLog& log) : log_(log) {}
  bool isMaximized() const override { return maximized; }
  void place(int left, int top, int width, int height) override;
  void endProgram() override;
  bool maximized = false;
  bool ended = false;

 private:
  CallLog& log_;
};

// Bytes that count up from `next`: every run shuffles alike.
class FakeEntropy : public Entropy {
 public:
  void fill(unsigned char* bytes, std::size_t size) override {
    for (std::size_t i = 0; i < size; ++i) bytes[i] = next++;
  }
  unsigned char next = 1;
};

// Records what the review windows were asked to show; the history list opens
// the file in `open` after asking to remove each of `remove`.
class FakeReviewWindows : public ReviewWindows {
 public:
  explicit FakeReviewWindows(CallLog& log) : log_(log) {}
  std::string chooseKeptGame(const std::vector<KeptGameRow>& rows,
                             const std::function<bool(const std::string&)>& remove) override;
  void showMoveList(const std::vector<std::string>& moves, int current,
                    const std::string& proof) override;
  void markMove(int current) override;
  void hideMoveList() override;
  void showStatistics(const std::vector<StatisticsRow>& rows) override;
  void showFingerprint(const std::string& text) override;
  std::vector<KeptGameRow> listed;
  std::vector<std::string> remove;
  std::vector<bool> removed;
  std::string open;
  std::vector<std::string> moves;
  std::string proof;
  int marked = -1;
  bool listShown = false;
  std::vector<StatisticsRow> statistics;
  std::string fingerprint;

 private:
  CallLog& log_;
};

// Japanese unless a test pins English: then every text is its source behind
// "EN ", so a text that reached the screen untranslated, or a file that took a
// translated one, shows.
class FakeTranslator : public Translator {
 public:
  std::string translate(const char*, const char* source) const override {
    return english ? std::string("EN ") + source : std::string(source);
  }
  bool english = false;
};

// Every fake, wired into a Platform, and a game built on it.
struct FakePlatform {
  CallLog log;
  FakeCanvas canvas{log};
  FakeDialogs dialogs{log};
  FakeSound sound{log};
  FakeClock clock{log};
  FakeTimer timer{log};
  FakeMenu menu{log};
  FakeRecordPanel panel{log};
  FakeWindow window{log};
  Hash& hash = qtHash();
  FakeEntropy entropy;
  FakeReviewWindows review{log};
  FakeTranslator words;
  Platform platform() {
    return Platform{canvas, dialogs, sound, clock,    timer,   menu,
                    panel,  window,  hash,  &entropy, &review, words};
  }
  // Log lines starting with `prefix`, in order.
  std::vector<std::string> calls(const std::string& prefix) const;
  // Messages shown as "title|text".
  std::vector<std::string> messages() const;
};

}  // namespace morovan::testing
