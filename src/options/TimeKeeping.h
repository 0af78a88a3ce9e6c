#pragma once
// Clocks of both sides and their display.

#include <string>

namespace morovan {

class Game;

// Seconds from start to now, across midnight.
double 調査_経過秒(double start, double now);
// hh:mm:ss of a number of seconds.
std::string 調査_時間秒追加結果(double seconds);
void 描画_所有時間(Game& g, int side, double seconds);
void 消去_所有時間(Game& g, int side);
void Timer1_Timer(Game& g);
// MoveTime brought up to the clock: a move's time counts whether or not the
// timer runs to show it.
void readMoveTime(Game& g);
// Adds the running move's time to the side to move and starts its count anew,
// before something turns the board while that side is thinking.
void chargeRunningMove(Game& g);

}  // namespace morovan
