#pragma once
// The 局面 menu: back to a fresh game, the board flip and the temporary display.
// They change the position and the record, so they live with the flow.

namespace morovan {

class Game;

void CANCEL_Click(Game& g);
void REVERSE_Click(Game& g);
void ICHIJI_Click(Game& g);

}  // namespace morovan
