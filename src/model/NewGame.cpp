#include "model/NewGame.h"

#include "Game.h"

namespace morovan {

void 初期設定(Game& g) {
  (void)g; 
}

void 敵駒シャッフル(Game& g) {
  (void)g; 
}

int 乱数(Game& g, int n) {
  (void)g; (void)n; return 0;
}

void LBEL_UP_Click(Game& g) {
  (void)g; 
}

void LEBEL_DOWN_Click(Game& g) {
  (void)g; 
}

}  // namespace morovan
