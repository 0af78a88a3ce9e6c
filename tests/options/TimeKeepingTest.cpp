#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Game.h"
#include "options/TimeKeeping.h"
#include "platform/FakePlatform.h"
#include "view/ViewTestSupport.h"

namespace morovan {
namespace {

using testing::FakePlatform;
using testing::outlineOf;
using testing::pictureAt;
using testing::textAt;

TEST(TimeKeeping, TimeTextIsHoursMinutesSecondsInTwoDigits) {
  EXPECT_EQ(調査_時間秒追加結果(3725), "01:02:05");
  EXPECT_EQ(調査_時間秒追加結果(59.9), "00:00:59");
  EXPECT_EQ(調査_時間秒追加結果(0), "00:00:00");
  EXPECT_EQ(調査_時間秒追加結果(3600), "01:00:00");
  EXPECT_EQ(調査_時間秒追加結果(86399.99), "23:59:59");
  // A hundred hours or more do not fit the hour field, which stays empty.
  EXPECT_EQ(調査_時間秒追加結果(100 * 3600 + 61), ":01:01");
  // Times read back from a record file may be absurd; they must not crash.
  EXPECT_EQ(調査_時間秒追加結果(1e300).front(), ':');
  EXPECT_EQ(調査_時間秒追加結果(std::numeric_limits<double>::quiet_NaN()), "::");
}

TEST(TimeKeeping, ElapsedSecondsCrossMidnight) {
  EXPECT_DOUBLE_EQ(調査_経過秒(10, 15.5), 5.5);
  EXPECT_DOUBLE_EQ(調査_経過秒(86399, 1), 2);
  EXPECT_DOUBLE_EQ(調査_経過秒(7, 7), 0);
}

TEST(TimeKeeping, TimeDisplayOnlyWithElapsedTimeChecked) {
  FakePlatform fp;
  Game g(fp.platform());
  g.view.BackgroundPicture = 2;
  描画_所有時間(g, g.state.HumanSide, 3725);
  EXPECT_TRUE(fp.log.empty());

  fp.menu.checked["KEIKA"] = true;
  描画_所有時間(g, g.state.HumanSide, 3725);
  EXPECT_EQ(fp.calls("picture"), (std::vector<std::string>{pictureAt(2, 13, 9), pictureAt(2, 14, 9),
                                                           pictureAt(2, 15, 9)}));
  EXPECT_EQ(fp.calls("text"),
            (std::vector<std::string>{textAt(13.1, 9.3, "01:02:05"), textAt(13, 9.2, "01:02:05")}));

  fp.log.clear();
  描画_所有時間(g, g.state.ComputerSide, 61);
  EXPECT_EQ(fp.log.front(), pictureAt(2, -2, 9));
  EXPECT_EQ(fp.calls("text"), (std::vector<std::string>{textAt(-1.5, 9.3, "00:01:01"),
                                                        textAt(-1.6, 9.2, "00:01:01")}));
  EXPECT_EQ(fp.log.back(), outlineOf(1, 9, 2));

  fp.log.clear();
  描画_所有時間(g, 0, 61);
  EXPECT_TRUE(fp.log.empty());
}

// A clock that wraps at midnight like the real one.
class WrappingClock : public Clock {
 public:
  double timeOfDay() override { return now; }
  void sleepBriefly(double seconds) override { now = std::fmod(now + seconds, 86400.0); }
  double now = 0;
};

TEST(TimeKeeping, WaitRepaintsFirstAndEndsOnTimeEvenAcrossMidnight) {
  FakePlatform fp;
  Game g(fp.platform());
  const double start = fp.clock.now;
  待ち時間(g, 0.5);
  EXPECT_EQ(fp.log, (std::vector<std::string>{"repaint"}));
  EXPECT_GE(fp.clock.now - start, 0.5);
  EXPECT_LT(fp.clock.now - start, 0.52);

  WrappingClock clock;
  clock.now = 86399.8;
  Platform wrapped = fp.platform();
  Game h(Platform{wrapped.canvas, wrapped.dialogs, wrapped.sound, clock, wrapped.timer,
                  wrapped.menu, wrapped.panel, wrapped.window});
  待ち時間(h, 0.5);
  EXPECT_GE(clock.now, 0.3 - 1e-6);
  EXPECT_LT(clock.now, 0.32);

  // A wait of no time, or of a broken duration, does not block.
  待ち時間(h, 0);
  待ち時間(h, std::numeric_limits<double>::quiet_NaN());
  EXPECT_LT(clock.now, 0.32);
}

TEST(TimeKeeping, TimerShowsTheRunningSideOncePerSecond) {
  FakePlatform fp;
  Game g(fp.platform());
  fp.menu.checked["KEIKA"] = true;
  g.state.Turn = g.state.HumanSide;
  g.state.HumanTime = 100;
  g.state.TurnStartTimer = fp.clock.now - 3.4;
  Timer1_Timer(g);
  EXPECT_NEAR(g.state.MoveTime, 3.4, 1e-9);
  EXPECT_EQ(g.state.LastShownSecond, 3);
  EXPECT_EQ(fp.calls("text").back(), textAt(13, 9.2, "00:01:43"));
  EXPECT_EQ(fp.log.back(), "repaint");

  fp.log.clear();
  fp.clock.now += 0.5;  // still second 3
  Timer1_Timer(g);
  EXPECT_NEAR(g.state.MoveTime, 3.9, 1e-9);
  EXPECT_TRUE(fp.log.empty());

  fp.clock.now += 0.2;
  g.state.Turn = g.state.ComputerSide;
  g.state.ComputerTime = 10;
  Timer1_Timer(g);
  EXPECT_EQ(fp.calls("text").back(), textAt(-1.6, 9.2, "00:00:14"));

  // Without KEIKA the clock still runs but nothing is drawn.
  fp.log.clear();
  fp.menu.checked["KEIKA"] = false;
  fp.clock.now += 1;
  Timer1_Timer(g);
  EXPECT_EQ(g.state.LastShownSecond, 5);
  EXPECT_TRUE(fp.calls("text").empty());
}

}  // namespace
}  // namespace morovan
