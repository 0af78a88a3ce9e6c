#include <gtest/gtest.h>

#include "Game.h"
#include "model/MakeMove.h"
#include "platform/FakePlatform.h"
#include "view/ViewState.h"

namespace morovan {
namespace {

using testing::FakePlatform;

// A small sound position: both kings, and whatever the test adds.
void placeKings(Game& g) {
  g.pos.BoardPieces[5][1] = kKing;
  g.pos.BoardPieces[5][9] = -kKing;
  g.pos.HumanKingX = 5;
  g.pos.HumanKingY = 9;
}

TEST(MakeMove, BoardMoveCarriesTheFlagAndClearsTheOrigin) {
  FakePlatform fp;
  Game g(fp.platform());
  placeKings(g);
  g.pos.BoardPieces[3][3] = 40;
  g.pos.EnemyMarks[3][3] = kMarkRed;
  g.pos.EnemyMarks[3][4] = kMarkNone;
  駒移動(g, 3, 3, 3, 4, 40);
  EXPECT_EQ(g.pos.BoardPieces[3][4], 40);
  EXPECT_EQ(g.pos.BoardPieces[3][3], 0);
  EXPECT_EQ(g.pos.EnemyMarks[3][4], kMarkRed);
  EXPECT_EQ(g.pos.EnemyMarks[3][3], 0);
  EXPECT_EQ(positionFault(g.pos), "");

  // A drop leaves the destination's mark as it was.
  g.pos.ComputerHand[3] = 1;
  g.pos.ComputerHandTotal = 1;
  g.pos.EnemyMarks[7][2] = kMarkBlue;
  駒移動(g, kComputerHandX, 3, 7, 2, 30);
  EXPECT_EQ(g.pos.BoardPieces[7][2], 30);
  EXPECT_EQ(g.pos.EnemyMarks[7][2], kMarkBlue);
  EXPECT_EQ(g.pos.ComputerHand[3], 0);
  EXPECT_EQ(g.pos.ComputerHandTotal, 0);
  EXPECT_EQ(positionFault(g.pos), "");
}

TEST(MakeMove, CapturesGoUnpromotedIntoTheCaptorsHand) {
  FakePlatform fp;
  Game g(fp.platform());
  placeKings(g);
  g.pos.BoardPieces[4][4] = 11;  // a computer と
  g.pos.BoardPieces[4][5] = -10;
  駒移動(g, 4, 5, 4, 4, -10);
  EXPECT_EQ(g.pos.HumanHand[1], 1);
  EXPECT_EQ(g.pos.HumanHandTotal, 1);
  EXPECT_EQ(g.pos.ComputerHandTotal, 0);
  EXPECT_EQ(positionFault(g.pos), "");

  g.pos.BoardPieces[6][6] = -71;
  g.pos.BoardPieces[6][2] = 70;
  駒移動(g, 6, 2, 6, 6, 70);
  EXPECT_EQ(g.pos.ComputerHand[7], 1);
  EXPECT_EQ(g.pos.ComputerHandTotal, 1);
  EXPECT_EQ(positionFault(g.pos), "");

  // Every kind, promoted or not, into its slot; the king into no hand.
  Game h(fp.platform());
  const int kinds[][2] = {{10, 1}, {21, 2}, {31, 3}, {41, 4}, {50, 5}, {61, 6}, {70, 7}};
  for (const auto& [code, kind] : kinds) {
    駒取得(h, code);
    駒取得(h, -code);
    EXPECT_EQ(h.pos.HumanHand[kind], 1) << code;
    EXPECT_EQ(h.pos.ComputerHand[kind], 1) << code;
  }
  駒取得(h, 0);
  駒取得(h, 51);
  int human = 0, computer = 0;
  for (int k = 1; k <= kHandKinds; ++k) {
    human += h.pos.HumanHand[k];
    computer += h.pos.ComputerHand[k];
  }
  EXPECT_EQ(human, 7);
  EXPECT_EQ(computer, 7);
  EXPECT_EQ(h.state.Winner, 0);
}

TEST(MakeMove, CapturedKingSetsTheWinnerAndNoHandTotal) {
  FakePlatform fp;
  Game g(fp.platform());
  g.state.HumanSide = kSente;
  g.state.ComputerSide = kGote;
  placeKings(g);
  g.pos.BoardPieces[5][2] = -50;
  駒移動(g, 5, 2, 5, 1, -50);
  EXPECT_EQ(g.state.Winner, kSente);
  EXPECT_EQ(g.pos.HumanHandTotal, 0);
  EXPECT_EQ(positionFault(g.pos), "");

  g.state.Winner = 0;
  g.pos.BoardPieces[5][8] = 50;
  駒移動(g, 5, 8, 5, 9, 50);
  EXPECT_EQ(g.state.Winner, kGote);
  EXPECT_EQ(g.pos.ComputerHandTotal, 0);
  EXPECT_EQ(positionFault(g.pos), "");
}

TEST(MakeMove, HumanDropAndKingSquare) {
  FakePlatform fp;
  Game g(fp.platform());
  placeKings(g);
  g.pos.HumanHand[7] = 2;
  g.pos.HumanHandTotal = 2;
  駒移動(g, kHumanHandX, 9, 2, 2, -70);
  EXPECT_EQ(g.pos.BoardPieces[2][2], -70);
  EXPECT_EQ(g.pos.HumanHand[7], 1);
  EXPECT_EQ(g.pos.HumanHandTotal, 1);
  EXPECT_EQ(positionFault(g.pos), "");

  駒移動(g, 5, 9, 4, 8, -80);
  EXPECT_EQ(g.pos.HumanKingX, 4);
  EXPECT_EQ(g.pos.HumanKingY, 8);
  EXPECT_EQ(positionFault(g.pos), "");
}

TEST(MakeMove, RepaintsInTheOrderOfTheMove) {
  FakePlatform fp;
  Game g(fp.platform());
  g.state.ScreenOn = kOff;
  placeKings(g);
  g.pos.BoardPieces[2][7] = -10;
  fp.log.clear();
  駒移動(g, 2, 7, 2, 6, -10);
  auto pic = [](int code, int col, int row) {
    return "picture " + std::to_string(code) + " " + std::to_string(int(cellX(col))) + " " +
           std::to_string(int(cellY(row)));
  };
  auto box = [&g](int col, int row) {
    return "outline " + std::to_string(int(cellX(col))) + " " + std::to_string(int(cellY(row))) +
           " " + std::to_string(int(cellX(col + 1))) + " " + std::to_string(int(cellY(row + 1))) +
           " " + std::to_string(g.view.BackColour);
  };
  const testing::CallLog expected = {pic(0, 2, 7), box(2, 7), pic(-10, 2, 6), box(2, 6), box(2, 6)};
  EXPECT_EQ(fp.log, expected);
}

TEST(RecordWriter, SnapshotsTheBoardHandsAndTimesAndRefusesThe501stEntry) {
  FakePlatform fp;
  Game g(fp.platform());
  placeKings(g);
  g.pos.HumanHand[2] = 1;
  g.pos.ComputerHand[4] = 3;
  g.state.RecordIndex = 3;
  EXPECT_TRUE(手順保存(g, 1.5, 2.5, 3.5, 4.5));
  EXPECT_EQ(g.record.RecordBoards[3][5][1], kKing);
  EXPECT_EQ(g.record.RecordBoards[3][5][9], -kKing);
  EXPECT_EQ(g.record.RecordBoards[3][0][0], 0);
  EXPECT_EQ(g.record.RecordHumanHands[3][2], 1);
  EXPECT_EQ(g.record.RecordComputerHands[3][4], 3);
  EXPECT_EQ(g.record.RecordTimes[3][1], 1.5);
  EXPECT_EQ(g.record.RecordTimes[3][4], 4.5);
  // A snapshot, not a view: later moves leave it alone.
  g.pos.BoardPieces[5][1] = 0;
  EXPECT_EQ(g.record.RecordBoards[3][5][1], kKing);

  g.state.RecordIndex = 499;
  EXPECT_TRUE(recordHasRoom(g));
  g.state.RecordIndex = 500;
  EXPECT_FALSE(recordHasRoom(g));
  EXPECT_TRUE(手順保存(g, 9, 9, 9, 9));
  EXPECT_EQ(g.record.RecordTimes[500][1], 9);
  g.state.RecordIndex = 501;
  EXPECT_FALSE(recordHasRoom(g));
  EXPECT_FALSE(手順保存(g, 7, 7, 7, 7));
  EXPECT_EQ(g.record.RecordTimes[500][1], 9);
  g.state.RecordIndex = -1;
  EXPECT_FALSE(手順保存(g, 7, 7, 7, 7));
}

}  // namespace
}  // namespace morovan
