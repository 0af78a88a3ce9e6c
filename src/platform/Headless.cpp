#include "platform/Headless.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace morovan {

Answer HeadlessDialogs::message(const std::string&, const std::string&, Buttons buttons, Icon) {
  return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

double HeadlessClock::timeOfDay() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t t = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  const double fraction = duration<double>(now.time_since_epoch()).count() - static_cast<double>(t);
  return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
}

void HeadlessClock::sleepBriefly(double seconds) {
  std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

bool HeadlessMenu::isChecked(const std::string& item) const {
  const auto it = checked_.find(item);
  return it != checked_.end() && it->second;
}

}  // namespace morovan
