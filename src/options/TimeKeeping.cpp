#include "options/TimeKeeping.h"

#include "Game.h"

namespace morovan {

double 調査_経過秒(double start, double now) {
  (void)start; (void)now; return 0;
}

std::string 調査_時間秒追加結果(double seconds) {
  (void)seconds; return {};
}

void 描画_所有時間(Game& g, int side, double seconds) {
  (void)g; (void)side; (void)seconds; 
}

void 消去_所有時間(Game& g, int side) {
  (void)g; (void)side; 
}

void 待ち時間(Game& g, double seconds) {
  (void)g; (void)seconds; 
}

void Timer1_Timer(Game& g) {
  (void)g; 
}

}  // namespace morovan
