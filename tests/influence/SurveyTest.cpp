#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>

#include "influence/Survey.h"

namespace morovan {
namespace {

struct Placed {
  int x, y;
  PieceCode code;
};

struct Board {
  Position p;
  Influence t;
  explicit Board(std::initializer_list<Placed> pieces = {}) { put(pieces); }
  void put(std::initializer_list<Placed> pieces) {
    for (const Placed& q : pieces) p.BoardPieces[q.x][q.y] = q.code;
  }
  void survey() { 勢力調査(p, t); }
  static int total(const int (&reach)[10][10]) {
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
  Board b({{1, 1, 80}, {5, 9, -80}});
  b.survey();
  EXPECT_EQ(b.p.ComputerKingX * 10 + b.p.ComputerKingY, 11);
  EXPECT_EQ(b.p.HumanKingX * 10 + b.p.HumanKingY, 59);
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
  // A rook scanned before and one scanned after the pawn give the same result.
  for (int rookX : {1, 9}) {
    Board guard({{5, 5, -50}, {5, 6, -10}, {rookX, 5, -70}});
    guard.survey();
    EXPECT_EQ(guard.t.HumanGuardCode[5][5], -70);
    EXPECT_EQ(guard.t.HumanAttackerCode[5][5], -999);

    Board attack({{5, 5, 40}, {5, 6, -10}, {rookX, 5, -70}});
    attack.survey();
    EXPECT_EQ(attack.t.HumanAttackerCode[5][5], -10);
    EXPECT_EQ(attack.t.HumanAttackerX[5][5], 5);
    EXPECT_EQ(attack.t.HumanReach[5][5], 2);
    EXPECT_EQ(attack.t.HumanGuardCode[5][5], 999);
  }
  // Equal codes: the gold met first in the scan keeps its column.
  Board golds({{5, 5, 40}, {4, 6, -50}, {6, 6, -50}});
  golds.survey();
  EXPECT_EQ(golds.t.HumanAttackerCode[5][5], -50);
  EXPECT_EQ(golds.t.HumanAttackerX[5][5], 4);
}

TEST(InfluenceSurvey, ComputerGuardSquareIsWrittenOnlyByTheKindsThatRecordIt) {
  Board b({{5, 5, 50}, {4, 4, 40}, {5, 4, 10}});  // silver scanned first, then a pawn
  b.survey();
  EXPECT_EQ(b.t.ComputerGuardCode[5][5], 10);
  EXPECT_EQ(b.t.ComputerGuardX[5][5] * 10 + b.t.ComputerGuardY[5][5], 44);
  // The square survives a survey in which no guard writes one.
  b.put({{4, 4, 0}});
  b.survey();
  EXPECT_EQ(b.t.ComputerGuardCode[5][5], 10);
  EXPECT_EQ(b.t.ComputerGuardX[5][5] * 10 + b.t.ComputerGuardY[5][5], 44);

  for (PieceCode code : {41, 31, 21, 11, 50, 80}) {
    Board m({{5, 5, 70}, {5, 4, code}});
    m.survey();
    EXPECT_EQ(m.t.ComputerGuardCode[5][5], code == 80 ? 80 : 50) << code;
    EXPECT_EQ(m.t.ComputerGuardX[5][5], 0) << code;
  }

  // A promoted bishop's orthogonal steps only count; its diagonals record 61 and
  // the square. A promoted rook's diagonal steps record 71 and the square.
  Board big({{5, 5, 61}, {5, 6, 10}, {6, 6, 10}, {1, 2, 71}, {2, 3, 20}});
  big.survey();
  EXPECT_EQ(big.t.ComputerReach[5][6], 1);
  EXPECT_EQ(big.t.ComputerGuardCode[5][6], 999);
  EXPECT_EQ(big.t.ComputerGuardCode[6][6], 61);
  EXPECT_EQ(big.t.ComputerGuardX[6][6], 5);
  EXPECT_EQ(big.t.ComputerGuardCode[2][3], 71);
  EXPECT_EQ(big.t.ComputerGuardX[2][3] * 10 + big.t.ComputerGuardY[2][3], 12);
}

TEST(InfluenceSurvey, PiecesWithNoStepOnTheBoardReachNothing) {
  Board b({{3, 1, -10}, {4, 1, -30}, {6, 2, -30}, {4, 8, 30}, {6, 9, 30}});
  b.survey();
  EXPECT_EQ(Board::total(b.t.HumanReach), 0);
  EXPECT_EQ(Board::total(b.t.ComputerReach), 0);
}

TEST(InfluenceSurvey, HumanRookRayPassesTheComputerKingButStopsAtAnyOtherPiece) {
  Board b({{5, 9, -70}, {5, 5, 80}});
  b.survey();
  for (int y = 1; y <= 8; ++y) EXPECT_EQ(b.t.HumanReach[5][y], 1) << y;
  EXPECT_EQ(b.t.HumanAttackerCode[5][5], -70);
  EXPECT_EQ(b.t.HumanAttackerX[5][5], 5);

  b.put({{5, 3, 10}});
  b.survey();
  for (int y = 3; y <= 8; ++y) EXPECT_EQ(b.t.HumanReach[5][y], 1) << y;
  EXPECT_EQ(b.t.HumanReach[5][2] + b.t.HumanReach[5][1], 0);
  EXPECT_EQ(b.t.HumanAttackerCode[5][3], -70);

  Board own({{5, 9, -70}, {5, 7, -80}});  // the rook's own king stops it
  own.survey();
  EXPECT_EQ(own.t.HumanGuardCode[5][7], -70);
  EXPECT_EQ(own.t.HumanReach[5][6], 1);  // from the king's step only
  EXPECT_EQ(own.t.HumanReach[5][5], 0);
}

TEST(InfluenceSurvey, ComputerLanceStopsAtTheFirstHumanPiece) {
  Board b({{1, 1, 20}, {1, 4, -40}});
  b.survey();
  for (int y = 2; y <= 4; ++y) EXPECT_EQ(b.t.ComputerReach[1][y], 1) << y;
  EXPECT_EQ(Board::total(b.t.ComputerReach), 3);
  EXPECT_EQ(b.t.ComputerGuardCode[1][4], 999);  // reaching a human piece records nothing
}

TEST(InfluenceSurvey, HumanPromotedBishopGuardsAs61OrthogonallyAnd60Diagonally) {
  Board b({{5, 5, -61}, {4, 4, -10}, {5, 4, -10}});
  b.survey();
  EXPECT_EQ(b.t.HumanGuardCode[4][4], -60);
  EXPECT_EQ(b.t.HumanGuardCode[5][4], -61);
  EXPECT_EQ(b.t.HumanReach[3][3], 0);  // the diagonal stops at its own pawn
  EXPECT_EQ(b.t.HumanReach[1][9], 1);
}

TEST(InfluenceSurvey, EdgePiecesTakeOnlyTheStepsThatStayOnTheBoard) {
  Board gold({{5, 1, -50}, {5, 9, 50}});
  gold.survey();
  EXPECT_EQ(Board::total(gold.t.HumanReach), 3);
  EXPECT_EQ(gold.t.HumanReach[5][2] + gold.t.HumanReach[4][1] + gold.t.HumanReach[6][1], 3);
  EXPECT_EQ(Board::total(gold.t.ComputerReach), 3);
  EXPECT_EQ(gold.t.ComputerReach[5][8] + gold.t.ComputerReach[4][9] + gold.t.ComputerReach[6][9],
            3);

  Board bishop({{9, 9, -60}});
  bishop.survey();
  EXPECT_EQ(Board::total(bishop.t.HumanReach), 8);
  for (int i = 1; i <= 8; ++i) EXPECT_EQ(bishop.t.HumanReach[i][i], 1) << i;
}

TEST(InfluenceSurvey, AnAbsentKingKeepsItsSquareAndTablesAreResetEachTime) {
  Board b({{2, 8, -80}, {7, 3, 80}, {7, 4, -10}});
  b.survey();
  EXPECT_EQ(b.t.HumanAttackerCode[7][3], -10);
  b.put({{2, 8, 0}, {7, 3, 0}, {7, 4, 0}});
  b.survey();
  EXPECT_EQ(b.p.HumanKingX * 10 + b.p.HumanKingY, 28);
  EXPECT_EQ(b.p.ComputerKingX * 10 + b.p.ComputerKingY, 73);
  EXPECT_EQ(b.t.HumanAttackerCode[7][3], -999);
  EXPECT_EQ(b.t.HumanAttackerX[7][3], 0);
  EXPECT_EQ(Board::total(b.t.HumanReach) + Board::total(b.t.ComputerReach), 0);
}

}  // namespace
}  // namespace morovan
