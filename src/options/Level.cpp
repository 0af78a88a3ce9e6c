#include "options/Level.h"

#include "Game.h"

namespace morovan {

void LEVEL1_Click(Game& g) {
  (void)g; 
}

void LEVEL2_Click(Game& g) {
  (void)g; 
}

void LEVEL3_Click(Game& g) {
  (void)g; 
}

void レベル_設定(Game& g, int n) {
  (void)g; (void)n; 
}

void 描画_レベル(Game& g, int level) {
  (void)g; (void)level; 
}

}  // namespace morovan
