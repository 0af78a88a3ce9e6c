#include "platform/Headless.h"

#include <cmath>

#include "platform/ReviewWindows.h"

namespace morovan {
namespace {

class NoReviewWindows : public ReviewWindows {
 public:
  std::string chooseKeptGame(const std::vector<KeptGameRow>&,
                             const std::function<bool(const std::string&)>&) override {
    return {};
  }
  void showMoveList(const std::vector<std::string>&, int, const std::string&) override {}
  void markMove(int) override {}
  void hideMoveList() override {}
  void showStatistics(const std::vector<StatisticsRow>&) override {}
  void showFingerprint(const std::string&) override {}
};

}  // namespace

ReviewWindows& noReviewWindows() {
  static NoReviewWindows windows;
  return windows;
}

Answer HeadlessDialogs::message(const std::string&, const std::string&, Buttons buttons, Icon) {
  return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

void HeadlessClock::sleepBriefly(double seconds) {
  constexpr double kSecondsPerDay = 86400;
  now_ = std::fmod(now_ + seconds, kSecondsPerDay);
}

bool HeadlessMenu::isChecked(const std::string& item) const {
  const auto it = checked_.find(item);
  return it != checked_.end() && it->second;
}

}  // namespace morovan
