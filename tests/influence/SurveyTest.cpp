#include <gtest/gtest.h>

#include <cstdlib>

#include "influence/Survey.h"

namespace morovan {
namespace {

struct Board {
  Position p;
  Influence t;
  void put(int x, int y, PieceCode c) { p.BoardPieces[x][y] = c; }
  void survey() { 勢力調査(p, t); }
  int totalReach(const int (&reach)[10][10]) const {
    int n = 0;
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) n += reach[x][y];
    return n;
  }
};

bool adjacent(int x, int y, int kx, int ky) {
  return (x != kx || y != ky) && std::abs(x - kx) <= 1 && std::abs(y - ky) <= 1;
}

TEST(InfluenceSurvey, TwoKingsAloneReachTheirNeighboursAndKeepEverySentinel) {
  Board b;
  b.put(1, 1, 80);
  b.put(5, 9, -80);
  b.survey();
  EXPECT_EQ(b.p.ComputerKingX, 1);
  EXPECT_EQ(b.p.ComputerKingY, 1);
  EXPECT_EQ(b.p.HumanKingX, 5);
  EXPECT_EQ(b.p.HumanKingY, 9);
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      EXPECT_EQ(b.t.ComputerReach[x][y], adjacent(x, y, 1, 1) ? 1 : 0) << x << "," << y;
      EXPECT_EQ(b.t.HumanReach[x][y], adjacent(x, y, 5, 9) ? 1 : 0) << x << "," << y;
      EXPECT_EQ(b.t.HumanGuardCode[x][y], 999);
      EXPECT_EQ(b.t.ComputerGuardCode[x][y], 999);
      EXPECT_EQ(b.t.HumanAttackerCode[x][y], -999);
      EXPECT_EQ(b.t.HumanAttackerX[x][y], 0);
    }
  }
}

TEST(InfluenceSurvey, HumanGuardKeepsTheHighestRankAndAttackerTheLowest) {
  // A rook scanned before and one scanned after the pawn: the result is the same.
  for (int rookX : {1, 9}) {
    Board guard;
    guard.put(5, 5, -50);
    guard.put(5, 6, -10);
    guard.put(rookX, 5, -70);
    guard.survey();
    EXPECT_EQ(guard.t.HumanGuardCode[5][5], -70);
    EXPECT_EQ(guard.t.HumanAttackerCode[5][5], -999);

    Board attack;
    attack.put(5, 5, 40);
    attack.put(5, 6, -10);
    attack.put(rookX, 5, -70);
    attack.survey();
    EXPECT_EQ(attack.t.HumanAttackerCode[5][5], -10);
    EXPECT_EQ(attack.t.HumanAttackerX[5][5], 5);
    EXPECT_EQ(attack.t.HumanReach[5][5], 2);
    EXPECT_EQ(attack.t.HumanGuardCode[5][5], 999);
  }

  Board golds;  // equal codes: the first met in the scan keeps its column
  golds.put(5, 5, 40);
  golds.put(4, 6, -50);
  golds.put(6, 6, -50);
  golds.survey();
  EXPECT_EQ(golds.t.HumanAttackerCode[5][5], -50);
  EXPECT_EQ(golds.t.HumanAttackerX[5][5], 4);
}

TEST(InfluenceSurvey, ComputerGuardSquareIsWrittenOnlyByTheKindsThatRecordIt) {
  Board b;
  b.put(5, 5, 50);
  b.put(4, 4, 40);  // silver, scanned first, records its square
  b.put(5, 4, 10);  // pawn records its code only
  b.survey();
  EXPECT_EQ(b.t.ComputerGuardCode[5][5], 10);
  EXPECT_EQ(b.t.ComputerGuardX[5][5], 4);
  EXPECT_EQ(b.t.ComputerGuardY[5][5], 4);

  // The guard square survives a survey in which no guard writes one.
  b.put(4, 4, 0);
  b.survey();
  EXPECT_EQ(b.t.ComputerGuardCode[5][5], 10);
  EXPECT_EQ(b.t.ComputerGuardX[5][5], 4);
  EXPECT_EQ(b.t.ComputerGuardY[5][5], 4);

  // Golds and promoted minor pieces all guard as 50 without a square.
  for (PieceCode minor : {41, 31, 21, 11, 50}) {
    Board m;
    m.put(5, 5, 70);
    m.put(5, 4, minor);
    m.survey();
    EXPECT_EQ(m.t.ComputerGuardCode[5][5], 50) << minor;
    EXPECT_EQ(m.t.ComputerGuardX[5][5], 0) << minor;
  }

  Board king;  // the king records 80 without a square
  king.put(5, 5, 70);
  king.put(5, 4, 80);
  king.survey();
  EXPECT_EQ(king.t.ComputerGuardCode[5][5], 80);
  EXPECT_EQ(king.t.ComputerGuardX[5][5], 0);

  // A promoted bishop guards with 61 and its square on the diagonals only; a
  // promoted rook with 71 and its square on its diagonal steps.
  Board big;
  big.put(5, 5, 61);
  big.put(5, 6, 10);
  big.put(6, 6, 10);
  big.put(1, 2, 71);
  big.put(2, 3, 20);
  big.survey();
  EXPECT_EQ(big.t.ComputerReach[5][6], 1);
  EXPECT_EQ(big.t.ComputerGuardCode[5][6], 999);
  EXPECT_EQ(big.t.ComputerGuardCode[6][6], 61);
  EXPECT_EQ(big.t.ComputerGuardX[6][6], 5);
  EXPECT_EQ(big.t.ComputerGuardCode[2][3], 71);
  EXPECT_EQ(big.t.ComputerGuardX[2][3], 1);
  EXPECT_EQ(big.t.ComputerGuardY[2][3], 2);
}

