#include "platform/Headless.h"

#include <cmath>

namespace morovan {

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
