#include <gtest/gtest.h>

#include "flow/FlowFixture.h"
#include "flow/Startup.h"
#include "flow/TurnCycle.h"
#include "model/NewGame.h"
#include "model/Position.h"

namespace morovan::testing {
namespace {

using MouseInput = FlowTest;

TEST_F(MouseInput, ClicksOnAHiddenPieceCycleItsFlagWithoutSelecting) {
  startEmptyGame();
  put(5, 9, -kKing);
  put(5, 1, kKing);
  put(3, 3, kPawn);
  click(3, 3);
  EXPECT_EQ(g.pos.EnemyMarks[3][3], kMarkRed);
  click(3, 3);
  EXPECT_EQ(g.pos.EnemyMarks[3][3], kMarkBlue);
  click(3, 3);
  EXPECT_EQ(g.pos.EnemyMarks[3][3], kMarkNone);
  EXPECT_EQ(g.state.SelectState, 0);
  EXPECT_EQ(sounds(g.sound.旗立), 3);
  // While hidden, the piece is drawn as its flag: red, then blue.
  EXPECT_EQ(fp.calls("picture 8").size(), 1u);
  EXPECT_EQ(fp.calls("picture 7").size(), 1u);
}

TEST_F(MouseInput, ARefusedMoveOntoAHiddenPieceAdvancesItsFlag) {
  startEmptyGame();
  put(5, 9, -kKing);
  put(1, 1, kKing);
  put(5, 7, -kPawn);
  put(5, 5, kSilver);
  click(5, 7);
  EXPECT_EQ(g.state.SelectState, 1);
  click(5, 5);  // two squares: not a pawn move
  EXPECT_EQ(g.pos.EnemyMarks[5][5], kMarkRed);
  EXPECT_EQ(g.pos.BoardPieces[5][7], -kPawn);
  EXPECT_EQ(g.state.SelectState, 0);
  EXPECT_EQ(g.state.RecordIndex, 0);
}

TEST_F(MouseInput, BeforeTheGameTwoOwnPiecesSwapAndAnEmptySquareIsRefused) {
  初期設定(g);
  ASSERT_EQ(g.state.SetupOpen, kOn);
  click(1, 9);
  click(2, 9);
  EXPECT_EQ(g.pos.BoardPieces[1][9], -kKnight);
  EXPECT_EQ(g.pos.BoardPieces[2][9], -kLance);
  EXPECT_EQ(g.state.SelectState, 0);

  click(3, 9);
  click(3, 5);
  EXPECT_TRUE(shown("開始|「対局」で始めて下さい"));
  EXPECT_EQ(g.pos.BoardPieces[3][9], -kSilver);
  EXPECT_EQ(g.pos.BoardPieces[3][5], 0);
  EXPECT_EQ(g.state.SelectState, 0);

  // An empty square with nothing selected: the sound and the same prompt.
  fp.dialogs.shown.clear();
  click(5, 5);
  EXPECT_TRUE(shown("開始|「対局」で始めて下さい"));
}

// The handicap may move or take the selected piece; a later click must not put
// back the piece it remembered.
TEST_F(MouseInput, AHandicapStepEndsAPendingSelection) {
  初期設定(g);
  click(2, 8);  // the bishop swaps with the pawn in front of the lance
  click(1, 7);
  ASSERT_EQ(g.pos.BoardPieces[1][7], -kBishop);
  click(1, 7);
  LEBEL_DOWN_Click(g);  // takes the bishop, via (2, 8), leaving the pawn at (1, 7)
  EXPECT_EQ(g.state.SelectState, 0);
  click(5, 7);  // chooses the pawn afresh rather than swapping in a bishop
  EXPECT_EQ(g.state.SelectState, 1);
  click(1, 7);
  EXPECT_EQ(g.pos.BoardPieces[5][7], -kPawn);
  EXPECT_EQ(g.pos.BoardPieces[1][7], -kPawn);
  EXPECT_EQ(positionFault(g.pos), "");
  int bishops = 0, pawns = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      bishops += g.pos.BoardPieces[x][y] == -kBishop;
      pawns += g.pos.BoardPieces[x][y] == -kPawn;
    }
  EXPECT_EQ(bishops, 0);
  EXPECT_EQ(pawns, 9);

