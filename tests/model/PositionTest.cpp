#include <gtest/gtest.h>

#include "model/Position.h"

namespace morovan {
namespace {

TEST(PositionFault, NamesTheBrokenInvariant) {
  Position p;
  EXPECT_EQ(positionFault(p), "");
  p.HumanHand[1] = 2;
  EXPECT_EQ(positionFault(p), "HumanHandTotal differs from the hand");
  p.HumanHandTotal = 2;
  EXPECT_EQ(positionFault(p), "");
  p.BoardPieces[3][3] = 51;
  EXPECT_EQ(positionFault(p), "invalid piece code on the board");
  p.BoardPieces[3][3] = 80;
  p.BoardPieces[4][4] = 80;
  EXPECT_EQ(positionFault(p), "more than one king of a side");
}

}  // namespace
}  // namespace morovan
