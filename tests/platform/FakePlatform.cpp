#include "platform/FakePlatform.h"

#include <sstream>

namespace morovan::testing {
namespace {

std::string num(double v) {
  std::ostringstream s;
  s << v;
  return s.str();
}

}  // namespace

void FakeCanvas::drawPicture(int code, double x, double y) {
  log_.push_back("picture " + std::to_string(code) + " " + num(x) + " " + num(y));
}
void FakeCanvas::outline(double x1, double y1, double x2, double y2, int colour) {
  log_.push_back("outline " + num(x1) + " " + num(y1) + " " + num(x2) + " " + num(y2) + " " +
                 std::to_string(colour));
}
void FakeCanvas::setFontSize(double points) { log_.push_back("fontsize " + num(points)); }
void FakeCanvas::setFontBold(bool bold) { log_.push_back(std::string("bold ") + (bold ? "1" : "0")); }
void FakeCanvas::setTextColour(int colour) { log_.push_back("colour " + std::to_string(colour)); }
void FakeCanvas::printText(double x, double y, const std::string& text) {
  log_.push_back("text " + num(x) + " " + num(y) + " " + text);
}
void FakeCanvas::repaintNow() { log_.push_back("repaint"); }
void FakeCanvas::showCursor(double x1, double y1, double x2, double y2) {
  log_.push_back("cursor " + num(x1) + " " + num(y1) + " " + num(x2) + " " + num(y2));
}
void FakeCanvas::hideCursor() { log_.push_back("cursor hidden"); }

Answer FakeDialogs::message(const std::string& title, const std::string& text, Buttons buttons,
                            Icon icon) {
  shown.push_back({title, text, buttons, icon});
  Answer a = Answer::Ok;
  if (buttons == Buttons::YesNo) {
    a = Answer::Yes;
    if (!script.empty()) {
      a = script.front();
      script.pop_front();
    }
  }
  log_.push_back("message " + title + "|" + text + "|" +
                 (a == Answer::Ok ? "Ok" : a == Answer::Yes ? "Yes" : "No"));
  return a;
}

std::int32_t FakeSound::dsInitialize() {
  log_.push_back("dsInitialize");
  return libraryHandle;
}
std::int32_t FakeSound::dsCreateDSB(std::int32_t library, const unsigned char*, std::size_t size,
                                    std::int32_t flags) {
  const std::int32_t h = (library != 0 && size > 0) ? nextBuffer++ : 0;
  log_.push_back("dsCreateDSB " + std::to_string(flags) + " -> " + std::to_string(h));
  return h;
}
void FakeSound::dsPlay(std::int32_t b) { log_.push_back("dsPlay " + std::to_string(b)); }
void FakeSound::dsPlayLooping(std::int32_t b) { log_.push_back("dsPlayLooping " + std::to_string(b)); }
void FakeSound::dsStop(std::int32_t b) { log_.push_back("dsStop " + std::to_string(b)); }
void FakeSound::dsFree(std::int32_t b) { log_.push_back("dsFree " + std::to_string(b)); }
void FakeSound::dsTerminate(std::int32_t l) { log_.push_back("dsTerminate " + std::to_string(l)); }

void FakeClock::sleepBriefly(double seconds) { now += seconds; }

void FakeTimer::start() {
  running = true;
  log_.push_back("timer start");
}
void FakeTimer::stop() {
  running = false;
  log_.push_back("timer stop");
}

void FakeMenu::setChecked(const std::string& item, bool c) {
  checked[item] = c;
  log_.push_back("check " + item + " " + (c ? "1" : "0"));
}
bool FakeMenu::isChecked(const std::string& item) const {
  auto it = checked.find(item);
  return it != checked.end() && it->second;
}

void FakeRecordPanel::setListsVisible(bool d, bool r, bool f) {
  driveVisible = d;
  dirVisible = r;
  fileVisible = f;
  log_.push_back(std::string("lists ") + (d ? "1" : "0") + (r ? "1" : "0") + (f ? "1" : "0"));
}
void FakeRecordPanel::showTextPart() {
  textPartVisible = true;
  log_.push_back("panel show");
}
void FakeRecordPanel::clearAndHideTextPart() {
  for (auto& t : texts) t.clear();
  textPartVisible = false;
  log_.push_back("panel hide");
}
void FakeRecordPanel::refreshFileList() { log_.push_back("panel refresh"); }

void FakeWindow::place(int left, int top, int width, int height) {
  log_.push_back("place " + std::to_string(left) + " " + std::to_string(top) + " " +
                 std::to_string(width) + " " + std::to_string(height));
}
void FakeWindow::endProgram() {
  ended = true;
  log_.push_back("endProgram");
}

std::vector<std::string> FakePlatform::calls(const std::string& prefix) const {
  std::vector<std::string> out;
  for (const auto& l : log)
    if (l.rfind(prefix, 0) == 0) out.push_back(l);
  return out;
}

std::vector<std::string> FakePlatform::messages() const {
  std::vector<std::string> out;
  for (const auto& m : dialogs.shown) out.push_back(m.title + "|" + m.text);
  return out;
}

std::string FakeReviewWindows::chooseKeptGame(const std::vector<KeptGameRow>& rows,
                                              const std::function<bool(const std::string&)>& ask) {
  log_.push_back("history " + std::to_string(rows.size()));
  listed = rows;
  for (const std::string& file : remove) removed.push_back(ask(file));
  return open;
}

void FakeReviewWindows::showMoveList(const std::vector<std::string>& list, int current,
                                     const std::string& proofText) {
  log_.push_back("moveList " + std::to_string(list.size()) + " " + std::to_string(current));
  moves = list;
  marked = current;
  proof = proofText;
  listShown = true;
}

void FakeReviewWindows::markMove(int current) {
  log_.push_back("markMove " + std::to_string(current));
  marked = current;
}

void FakeReviewWindows::hideMoveList() {
  log_.push_back("hideMoveList");
  listShown = false;
}

void FakeReviewWindows::showStatistics(const std::vector<StatisticsRow>& rows) {
  log_.push_back("statistics " + std::to_string(rows.size()));
  statistics = rows;
}

void FakeReviewWindows::showFingerprint(const std::string& text) {
  // Kept out of the log: the fingerprint depends on the hidden pieces, and the
  // tests that compare logs across shuffles compare what the player sees drawn.
  fingerprint = text;
}

}  // namespace morovan::testing
