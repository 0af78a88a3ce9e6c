#pragma once
// The in-memory game record: one full snapshot per entry, entry 0 the start.

#include "model/Position.h"
#include "model/Types.h"

namespace morovan {

inline constexpr int kRecordEntries = 501;  // entries 0..500
inline constexpr int kLastRecordIndex = kRecordEntries - 1;

struct GameRecord {
  PieceCode RecordBoards[kRecordEntries][10][10] = {};
  int RecordHumanHands[kRecordEntries][8] = {};
  int RecordComputerHands[kRecordEntries][8] = {};
  // Time1..Time4 at [n][1..4]: the human's total before and after the entry's
  // move, the computer's total before and after it.
  double RecordTimes[kRecordEntries][5] = {};
};

// Writes the board and both hands of p into entry n.
void storeRecordEntry(GameRecord& r, int n, const Position& p);
// Board and both hands of entry n become the position. The totals are kept
// with the hands: the rules and the hand drawing read them.
void loadRecordEntry(Position& p, const GameRecord& r, int n);

}  // namespace morovan
