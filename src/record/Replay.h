#pragma once
// Stepping through the game record.

namespace morovan {

class Game;

void REPLAY_Click(Game& g);
// Draws entry RecordIndex, already in the position, as a step back onto it
// shows it: both hands, the board, the count, the clocks before its move, and
// no last-move texts.
void showRecordEntry(Game& g);
void AFTER_Click(Game& g);

}  // namespace morovan
