#pragma once
// Stepping through the game record.

namespace morovan {

class Game;

void REPLAY_Click(Game& g);
void AFTER_Click(Game& g);

}  // namespace morovan