TEST(InfluenceSurvey, PiecesWithNoStepOnTheBoardReachNothing) {
  Board b;
  b.put(3, 1, -10);
  b.put(4, 1, -30);
  b.put(6, 2, -30);
  b.put(4, 8, 30);
  b.put(6, 9, 30);
  b.survey();
  EXPECT_EQ(b.totalReach(b.t.HumanReach), 0);
  EXPECT_EQ(b.totalReach(b.t.ComputerReach), 0);
}

TEST(InfluenceSurvey, HumanRookRayPassesTheComputerKingButStopsAtAnyOtherPiece) {
  Board b;
  b.put(5, 9, -70);
  b.put(5, 5, 80);
  b.survey();
  for (int y = 1; y <= 8; ++y) EXPECT_EQ(b.t.HumanReach[5][y], 1) << y;
  EXPECT_EQ(b.t.HumanAttackerCode[5][5], -70);
  EXPECT_EQ(b.t.HumanAttackerX[5][5], 5);

  b.put(5, 3, 10);
  b.survey();
  for (int y = 3; y <= 8; ++y) EXPECT_EQ(b.t.HumanReach[5][y], 1) << y;
  EXPECT_EQ(b.t.HumanReach[5][2], 0);
  EXPECT_EQ(b.t.HumanReach[5][1], 0);
  EXPECT_EQ(b.t.HumanAttackerCode[5][3], -70);

  Board own;  // the rook's own king stops it
  own.put(5, 9, -70);
  own.put(5, 7, -80);
  own.survey();
  EXPECT_EQ(own.t.HumanReach[5][7], 1);
  EXPECT_EQ(own.t.HumanReach[5][6], 1);  // from the king's step only
  EXPECT_EQ(own.t.HumanReach[5][5], 0);
  EXPECT_EQ(own.t.HumanGuardCode[5][7], -70);
}

TEST(InfluenceSurvey, ComputerLanceStopsAtTheFirstHumanPiece) {
  Board b;
  b.put(1, 1, 20);
  b.put(1, 4, -40);
  b.survey();
  for (int y = 2; y <= 4; ++y) EXPECT_EQ(b.t.ComputerReach[1][y], 1) << y;
  for (int y = 5; y <= 9; ++y) EXPECT_EQ(b.t.ComputerReach[1][y], 0) << y;
  EXPECT_EQ(b.totalReach(b.t.ComputerReach), 3);
  EXPECT_EQ(b.t.ComputerGuardCode[1][4], 999);  // reaching a human piece records nothing
}

TEST(InfluenceSurvey, HumanPromotedBishopGuardsAs61OrthogonallyAnd60Diagonally) {
  Board b;
  b.put(5, 5, -61);
  b.put(4, 4, -10);
  b.put(5, 4, -10);
  b.survey();
  EXPECT_EQ(b.t.HumanGuardCode[4][4], -60);
  EXPECT_EQ(b.t.HumanGuardCode[5][4], -61);
  EXPECT_EQ(b.t.HumanReach[3][3], 0);  // the diagonal stops at its own pawn
  EXPECT_EQ(b.t.HumanReach[1][9], 1);
}

TEST(InfluenceSurvey, EdgePiecesTakeOnlyTheStepsThatStayOnTheBoard) {
  Board gold;
  gold.put(5, 1, -50);
  gold.put(5, 9, 50);
  gold.survey();
  EXPECT_EQ(gold.totalReach(gold.t.HumanReach), 3);
  EXPECT_EQ(gold.t.HumanReach[5][2] + gold.t.HumanReach[4][1] + gold.t.HumanReach[6][1], 3);
  EXPECT_EQ(gold.totalReach(gold.t.ComputerReach), 3);
  EXPECT_EQ(gold.t.ComputerReach[5][8] + gold.t.ComputerReach[4][9] + gold.t.ComputerReach[6][9],
            3);

  Board bishop;
  bishop.put(9, 9, -60);
  bishop.survey();
  EXPECT_EQ(bishop.totalReach(bishop.t.HumanReach), 8);
  for (int i = 1; i <= 8; ++i) EXPECT_EQ(bishop.t.HumanReach[i][i], 1) << i;
}

TEST(InfluenceSurvey, AnAbsentKingKeepsItsSquareAndTablesAreResetEachTime) {
  Board b;
  b.put(2, 8, -80);
  b.put(7, 3, 80);
  b.put(7, 4, -10);
  b.survey();
  EXPECT_EQ(b.t.HumanAttackerCode[7][3], -10);
  b.put(2, 8, 0);
  b.put(7, 3, 0);
  b.put(7, 4, 0);
  b.survey();
  EXPECT_EQ(b.p.HumanKingX, 2);
  EXPECT_EQ(b.p.HumanKingY, 8);
  EXPECT_EQ(b.p.ComputerKingX, 7);
  EXPECT_EQ(b.p.ComputerKingY, 3);
  EXPECT_EQ(b.t.HumanAttackerCode[7][3], -999);
  EXPECT_EQ(b.t.HumanAttackerX[7][3], 0);
  EXPECT_EQ(b.totalReach(b.t.HumanReach), 0);
  EXPECT_EQ(b.totalReach(b.t.ComputerReach), 0);
}

}  // namespace
}  // namespace morovan
