#include "model/Position.h"

#include <cstdlib>

namespace morovan {

bool isValidPieceCode(int code) {
  const int m = std::abs(code);
  if (m == 0) return true;
  if (m % 10 == 0) return m >= 10 && m <= 80;
  if (m % 10 == 1) return m != 51 && m != 81 && m >= 11 && m <= 71;
  return false;
}

void recountHandTotals(Position& p) {
  p.HumanHandTotal = 0;
  p.ComputerHandTotal = 0;
  for (int k = 1; k <= kHandKinds; ++k) {
    p.HumanHandTotal += p.HumanHand[k];
    p.ComputerHandTotal += p.ComputerHand[k];
  }
}

std::string positionFault(const Position& p) {
  int kind[9] = {};
  int humanKings = 0, computerKings = 0;
  for (int x = 0; x <= 9; ++x) {
    for (int y = 0; y <= 9; ++y) {
      const int c = p.BoardPieces[x][y];
      if ((x == 0 || y == 0) && c != 0) return "row or column 0 holds a piece";
      if (!isValidPieceCode(c)) return "invalid piece code on the board";
      if (c == kKing) ++computerKings;
      if (c == -kKing) ++humanKings;
      if (c != 0) ++kind[std::abs(c) / 10];
    }
  }
  if (humanKings > 1 || computerKings > 1) return "more than one king of a side";
  int humanTotal = 0, computerTotal = 0;
  for (int k = 1; k <= kHandKinds; ++k) {
    if (p.HumanHand[k] < 0 || p.ComputerHand[k] < 0) return "negative hand count";
    humanTotal += p.HumanHand[k];
    computerTotal += p.ComputerHand[k];
    if (kind[k] + p.HumanHand[k] + p.ComputerHand[k] > kPiecesOfKind[k])
      return "too many pieces of a kind";
  }
  if (humanTotal != p.HumanHandTotal) return "HumanHandTotal differs from the hand";
  if (computerTotal != p.ComputerHandTotal) return "ComputerHandTotal differs from the hand";
  return {};
}

}  // namespace morovan
