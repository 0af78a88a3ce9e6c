#include <gtest/gtest.h>

#include <cstring>

#include "computer/BoardFlip.h"

namespace morovan {
namespace {

TEST(BoardFlip, TheFlipHandsEveryPieceToTheOtherSide) {
  Position p;
  p.BoardPieces[3][3] = kPawn;
  p.BoardPieces[5][9] = -kKing;
  p.BoardPieces[5][1] = kKing;
  p.HumanHand[1] = 2;
  p.HumanHandTotal = 2;
  Position f = p;
  flipPosition(f);
  EXPECT_EQ(f.BoardPieces[7][7], -kPawn);
  EXPECT_EQ(f.BoardPieces[5][1], kKing);
  EXPECT_EQ(f.ComputerHand[1], 2);
  EXPECT_EQ(f.HumanHandTotal, 0);
  flipPosition(f);
  EXPECT_EQ(std::memcmp(f.BoardPieces, p.BoardPieces, sizeof p.BoardPieces), 0);
}

}  // namespace
}  // namespace morovan
