#include <gtest/gtest.h>

#include "computer/Surveys.h"
#include "influence/Survey.h"
#include "platform/FakePlatform.h"

namespace morovan {
namespace {

struct SurveyBoard {
  testing::FakePlatform fp;
  Game g{fp.platform()};
  void put(int x, int y, PieceCode c) { g.pos.BoardPieces[x][y] = c; }
  void survey() { 勢力調査(g.pos, g.influence); }
};

TEST(TacticalSurveys, CrowdingCountsOnlyBigComputerNeighboursOnTheBoard) {
  SurveyBoard b;
  b.put(1, 1, 70);  // the square itself is not counted
  b.put(2, 1, 60);
  b.put(1, 2, 61);
  b.put(2, 2, 80);
  EXPECT_EQ(調査_周辺状況(b.g, 1, 1), -3);

  SurveyBoard c;
  c.put(4, 4, 80);
  c.put(6, 5, 70);
  c.put(5, 6, 50);   // gold: too small
  c.put(4, 6, -70);  // the human's: not counted
  EXPECT_EQ(調査_周辺状況(c.g, 5, 5), -2);
}

TEST(TacticalSurveys, KnightTargetNeedsRowSixAndSkipsTheAttackersColumn) {
  SurveyBoard b;
  b.put(5, 7, 10);
  b.put(5, 9, -70);  // the pawn's attacker, column 5
  b.put(3, 7, -60);
  b.put(7, 7, -70);
  b.survey();
  ASSERT_EQ(b.g.influence.HumanAttackerX[5][7], 5);
  EXPECT_EQ(調査_桂狙い(b.g, 5, 7), 60 + 70);

  b.put(5, 9, 0);  // now the rook on column 7 is the attacker: that side is left out
  b.survey();
  ASSERT_EQ(b.g.influence.HumanAttackerX[5][7], 7);
  EXPECT_EQ(調査_桂狙い(b.g, 5, 7), 60);

  SurveyBoard high;  // the same pattern two rows higher
  high.put(5, 5, 10);
  high.put(5, 7, -70);
  high.put(3, 5, -60);
  high.put(7, 5, -70);
  high.survey();
  ASSERT_EQ(high.g.influence.HumanAttackerCode[5][5], -70);
  EXPECT_EQ(調査_桂狙い(high.g, 5, 5), 0);
}

TEST(TacticalSurveys, LanceTargetIsTheFirstPieceDownTheFileIfALanceMayTakeIt) {
  SurveyBoard b;
  b.put(5, 7, 10);
  b.put(5, 5, 50);   // reaches (5, 6)
  b.put(1, 7, -70);  // attacks the pawn along row 7
  b.put(5, 9, -50);
  b.survey();
  EXPECT_EQ(調査_香狙い(b.g, 5, 7), 50);

  b.put(5, 8, 40);  // a computer piece first: the lance move is refused
  b.survey();
  EXPECT_EQ(調査_香狙い(b.g, 5, 7), 0);

  b.put(5, 8, 0);
  b.put(5, 5, 0);  // nothing of the computer's reaches (5, 6)
  b.survey();
  EXPECT_EQ(調査_香狙い(b.g, 5, 7), 0);
}

TEST(TacticalSurveys, SafeDestinationsLeaveOutSquaresTheOpponentReaches) {
  SurveyBoard b;
  b.put(1, 1, 80);
  b.put(2, 9, -70);  // covers (2, 1) and (2, 2)
  b.put(9, 2, -70);  // covers (1, 2)
  b.survey();
  EXPECT_EQ(調査_移動可場所数(b.g, 1, 1, 80), 0);
  b.put(9, 2, 0);
  b.survey();
  EXPECT_EQ(調査_移動可場所数(b.g, 1, 1, 80), 1);

  b.put(5, 5, -10);  // a human piece counts the computer's reach
  b.put(5, 2, 20);
  b.survey();
  EXPECT_EQ(調査_移動可場所数(b.g, 5, 5, -10), 0);
  b.put(5, 2, 0);
  b.survey();
  EXPECT_EQ(調査_移動可場所数(b.g, 5, 5, -10), 1);
}

}  // namespace
}  // namespace morovan
