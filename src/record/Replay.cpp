#include "record/Replay.h"

#include "Game.h"

namespace morovan {

void REPLAY_Click(Game& g) {
  (void)g; 
}

void AFTER_Click(Game& g) {
  (void)g; 
}

void CANCEL_Click(Game& g) {
  (void)g; 
}

}  // namespace morovan
