#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Game.h"
#include "options/TimeKeeping.h"
#include "platform/FakePlatform.h"
#include "view/Highlights.h"
#include "view/ViewTestSupport.h"

namespace morovan {
namespace {

using testing::FakePlatform;
using testing::textAt;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(TimeKeeping, TimeTextAndElapsedSeconds) {
  EXPECT_EQ(調査_時間秒追加結果(3725), "01:02:05");
  EXPECT_EQ(調査_時間秒追加結果(59.9), "00:00:59");
  EXPECT_EQ(調査_時間秒追加結果(3600), "01:00:00");           // the hour turns at its first second
  EXPECT_EQ(調査_時間秒追加結果(100 * 3600 + 61), ":01:01");  // no room for the hours
  // Absurd times read back from a record file must not crash the display.
  EXPECT_EQ(調査_時間秒追加結果(1e300).front(), ':');
  EXPECT_EQ(調査_時間秒追加結果(kNaN), "::");
  EXPECT_DOUBLE_EQ(調査_経過秒(10, 15.5), 5.5);
  EXPECT_DOUBLE_EQ(調査_経過秒(86399, 1), 2);
}

// A clock that wraps at midnight like the real one.
class WrappingClock : public Clock {
 public:
  double timeOfDay() override { return now; }
  void sleepBriefly(double seconds) override { now = std::fmod(now + seconds, 86400.0); }
  double now = 86399.8;
};

TEST(TimeKeeping, WaitRepaintsFirstAndEndsOnTimeAcrossMidnight) {
  FakePlatform fp;
  WrappingClock clock;
  Platform p = fp.platform();
  Game g(Platform{p.canvas, p.dialogs, p.sound, clock, p.timer, p.menu, p.panel, p.window, p.hash});
  待ち時間(g, 0.5);
  EXPECT_EQ(fp.log, (std::vector<std::string>{"repaint"}));
  EXPECT_GE(clock.now, 0.3 - 1e-6);
  EXPECT_LT(clock.now, 0.32);
  待ち時間(g, kNaN);  // would never count as elapsed
  EXPECT_LT(clock.now, 0.32);
}

TEST(TimeKeeping, TimerShowsTheRunningSideOncePerSecondWhileKeikaIsChecked) {
  FakePlatform fp;
  Game g(fp.platform());
  g.state.Turn = g.state.HumanSide;
  g.state.HumanTime = 100;
  g.state.TurnStartTimer = fp.clock.now - 3.4;
  Timer1_Timer(g);
  EXPECT_EQ(g.state.LastShownSecond, 3);
  EXPECT_TRUE(fp.calls("text").empty());

  fp.menu.checked[menu::KEIKA] = true;
  fp.clock.now += 1;
  Timer1_Timer(g);
  EXPECT_EQ(fp.calls("text"),
            (std::vector<std::string>{textAt(13.1, 9.3, "00:01:44"), textAt(13, 9.2, "00:01:44")}));
  EXPECT_EQ(fp.log.back(), "repaint");

  fp.log.clear();
  fp.clock.now += 0.5;  // still second 4
  Timer1_Timer(g);
  EXPECT_NEAR(g.state.MoveTime, 4.9, 1e-9);
  EXPECT_TRUE(fp.log.empty());

  fp.clock.now += 0.2;
  g.state.Turn = g.state.ComputerSide;
  Timer1_Timer(g);
  EXPECT_EQ(fp.calls("text").back(), textAt(-1.6, 9.2, "00:00:05"));
}

}  // namespace
}  // namespace morovan
