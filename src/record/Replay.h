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
// Shows entry n (0..RecordLength) at once, as that many steps of 進 or 戻 would,
// with the clocks after its move; nothing happens without a record to show.
void jumpToRecordEntry(Game& g, int n);

}  // namespace morovan
