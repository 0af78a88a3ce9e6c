#pragma once
// Starting or resuming a game, and the prompts run at the start of every click.

namespace morovan {

class Game;

void TAIKYOKU_Click(Game& g);
void SENTE_Click(Game& g);
void GOTE_Click(Game& g);
// Returns false when the click ends here (no game set up for play).
bool clickPrompts(Game& g);

}  // namespace morovan
