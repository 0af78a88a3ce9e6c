#include "computer/BoardFlip.h"

#include <utility>

namespace morovan {

void flipPosition(Position& p) {
  PieceCode before[10][10];
  copySquares(before, p.BoardPieces);
  for (int x = 1; x <= kBoardSize; ++x)
    for (int y = 1; y <= kBoardSize; ++y) {
      p.BoardPieces[kBoardSize + 1 - x][kBoardSize + 1 - y] = -before[x][y];
      p.EnemyMarks[x][y] = 0;
    }
  std::swap(p.HumanHand, p.ComputerHand);
  std::swap(p.HumanHandTotal, p.ComputerHandTotal);
  const int humanKingX = p.HumanKingX;
  const int humanKingY = p.HumanKingY;
  p.HumanKingX = kBoardSize + 1 - p.ComputerKingX;
  p.HumanKingY = kBoardSize + 1 - p.ComputerKingY;
  p.ComputerKingX = kBoardSize + 1 - humanKingX;
  p.ComputerKingY = kBoardSize + 1 - humanKingY;
}

}  // namespace morovan
