#include <gtest/gtest.h>

#include "Game.h"
#include "flow/PositionMenu.h"
#include "model/Position.h"
#include "platform/FakePlatform.h"
#include "view/ViewTestSupport.h"

namespace morovan {
namespace {

using testing::FakePlatform;
using testing::pictureAt;
using testing::printed;

TEST(PositionMenu, FlipTurnsTheBoardRoundAndSwapsHandsWithTheirTotals) {
  FakePlatform fp;
  Game g(fp.platform());
  g.sound.禁止 = 101;
  g.sound.駒打音 = 102;
  g.state.ReplayMode = kOn;
  g.pos.BoardPieces[3][3] = 10;
  REVERSE_Click(g);
  EXPECT_EQ(fp.calls("dsPlay"), (std::vector<std::string>{"dsPlay 101"}));
  EXPECT_EQ(fp.messages(), (std::vector<std::string>{"反転|棋譜ﾓｰﾄﾞではできません"}));
  EXPECT_EQ(g.pos.BoardPieces[3][3], 10);

  g.state.ReplayMode = kOff;
  g.pos.EnemyMarks[3][3] = kMarkBlue;
  g.pos.HumanHand[1] = 2;
  g.pos.HumanHandTotal = 2;
  g.state.Turn = kSente;
  g.state.RecordIndex = g.state.RecordLength = 12;
  g.state.HandicapSet = kOn;
  g.state.HandicapLevel = 3;
  REVERSE_Click(g);
  EXPECT_EQ(g.pos.BoardPieces[7][7], -10);
  EXPECT_EQ(g.pos.BoardPieces[3][3], 0);
  EXPECT_EQ(g.pos.EnemyMarks[3][3], kMarkBlue);
  EXPECT_EQ(g.pos.ComputerHand[1], 2);
  EXPECT_EQ(g.pos.HumanHand[1], 0);
  EXPECT_EQ(positionFault(g.pos), "");  // the totals went with their hands
  EXPECT_EQ(g.state.Turn, kGote);
  EXPECT_EQ(fp.calls("dsPlay").back(), "dsPlay 102");
  EXPECT_EQ(g.state.HandicapLevel, -3);
  EXPECT_TRUE(printed(fp, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段"));
  EXPECT_EQ(g.state.RecordIndex, 0);
  EXPECT_EQ(g.state.RecordLength, 0);
  // The record restarts from the flipped position, not the one before it.
  EXPECT_EQ(g.record.RecordBoards[0][7][7], -10);
  EXPECT_EQ(g.record.RecordComputerHands[0][1], 2);
}

TEST(PositionMenu, TemporaryDisplayShowsFlaggedPiecesFaceUpUntilClickedAgain) {
  FakePlatform fp;
  Game g(fp.platform());
  g.pos.BoardPieces[2][2] = 60;
  g.pos.EnemyMarks[2][2] = kMarkBlue;
  ICHIJI_Click(g);
  EXPECT_TRUE(fp.menu.isChecked(menu::ICHIJI));
  EXPECT_EQ(g.state.ScreenOn, kOff);
  EXPECT_EQ(g.state.TempReveal, kOn);
  EXPECT_EQ(fp.calls(pictureAt(60, 2, 2)).size(), 1u);

  fp.log.clear();
  ICHIJI_Click(g);
  EXPECT_FALSE(fp.menu.isChecked(menu::ICHIJI));
  EXPECT_EQ(g.state.ScreenOn, kOn);
  EXPECT_EQ(g.state.TempReveal, kOff);
  EXPECT_EQ(fp.calls(pictureAt(kPictureBlueFlag, 2, 2)).size(), 1u);
}

}  // namespace
}  // namespace morovan
