#include "flow/TurnCycle.h"

#include "Game.h"

namespace morovan {

void TAIKYOKU_Click(Game& g) {
  (void)g; 
}

void SENTE_Click(Game& g) {
  (void)g; 
}

void GOTE_Click(Game& g) {
  (void)g; 
}

bool clickPrompts(Game& g) {
  (void)g; return false;
}

}  // namespace morovan
