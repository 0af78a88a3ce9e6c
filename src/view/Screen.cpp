#include "view/Screen.h"

#include "Game.h"

namespace morovan {

void 画面_再描画(Game& g) {
  (void)g; 
}

void REVERSE_Click(Game& g) {
  (void)g; 
}

void ICHIJI_Click(Game& g) {
  (void)g; 
}

}  // namespace morovan
