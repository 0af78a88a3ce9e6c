#include "model/GameRecord.h"

namespace morovan {

void storeRecordEntry(GameRecord& r, int n, const Position& p) {
  copySquares(r.RecordBoards[n], p.BoardPieces);
  for (int k = 1; k <= kHandKinds; ++k) {
    r.RecordHumanHands[n][k] = p.HumanHand[k];
    r.RecordComputerHands[n][k] = p.ComputerHand[k];
  }
}

void loadRecordEntry(Position& p, const GameRecord& r, int n) {
  copySquares(p.BoardPieces, r.RecordBoards[n]);
  for (int k = 1; k <= kHandKinds; ++k) {
    p.HumanHand[k] = r.RecordHumanHands[n][k];
    p.ComputerHand[k] = r.RecordComputerHands[n][k];
  }
  recountHandTotals(p);
}

}  // namespace morovan
