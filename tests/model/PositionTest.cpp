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

TEST(PositionFault, CatchesStrayPiecesAndImpossibleCounts) {
  Position p;
  p.BoardPieces[0][5] = 10;
  EXPECT_EQ(positionFault(p), "row or column 0 holds a piece");
  p.BoardPieces[0][5] = 0;
  p.ComputerHand[6] = -1;
  p.ComputerHandTotal = -1;
  EXPECT_EQ(positionFault(p), "negative hand count");
  p.ComputerHand[6] = 2;
  p.ComputerHandTotal = 2;
  p.BoardPieces[1][1] = -61;  // a third bishop
  EXPECT_EQ(positionFault(p), "too many pieces of a kind");
  EXPECT_TRUE(isValidPieceCode(-71));
  EXPECT_FALSE(isValidPieceCode(81));
  EXPECT_FALSE(isValidPieceCode(12));
  EXPECT_FALSE(isValidPieceCode(90));
}

}  // namespace
}  // namespace morovan
