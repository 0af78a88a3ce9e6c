#pragma once
// The in-memory game record: one full snapshot per entry, entry 0 the start.

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

}  // namespace morovan
