#include <gtest/gtest.h>

#include <cstring>

#include "influence/Pins.h"
#include "influence/Survey.h"

namespace morovan {
namespace {

// Surveys p (to record the king square), then runs the pin test and checks that
// the board came back unchanged. Returns ComputerPiecePinned.
int pinned(Position& p) {
  Influence t;
  勢力調査(p, t);
  t.ComputerPiecePinned = 1;  // must be recomputed, not kept
  PieceCode before[10][10];
  std::memcpy(before, p.BoardPieces, sizeof before);
  調査_移動不可駒(p, t);
  EXPECT_EQ(std::memcmp(before, p.BoardPieces, sizeof before), 0);
  return t.ComputerPiecePinned;
}

TEST(PinnedPieces, ASingleBlockerBetweenKingAndRookIsPinned) {
  Position p;
  p.BoardPieces[5][1] = 80;
  p.BoardPieces[5][3] = 40;
  p.BoardPieces[5][9] = -70;
  EXPECT_EQ(pinned(p), 1);

  p.BoardPieces[5][5] = 10;  // two blockers: lifting either leaves the other
  EXPECT_EQ(pinned(p), 0);
}

TEST(PinnedPieces, LiftingTheKingItselfFindsADirectAttack) {
  Position p;
  p.BoardPieces[5][1] = 80;
  p.BoardPieces[5][9] = -20;
  EXPECT_EQ(pinned(p), 1);

  p.BoardPieces[5][9] = -10;  // no long-range piece
  EXPECT_EQ(pinned(p), 0);
}

TEST(PinnedPieces, BishopsCountOnlyAsFarAsTheirMoveOntoTheKingIsAllowed) {
  Position p;
  p.BoardPieces[1][1] = 80;
  p.BoardPieces[5][5] = -60;
  EXPECT_EQ(pinned(p), 1);  // the lifted king's square is empty: the bishop may go

  // Behind a blocker the bishop would have to capture the king, which it never may.
  p.BoardPieces[3][3] = 40;
  EXPECT_EQ(pinned(p), 0);
}

}  // namespace
}  // namespace morovan
