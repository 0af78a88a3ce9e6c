#include <gtest/gtest.h>

#include "Game.h"
#include "model/Position.h"
#include "platform/FakePlatform.h"
#include "view/Screen.h"
#include "view/ViewTestSupport.h"

namespace morovan {
namespace {

using testing::FakePlatform;
using testing::pictureAt;

bool hasTextContaining(const FakePlatform& fp, const std::string& part) {
  for (const auto& line : fp.calls("text"))
    if (line.find(part) != std::string::npos) return true;
  return false;
}

TEST(Screen, FullRedrawShowsLevelAndGradeOnlyWhenTheyApply) {
  FakePlatform fp;
  Game g(fp.platform());
  g.view.BackgroundPicture = 2;
  g.state.VsComputer = kOff;
  g.state.HandicapSet = kOff;
  画面_再描画(g);
  EXPECT_EQ(fp.log.front(), pictureAt(2, -3, -2));
  EXPECT_EQ(fp.log.back(), pictureAt(kPictureTitle, 11.1, 0));
  EXPECT_FALSE(hasTextContaining(fp, "LEVEL"));
  EXPECT_FALSE(hasTextContaining(fp, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ"));
  EXPECT_FALSE(hasTextContaining(fp, ":"));  // no clocks without KEIKA

  fp.log.clear();
  g.state.VsComputer = kOn;
  g.state.HandicapSet = kOn;
  g.state.HandicapLevel = -10;
  g.state.ComputerLevel = 2;
  g.state.HumanTime = 3725;
  fp.menu.checked["KEIKA"] = true;
  画面_再描画(g);
  EXPECT_TRUE(hasTextContaining(fp, "LEVEL"));
  EXPECT_TRUE(hasTextContaining(fp, "  2"));
  EXPECT_TRUE(hasTextContaining(fp, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人"));
  EXPECT_TRUE(hasTextContaining(fp, "01:02:05"));
  EXPECT_EQ(fp.log.back(), pictureAt(kPictureTitle, 11.1, 0));
}

TEST(Screen, FlipTurnsTheBoardRoundAndSwapsHandsWithTheirTotals) {
  FakePlatform fp;
  Game g(fp.platform());
  g.sound.駒打音 = 102;
  g.pos.BoardPieces[3][3] = 10;
  g.pos.BoardPieces[5][9] = -80;
  g.pos.BoardPieces[5][1] = 80;
  g.pos.EnemyMarks[3][3] = kMarkBlue;
  g.pos.HumanHand[1] = 2;
  g.pos.HumanHandTotal = 2;
  g.state.Turn = kSente;
  g.state.MoveNumber = 12;
  g.state.RecordIndex = 12;
  g.state.RecordLength = 12;
  g.state.SelectState = 1;
  g.state.HandicapSet = kOn;
  g.state.HandicapLevel = 3;
  REVERSE_Click(g);

  EXPECT_EQ(g.pos.BoardPieces[7][7], -10);
  EXPECT_EQ(g.pos.BoardPieces[3][3], 0);
  EXPECT_EQ(g.pos.BoardPieces[5][1], 80);
  EXPECT_EQ(g.pos.BoardPieces[5][9], -80);
  EXPECT_EQ(g.pos.EnemyMarks[3][3], kMarkBlue);  // marks stay with their squares
  EXPECT_EQ(g.pos.ComputerHand[1], 2);
  EXPECT_EQ(g.pos.HumanHand[1], 0);
  EXPECT_EQ(positionFault(g.pos), "");
  EXPECT_EQ(g.state.Flipped, kOn);
  EXPECT_EQ(g.state.SelectState, 0);
  EXPECT_EQ(g.state.Turn, kGote);
  EXPECT_EQ(g.state.HandicapLevel, -3);
  EXPECT_EQ(g.state.RecordIndex, 0);
  EXPECT_EQ(g.state.RecordLength, 0);
  // The record restarts from the flipped position, not the one before it.
  EXPECT_EQ(g.record.RecordBoards[0][7][7], -10);
  EXPECT_EQ(g.record.RecordComputerHands[0][1], 2);
  EXPECT_TRUE(hasTextContaining(fp, "  12"));
  EXPECT_TRUE(hasTextContaining(fp, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段"));
}

TEST(Screen, FlipIsRefusedDuringReplay) {
  FakePlatform fp;
  Game g(fp.platform());
  g.state.ReplayMode = kOn;
  g.pos.BoardPieces[3][3] = 10;
  REVERSE_Click(g);
  EXPECT_EQ(fp.messages(), (std::vector<std::string>{"反転|棋譜ﾓｰﾄﾞではできません"}));
  EXPECT_EQ(g.pos.BoardPieces[3][3], 10);
  EXPECT_EQ(g.state.Flipped, kOff);
  EXPECT_TRUE(fp.calls("picture").empty());
}

TEST(Screen, TemporaryDisplayShowsFlaggedPiecesFaceUpUntilClickedAgain) {
  FakePlatform fp;
  Game g(fp.platform());
  g.state.ScreenOn = kOn;
  g.pos.BoardPieces[2][2] = 60;
  g.pos.EnemyMarks[2][2] = kMarkBlue;
  g.pos.ComputerHand[1] = 1;
  g.pos.ComputerHandTotal = 1;

  ICHIJI_Click(g);
  EXPECT_TRUE(fp.menu.isChecked("ICHIJI"));
  EXPECT_EQ(g.state.ScreenOn, kOff);
  EXPECT_EQ(g.state.TempReveal, kOn);
  EXPECT_EQ(fp.calls(pictureAt(60, 2, 2)).size(), 1u);
  EXPECT_EQ(fp.calls(pictureAt(10, -1, 7)).size(), 1u);

  fp.log.clear();
  ICHIJI_Click(g);
  EXPECT_FALSE(fp.menu.isChecked("ICHIJI"));
  EXPECT_EQ(g.state.ScreenOn, kOn);
  EXPECT_EQ(g.state.TempReveal, kOff);
  EXPECT_EQ(fp.calls(pictureAt(kPictureBlueFlag, 2, 2)).size(), 1u);
  EXPECT_TRUE(fp.calls(pictureAt(60, 2, 2)).empty());
  EXPECT_EQ(fp.calls(pictureAt(kPictureUnknown, -1, 1)).size(), 1u);
}

}  // namespace
}  // namespace morovan
