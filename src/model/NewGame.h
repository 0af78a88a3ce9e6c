#pragma once
// A fresh, not yet started game with the computer's pieces shuffled and hidden,
// and the 21-grade handicap buttons.

namespace morovan {

class Game;

void 初期設定(Game& g);
// One shuffle pass over the computer's rows 1-3.
void 敵駒シャッフル(Game& g);
// A whole number in 1..n.
int 乱数(Game& g, int n);
void LBEL_UP_Click(Game& g);
void LEBEL_DOWN_Click(Game& g);

}  // namespace morovan
