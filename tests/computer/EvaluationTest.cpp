#include <gtest/gtest.h>

#include <initializer_list>

#include "computer/Evaluation.h"
#include "influence/Survey.h"
#include "platform/FakePlatform.h"

namespace morovan {
namespace {

struct Placed {
  int x, y;
  PieceCode code;
};

// A candidate position: the board as it stands after the computer's move, surveyed
// before every score, as the computer's turn does.
struct Scene {
  testing::FakePlatform fp;
  Game g{fp.platform()};
  Scene(int computerKingX = 1, int computerKingY = 1, int humanKingX = 9, int humanKingY = 9) {
    put(computerKingX, computerKingY, 80);
    put(humanKingX, humanKingY, -80);
  }
  void put(int x, int y, PieceCode c) { g.pos.BoardPieces[x][y] = c; }
  void put(std::initializer_list<Placed> pieces) {
    for (const Placed& q : pieces) put(q.x, q.y, q.code);
  }
  void humanHand(int kind, int n) {
    g.pos.HumanHand[kind] += n;
    g.pos.HumanHandTotal += n;
  }
  double score(int level, PieceCode captured, PieceCode placed, int fromX, int fromY, int toX,
               int toY) {
    勢力調査(g.pos, g.influence);
    g.state.ComputerLevel = level;
    return 盤評価(g, captured, placed, fromX, fromY, toX, toY);
  }
  // What the level-3 table adds for a candidate that does not promote.
  double table(PieceCode captured, PieceCode placed, int fromX, int fromY, int toX, int toY) {
    g.search.CandidatePiece = placed;
    return score(3, captured, placed, fromX, fromY, toX, toY) -
           score(2, captured, placed, fromX, fromY, toX, toY);
  }
  double danger() {
    勢力調査(g.pos, g.influence);
    return 盤評価_COM危険座標(g, 0, 0, 0);
  }
};

constexpr double kTiny = 1e-9;

TEST(BoardEvaluation, EachLevelAddsItsStage) {
  Scene s(1, 1, 5, 9);
  s.put(1, 9, -70);  // on the computer king's file: danger -1
  s.put(5, 5, 30);   // a knight that came from (4, 3)
  s.g.search.CandidatePiece = 30;
  s.g.search.CandidateKingDistance = 6;
  EXPECT_DOUBLE_EQ(s.score(1, 0, 30, 4, 3, 5, 5), -1);
  EXPECT_DOUBLE_EQ(s.score(2, 0, 30, 4, 3, 5, 5), -1 + 0.1);
  EXPECT_DOUBLE_EQ(s.score(3, 0, 30, 4, 3, 5, 5), -1 + 0.1 - 0.1);

  s.put(5, 5, 31);  // promoted: +10, and no knight row at level 3
  EXPECT_DOUBLE_EQ(s.score(1, 0, 31, 4, 3, 5, 5), 10 - 1);
  EXPECT_DOUBLE_EQ(s.score(3, 0, 31, 4, 3, 5, 5), s.score(2, 0, 31, 4, 3, 5, 5));

  // A drop costs 5 and keeps the distance of the last board move tried.
  s.put({{5, 5, 0}, {1, 8, 30}});
  s.g.search.CandidatePiece = 30;
  EXPECT_DOUBLE_EQ(s.score(1, 0, 30, -1, 3, 1, 8), -5 - 1);
  EXPECT_DOUBLE_EQ(s.score(2, 0, 30, -1, 3, 1, 8), -5 - 1 + 1);  // dx 4 > dy 1, 6 > 4
  s.g.search.CandidateKingDistance = 4;
  EXPECT_DOUBLE_EQ(s.score(2, 0, 30, -1, 3, 1, 8), -5 - 1);
}

TEST(BoardEvaluation, PromotedMinorPiecesGetNoTableTerms) {
  Scene s;
  s.put(7, 3, 40);  // a silver stepping forward from (7, 2) into the +115 pattern
  s.put({{8, 3, 10}, {8, 5, -10}});
  EXPECT_NEAR(s.table(0, 40, 7, 2, 7, 3), -0.1 + 115, kTiny);
  for (PieceCode promoted : {41, 31, 21, 11}) {
    s.put(7, 3, promoted);
    s.g.search.CandidatePiece = promoted - 1;
    EXPECT_DOUBLE_EQ(s.score(3, 0, promoted, 7, 2, 7, 3), s.score(2, 0, promoted, 7, 2, 7, 3))
        << promoted;
  }
}

TEST(BoardEvaluation, PawnRowsOnTheSquareInFrontAndTheGuard) {
  Scene gold;
  gold.put(5, 5, 10);
  gold.put(5, 6, 50);  // +0.5 in front, and it guards the pawn: +0.6
  EXPECT_NEAR(gold.table(0, 10, 5, 4, 5, 5), 0.5 - 0.1 + 0.6, kTiny);

  Scene rook;
  rook.put(5, 5, 10);
  rook.put(5, 6, 70);  // -1 instead; its guard stands below the pawn: no +2
  EXPECT_NEAR(rook.table(0, 10, 5, 4, 5, 5), -1 - 0.1, kTiny);

  Scene behind;
  behind.put(5, 5, 10);
  behind.put(5, 2, 70);  // a rook guarding from behind on the same file
  EXPECT_NEAR(behind.table(0, 10, 5, 4, 5, 5), -0.1 + 2, kTiny);

  Scene bishops;
  bishops.put({{5, 5, 10}, {6, 5, 60}, {6, 7, -10}, {4, 5, 60}});
  EXPECT_NEAR(bishops.table(0, 10, 5, 4, 5, 5), -0.1 + 0.5 + 5 + 0.5, kTiny);
}

TEST(BoardEvaluation, PawnCaptureRowsAndTheFiftyBonus) {
  Scene s;
  s.put(5, 5, 10);
  s.put(5, 3, 50);   // the only computer piece reaching the pawn's old square
  s.put(5, 9, -20);  // a lance now attacks the pawn
  EXPECT_NEAR(s.table(-10, 10, 5, 4, 5, 5), -0.1 + 5 + 50, kTiny);
  EXPECT_NEAR(s.table(-20, 10, 5, 4, 5, 5), -0.1 + 5, kTiny);

  s.put(5, 3, 60);  // a bishop two rows behind: -5 instead of +5
  s.put(4, 3, 40);
  EXPECT_NEAR(s.table(-10, 10, 5, 4, 5, 5), -0.1 - 5 + 50, kTiny);
}

TEST(BoardEvaluation, PawnDropRowsAreNotBoardMoveRows) {
  Scene s;
  s.put(5, 4, 50);  // reaches the dropped pawn, stands on the square behind
  s.put(5, 5, 10);
  s.humanHand(1, 1);
  EXPECT_NEAR(s.table(0, 10, -1, 1, 5, 5), 6, kTiny);
  s.humanHand(1, -1);
  EXPECT_NEAR(s.table(0, 10, -1, 1, 5, 5), 0, kTiny);
}

TEST(BoardEvaluation, RookRowCountsEachElevenOnItsOwnCondition) {
  Scene s;
  s.put(9, 5, 70);  // moved from (9, 3)
  s.put({{7, 3, 10}, {8, 4, -10}});
  s.put(8, 9, -70);  // guards the pawn on (8, 4)
  s.g.search.ComputerReachBefore[8][3] = 1;
  EXPECT_NEAR(s.table(0, 70, 9, 3, 9, 5), -22, kTiny);
  s.g.search.ComputerReachBefore[8][3] = 0;
  EXPECT_NEAR(s.table(0, 70, 9, 3, 9, 5), -11, kTiny);
  s.put(7, 3, 0);
  EXPECT_NEAR(s.table(0, 70, 9, 3, 9, 5), 0, kTiny);
}

TEST(BoardEvaluation, BishopDropsAlwaysCountAsLongMoves) {
  Scene s;
  s.put(5, 5, 60);
  s.g.search.CandidatePiece = 60;
  EXPECT_DOUBLE_EQ(s.score(3, 0, 60, -1, 6, 5, 5), -5 - 10);
  EXPECT_NEAR(s.table(0, 60, 4, 4, 5, 5), 0, kTiny);
  EXPECT_NEAR(s.table(0, 60, 3, 3, 5, 5), -10, kTiny);
}

TEST(BoardEvaluation, GoldRows) {
  Scene s;
  s.put(5, 5, 50);
  EXPECT_NEAR(s.table(0, 50, 4, 4, 5, 5), -0.5, kTiny);
  EXPECT_NEAR(s.table(0, 50, 5, 4, 5, 5), 0, kTiny);
  s.put(5, 5, 0);
  s.put(5, 6, 50);  // a drop: FromY is the hand kind 5, so row 6 reads as forward
  EXPECT_NEAR(s.table(0, 50, -1, 5, 5, 6), -0.5, kTiny);

  Scene bishop;
  bishop.put({{5, 2, 50}, {5, 3, 10}, {5, 4, 60}});
  bishop.humanHand(6, 1);
  EXPECT_NEAR(bishop.table(0, 50, 5, 1, 5, 2), 2 + 125, kTiny);
  bishop.g.search.ComputerReachBefore[5][4] = 1;
  EXPECT_NEAR(bishop.table(0, 50, 5, 1, 5, 2), 2, kTiny);
}

TEST(BoardEvaluation, PromotedRookRows) {
  Scene s;
  s.put({{3, 9, 71}, {3, 8, -10}, {2, 9, -30}, {4, 8, -50}});
  EXPECT_NEAR(s.table(0, 71, 3, 5, 3, 9), -150, kTiny);

  Scene from;
  from.put(7, 9, 71);  // left row 9 from between a silver and two golds
  from.put({{5, 8, -40}, {4, 8, -50}, {6, 8, -50}});
  EXPECT_NEAR(from.table(0, 71, 5, 9, 7, 9), 4, kTiny);
}

TEST(BoardEvaluation, KingRows) {
  Scene s(5, 2, 9, 9);
  s.g.influence.ComputerPiecePinned = 1;
  EXPECT_NEAR(s.table(0, 80, 5, 1, 5, 2), 10, kTiny);

  s.g.influence.ComputerPiecePinned = 0;
  s.put(4, 1, 50);   // now reaches the king's square: +1
  s.put(9, 1, -70);  // three rooks cover every square the king could go to
  s.put({{9, 2, -70}, {9, 3, -70}});
  EXPECT_NEAR(s.table(0, 80, 5, 1, 5, 2), 1 - 20, kTiny);

  // The boundary: two safe squares are enough, one is not.
  Scene b(5, 2, 9, 9);
  b.put({{9, 1, -70}, {9, 3, -70}});  // rows 1 and 3 covered; (4, 2) and (6, 2) stay safe
  EXPECT_NEAR(b.table(0, 80, 5, 1, 5, 2), 0, kTiny);
  b.put(6, 9, -20);  // the lance covers (6, 2)
  EXPECT_NEAR(b.table(0, 80, 5, 1, 5, 2), -20, kTiny);
}

TEST(DangerTerm, EmptySquaresCountOnlyWhileTheHumanHoldsPieces) {
  Scene s(5, 1, 5, 9);
  EXPECT_DOUBLE_EQ(s.danger(), 0);
  s.humanHand(1, 1);  // 21 unreached empty squares in rows 1-3
  EXPECT_NEAR(s.danger(), -2.1, kTiny);

  Scene fork;  // two loose knights on a diagonal around (5, 5)
  fork.put({{4, 4, 30}, {6, 6, 30}});
  fork.humanHand(5, 1);
  const double withGold = fork.danger();
  fork.humanHand(5, -1);
  fork.humanHand(4, 1);
  EXPECT_NEAR(fork.danger() - withGold, -20, kTiny);
}

TEST(DangerTerm, GoldOrSilverInHandWeighsCrowdedSquaresTheComputerBarelyReaches) {
  Scene s(9, 1, 9, 9);
  s.put({{1, 2, 70}, {3, 2, 70}});
  s.humanHand(1, 1);
  const double withPawn = s.danger();
  s.humanHand(1, -1);
  s.humanHand(5, 1);
  // (2, 1) and (2, 3): two rooks beside, unreached: -5 -1 -10 each; (4, 1) and
  // (4, 3): one rook beside, unreached: -1 -10 each. Squares reached once with one
  // rook beside count nothing, nor does (2, 2), reached by both rooks.
  EXPECT_NEAR(s.danger() - withPawn, -16 - 16 - 11 - 11, kTiny);
}

TEST(DangerTerm, HumanPiecesNearTheKingAndKnightJumps) {
  Scene s;
  s.put(2, 3, -10);
  s.put(2, 2, 50);  // newly attacks the pawn two squares from the king
  EXPECT_DOUBLE_EQ(s.danger(), 15);
  s.g.search.ComputerReachBefore[2][3] = 1;
  EXPECT_DOUBLE_EQ(s.danger(), 0);

  Scene knight;
  knight.put({{5, 7, -30}, {5, 3, 40}});
  EXPECT_DOUBLE_EQ(knight.danger(), -2);
  knight.put(6, 4, 50);  // now reaches (6, 5)
  EXPECT_DOUBLE_EQ(knight.danger(), -1);
}

}  // namespace
}  // namespace morovan
