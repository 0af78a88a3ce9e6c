#include <gtest/gtest.h>

#include "flow/FlowFixture.h"
#include "flow/TurnCycle.h"
#include "model/Rules.h"
#include "view/ViewTestSupport.h"

namespace morovan::testing {
namespace {

using Endings = FlowTest;

TEST_F(Endings, GivingCheckWinsAndNoEndsTheProgram) {
  startEmptyGame();
  put(9, 9, -kKing);
  put(1, 1, kKing);
  put(5, 9, -kRook);
  fp.dialogs.script = {Answer::No};
  click(5, 9);
  click(1, 9);  // the rook now looks up file 1 at the king
  EXPECT_TRUE(shown("|   ** 王手 **"));
  EXPECT_TRUE(shown("終了|あなたの勝ちです"));
  EXPECT_TRUE(shown("再ゲーム|続けますか？"));
  // The counter shows the winning move's count, as any other move's.
  const auto counts = fp.calls(textAt(13.2, 3.3, ""));
  ASSERT_FALSE(counts.empty());
  EXPECT_EQ(counts.back(), textAt(13.2, 3.3, " 1"));
  EXPECT_EQ(g.state.ScreenOn, kOff);
  EXPECT_TRUE(fp.window.ended);
  // The sounds were freed before the end.
  EXPECT_FALSE(fp.calls("dsFree").empty());
}

TEST_F(Endings, UncoveringALineOntoTheOwnKingLosesAndYesStartsAfresh) {
  startEmptyGame();
  put(5, 9, -kKing);
  put(5, 8, -kGold);
  put(5, 1, kRook);
  put(9, 1, kKing);
  fp.dialogs.script = {Answer::Yes};
  click(5, 8);
  click(4, 8);
  EXPECT_TRUE(shown("終了|コンピュータの勝ちです"));
  EXPECT_FALSE(fp.window.ended);
  // Yes: a fresh, shuffled, hidden position waiting for Sente or Gote.
  EXPECT_EQ(g.state.Turn, 0);
  EXPECT_EQ(g.state.SetupOpen, kOn);
  EXPECT_EQ(g.state.ScreenOn, kOn);
  EXPECT_EQ(g.pos.BoardPieces[5][9], -kKing);
}

TEST_F(Endings, AttackingBothKingsAtOnceIsADraw) {
  startEmptyGame();
  put(5, 9, -kKing);
  put(5, 8, -kRook);
  put(5, 1, kRook);
  put(1, 1, kKing);
  click(5, 8);
  click(1, 8);  // uncovers file 5 and looks up file 1
  EXPECT_TRUE(shown("終了|引き分けです"));
}

TEST_F(Endings, TakingTheHiddenBishopLosesEvenWithCheck) {
  startEmptyGame();
  put(9, 9, -kKing);
  put(5, 3, kKing);
  put(5, 5, kBishop);
  put(5, 6, -kRook);
  click(5, 6);
  click(5, 5);
  const std::string face = " ゲゲッ！ 角を取りました\r\r        ( X_X ) \r";
  EXPECT_TRUE(shown("あなた|" + face));
  EXPECT_TRUE(shown("終了|コンピュータの勝ちです"));
  EXPECT_FALSE(shown("|   ** 王手 **"));
}

TEST_F(Endings, TakingAnUnguardedKingWinsAtOnce) {
  startEmptyGame();
  put(9, 9, -kKing);
  put(5, 5, kKing);
  put(5, 6, -kGold);
  fp.dialogs.script = {Answer::No};
  // The king stands where the gold reaches it: take it.
  click(5, 6);
  click(5, 5);
  EXPECT_EQ(g.pos.HumanHandTotal, 0);
  EXPECT_EQ(g.state.Winner, g.state.HumanSide);
  EXPECT_TRUE(shown("終了|あなたの勝ちです"));
}

TEST_F(Endings, TheComputerFindsTheHumanKingAlreadyAttacked) {
  startEmptyGame();
  g.state.Turn = 0;
  g.state.MoveNumber = 0;
  put(5, 9, -kKing);
  put(5, 1, kRook);
  put(1, 1, kKing);
  fp.dialogs.script = {Answer::No};
  const int forbidden = g.sound.禁止;  // shut-down lets go of the buffers
  GOTE_Click(g);
  EXPECT_TRUE(shown("|   ** 王手 **"));
  EXPECT_TRUE(shown("終了|ｺﾝﾋﾟｭｰﾀの勝ちです"));
  EXPECT_GE(sounds(forbidden), 1);
  EXPECT_EQ(g.pos.BoardPieces[5][1], kRook);  // no move was made
}

}  // namespace
}  // namespace morovan::testing