  // Started but no move yet: the handicap still works, and the rook it takes
  // cannot then be played.
  初期設定(g);
  SENTE_Click(g);
  click(8, 8);
  ASSERT_EQ(g.state.SelectState, 1);
  LEBEL_DOWN_Click(g);
  LEBEL_DOWN_Click(g);
  ASSERT_EQ(g.pos.BoardPieces[8][8], 0);
  click(5, 8);
  EXPECT_EQ(g.pos.BoardPieces[5][8], 0);
  EXPECT_EQ(g.state.RecordIndex, 0);
}

TEST_F(MouseInput, PawnDropOnAFileWithAPawnIsRefusedAndElsewhereAccepted) {
  startEmptyGame();
  put(5, 9, -kKing);
  put(9, 1, kKing);
  put(3, 7, -kPawn);
  put(1, 1, kLance);
  g.pos.HumanHand[1] = 1;
  g.pos.HumanHandTotal = 1;
  click(11, 3);  // the pawn in hand
  EXPECT_EQ(g.state.SelectState, 1);
  click(3, 5);
  EXPECT_EQ(g.pos.BoardPieces[3][5], 0);
  EXPECT_EQ(g.pos.HumanHand[1], 1);
  EXPECT_GE(sounds(g.sound.禁止), 1);

  click(11, 3);
  click(4, 5);
  EXPECT_EQ(g.pos.BoardPieces[4][5], -kPawn);
  EXPECT_EQ(g.pos.HumanHand[1], 0);
  EXPECT_EQ(g.pos.HumanHandTotal, 0);
  EXPECT_EQ(g.state.RecordIndex >= 1, true);
  EXPECT_EQ(positionFault(g.pos), "");
}

TEST_F(MouseInput, ForcedPromotionWantsTheRightButton) {
  startEmptyGame();
  put(5, 9, -kKing);
  put(9, 1, kKing);
  put(1, 2, -kPawn);
  click(1, 2);
  click(1, 1, kLeftButton);
  EXPECT_TRUE(shown("成り|マウスの右をクリックして下さい"));
  EXPECT_EQ(g.pos.BoardPieces[1][2], -kPawn);
  EXPECT_EQ(g.state.SelectState, 1);  // the selection stays for the right click
  click(1, 1, kRightButton);
  EXPECT_EQ(g.pos.BoardPieces[1][1], -(kPawn + 1));
  EXPECT_EQ(g.state.MoveNumber >= 1, true);
}

TEST_F(MouseInput, OnlyTheRightButtonPromotesAndOtherButtonsMovePlainly) {
  startEmptyGame();
  put(5, 9, -kKing);
  put(9, 1, kKing);
  put(2, 5, -kSilver);
  click(2, 5);
  click(2, 4, 4);  // a middle button: no promotion, no refusal
  EXPECT_EQ(g.pos.BoardPieces[2][4], -kSilver);
}

TEST_F(MouseInput, TheBishopNeverTakesThroughTheMouse) {
  startEmptyGame();
  put(5, 9, -kKing);
  put(9, 1, kKing);
  put(5, 5, -(kBishop + 1));
  put(4, 4, kPawn);
  click(5, 5);
  click(4, 4);
  EXPECT_TRUE(shown("Morovanルール|角は相手駒を取ることができません"));
  EXPECT_EQ(g.pos.BoardPieces[4][4], kPawn);
  EXPECT_EQ(g.state.SelectState, 1);
}

TEST_F(MouseInput, AClickJustLeftOfTheBoardFallsInTheComputerHandColumn) {
  startEmptyGame();
  put(5, 9, -kKing);
  put(9, 1, kKing);
  g.pos.ComputerHand[7] = 1;
  g.pos.ComputerHandTotal = 1;
  // One twip left of the board's edge, in row 1: the computer's rook cell.
  Form_MouseDown(g, kLeftButton, 0, kBoardOriginX - 1, cellY(1) + 10);
  EXPECT_EQ(g.state.SelectState, 1);
  EXPECT_EQ(g.state.Selection.FromX, -1);
  EXPECT_EQ(g.state.Selection.Piece, kRook);
}

TEST_F(MouseInput, AnotherOwnPieceMovesTheSelectionQuietly) {
  startEmptyGame();
  put(5, 9, -kKing);
  put(9, 1, kKing);
  put(3, 7, -kPawn);
  put(4, 7, -kPawn);
  click(3, 7);
  const auto before = fp.log.size();
  click(4, 7);
  EXPECT_EQ(g.state.Selection.FromX, 4);
  EXPECT_EQ(g.state.SelectState, 1);
  for (auto i = before; i < fp.log.size(); ++i) EXPECT_NE(fp.log[i].rfind("dsPlay", 0), 0u);
}

TEST_F(MouseInput, ARecordThatIsFullRefusesTheMoveAndKeepsThePosition) {
  startEmptyGame();
  put(5, 9, -kKing);
  put(9, 1, kKing);
  put(3, 7, -kPawn);
  g.state.RecordIndex = kLastRecordIndex;
  click(3, 7);
  click(3, 6);
  EXPECT_EQ(g.pos.BoardPieces[3][7], -kPawn);
  EXPECT_EQ(g.pos.BoardPieces[3][6], 0);
  EXPECT_EQ(g.state.RecordIndex, kLastRecordIndex);
  EXPECT_EQ(fp.dialogs.shown.size(), 1u);
}

TEST_F(MouseInput, TheNextClickHidesTheRevealedPiecesAndTheHandAgain) {
  startEmptyGame();
  put(5, 9, -kKing);
  put(9, 1, kKing);
  g.pos.ComputerHand[3] = 1;
  g.pos.ComputerHandTotal = 1;
  g.state.TempReveal = kOn;
  g.state.ScreenOn = kOff;
  fp.menu.checked["ICHIJI"] = true;
  click(5, 5);
  EXPECT_EQ(g.state.ScreenOn, kOn);
  EXPECT_FALSE(fp.menu.isChecked("ICHIJI"));
  // The computer's hand is back behind the screen: one unknown piece at (-1, 1).
  EXPECT_FALSE(fp.calls("picture 9 555 715").empty());
  EXPECT_TRUE(fp.calls("picture 30 555").empty());
}

TEST_F(MouseInput, EscQuitsInTheMiddleOfASelection) {
  startEmptyGame();
  put(5, 9, -kKing);
  put(9, 1, kKing);
  put(3, 7, -kPawn);
  click(3, 7);
  Form_KeyPress(g, 27);
  EXPECT_TRUE(fp.window.ended);
  EXPECT_TRUE(g.ending);
}

TEST_F(MouseInput, ALoadedRecordAsksToStepAndNoStartsANewGame) {
  startEmptyGame();
  g.state.ReplayMode = kOn;
  fp.dialogs.script = {Answer::Yes, Answer::No};
  click(5, 5);
  EXPECT_EQ(g.state.ReplayMode, kOn);
  click(5, 5);
  EXPECT_EQ(g.state.ReplayMode, kOff);
  EXPECT_EQ(g.state.SetupOpen, kOn);
  EXPECT_TRUE(shown("棋譜|棋譜を '進 'で進めて下さい"));
}

}  // namespace
}  // namespace morovan::testing
