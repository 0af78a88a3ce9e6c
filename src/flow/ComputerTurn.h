#pragma once
// The computer's turn as the player sees it: caption, search, blink, move,
// record, judgement, hand-back.

namespace morovan {

class Game;

// Needs the computer to move; ends with Turn = HumanSide or the game over (終了).
void com_ban(Game& g);

}  // namespace morovan
