#include "options/TimeKeeping.h"

#include <cmath>

#include "Game.h"
#include "view/Pictures.h"
#include "view/Texts.h"

namespace morovan {
namespace {

constexpr double kSecondsPerDay = 86400;

// A whole number as its two-character field; wider numbers leave the field
// empty, as 変換_数字から文字 does. Checked in floating point first so that a
// huge time read from a record file cannot overflow the conversion.
std::string field(double whole) {
  if (!(whole > -10 && whole < 100)) return {};
  return 変換_数字から文字(static_cast<int>(whole));
}

}  // namespace

double 調査_経過秒(double start, double now) {
  if (start <= now) return now - start;
  return now + kSecondsPerDay - start;  // the clock passed midnight
}

std::string 調査_時間秒追加結果(double seconds) {
  if (!std::isfinite(seconds)) return "::";
  const double h = seconds >= 3600 ? std::floor(seconds / 3600) : 0;
  const double r = seconds - 3600 * h;
  const double m = std::floor(r / 60);
  const double s = std::floor(r - 60 * m);
  return field(h) + ":" + field(m) + ":" + field(s);
}

void 描画_所有時間(Game& g, int side, double seconds) {
  if (!g.platform.menu.isChecked(menu::KEIKA)) return;
  const ViewState& v = g.view;
  const std::string text = 調査_時間秒追加結果(seconds);
  消去_所有時間(g, side);
  if (side == g.state.HumanSide) {
    描画_数値(g, 13.1, 9.3, text, v.ShadowColour, 0, 12);
    描画_数値(g, 13, 9.2, text, v.TextColour, 0, 12);
  } else if (side == g.state.ComputerSide) {
    描画_数値(g, -1.5, 9.3, text, v.ShadowColour, 0, 12);
    描画_数値(g, -1.6, 9.2, text, v.TextColour, 0, 12);
    描画_桝輪郭(g, v.BackColour, 1, 9);
  }
}

void 消去_所有時間(Game& g, int side) {
  const int tile = g.view.BackgroundPicture;
  if (side == g.state.HumanSide) {
    for (int col = 13; col <= 15; ++col) 描画_絵(g, tile, col, 9);
  } else if (side == g.state.ComputerSide) {
    for (int col = -2; col <= 0; ++col) 描画_絵(g, tile, col, 9);
  }
}

void readMoveTime(Game& g) {
  g.state.MoveTime = 調査_経過秒(g.state.TurnStartTimer, g.platform.clock.timeOfDay());
}

void chargeRunningMove(Game& g) {
  GameState& s = g.state;
  // No clock runs before the game or while a replayed position waits for a click.
  if (s.Turn == 0 || s.ClockPending == kOn) return;
  readMoveTime(g);
  if (s.Turn == s.HumanSide) {
    s.HumanTime += s.MoveTime;
  } else if (s.Turn == s.ComputerSide) {
    s.ComputerTime += s.MoveTime;
  }
  s.MoveTime = 0;
  s.TurnStartTimer = g.platform.clock.timeOfDay();
}

void Timer1_Timer(Game& g) {
  GameState& s = g.state;
  const double now = g.platform.clock.timeOfDay();
  s.MoveTime = 調査_経過秒(s.TurnStartTimer, now);
  const double whole = std::floor(s.MoveTime);
  if (whole == s.LastShownSecond) return;
  s.LastShownSecond = static_cast<int>(whole);
  if (s.Turn == s.ComputerSide) {
    描画_所有時間(g, s.ComputerSide, s.ComputerTime + s.MoveTime);
  } else if (s.Turn == s.HumanSide) {
    描画_所有時間(g, s.HumanSide, s.HumanTime + s.MoveTime);
  }
  g.platform.canvas.repaintNow();
}

}  // namespace morovan
