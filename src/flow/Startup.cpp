#include "flow/Startup.h"

#include "Game.h"

namespace morovan {

void Form_Load(Game& g) {
  (void)g; 
}

void Form_Unload(Game& g) {
  (void)g; 
}

void Form_KeyPress(Game& g, int KeyAscii) {
  (void)g; (void)KeyAscii; 
}

void OWARI_Click(Game& g) {
  (void)g; 
}

void 終了処理(Game& g) {
  (void)g; 
}

}  // namespace morovan
