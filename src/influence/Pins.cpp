#include "influence/Pins.h"

#include "model/Rules.h"

namespace morovan {

namespace {

bool isLongRangeHumanPiece(PieceCode v) {
  return v == -kLance || v == -kBishop || v == -kPromotedBishop || v == -kRook ||
         v == -kPromotedRook;
}

}  // namespace

// Works on the real board: exactly one square at a time differs while a piece is
// lifted, and every piece is put back before the next is lifted. No early exit,
// so every computer piece and every human long-range piece is tested.
void 調査_移動不可駒(Position& p, Influence& t) {
  t.ComputerPiecePinned = 0;
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      const PieceCode s = p.BoardPieces[x][y];
      if (!isComputerPiece(s)) continue;
      p.BoardPieces[x][y] = kEmpty;
      for (int i = 1; i <= 9; ++i) {
        for (int j = 1; j <= 9; ++j) {
          const PieceCode v = p.BoardPieces[i][j];
          if (isLongRangeHumanPiece(v) &&
              移動チェック(p, i, j, p.ComputerKingX, p.ComputerKingY, v) == 1) {
            t.ComputerPiecePinned = 1;
          }
        }
      }
      p.BoardPieces[x][y] = s;
    }
  }
}

}  // namespace morovan
