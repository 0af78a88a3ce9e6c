#include <gtest/gtest.h>

#include "flow/FlowFixture.h"
#include "flow/Startup.h"
#include "flow/TurnCycle.h"
#include "model/NewGame.h"
#include "model/Position.h"
#include "view/Pictures.h"
#include "view/ViewTestSupport.h"

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

// The move counter shares row 3 with the pawns of the human's hand: after a
// move by each side the pawns' count is still the last thing drawn in its cell.
TEST_F(MouseInput, TheHandsCountsStayShownAfterEveryMove) {
  startEmptyGame();
  put(5, 9, -kKing);
  put(5, 1, kKing);
  g.pos.HumanHand[1] = 2;
  g.pos.HumanHand[2] = 1;
  recountHandTotals(g.pos);
  描画_自持盤(g);
  click(5, 9);
  click(4, 9);
  ASSERT_EQ(g.state.MoveNumber, 2);
  const auto last = [&](const std::string& line) {
    return std::find(fp.log.rbegin(), fp.log.rend(), line) - fp.log.rbegin();
  };
  const std::string pawns = textAt(12, 3.2, " 2");
  ASSERT_LT(last(pawns), static_cast<long>(fp.log.size()));
  EXPECT_LT(last(pawns), last(pictureAt(g.view.BackgroundPicture, 12, 3)));
  EXPECT_EQ(fp.calls(textAt(12, 3.2, "")).back(), pawns);
}

// Whatever the hidden pieces are, the same clicks draw the same: a click on a
// hidden piece selects nothing, so a click beside the board has no marks of
// "its" moves to clear, even with move guidance drawing them in white.
TEST_F(MouseInput, ClicksDrawTheSameWhateverTheHiddenPiecesAre) {
  std::vector<std::string> first;
  for (const unsigned seed : {1u, 2u, 3u, 4u, 5u, 6u}) {
    FakePlatform fakes;
    Game game(fakes.platform(), seed);
    game.sound = SoundState{1, 11, 12, 13, 14, 15};
    game.view.MoveGuidance = kOn;
    game.view.GuideColour = kWhite;
    初期設定(game);
    auto at = [&](double col, double row) {
      Form_MouseDown(game, kLeftButton, 0, cellX(col) + 200, cellY(row) + 300);
    };
    fakes.log.clear();
    for (const int x : {2, 5, 8}) {
      at(x, 1);
      at(13, 6);
    }
    SENTE_Click(game);
    at(7, 7);
    at(13, 6);
    for (const int x : {1, 3, 4, 6, 9}) {
      at(x, 3);
      at(-2, 5);
      at(x, 1);
      at(14, 12);
    }
    ASSERT_EQ(game.state.MoveNumber, 0);
    if (first.empty()) {
      first = fakes.log;
    } else {
      EXPECT_EQ(fakes.log, first) << "seed " << seed;
    }
  }
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
  // The selection's outline on the origin is gone with it.
  auto at = [](double twips) { return std::to_string(static_cast<int>(twips)); };
  const std::string origin = "outline " + at(cellX(5)) + " " + at(cellY(7)) + " ";
  EXPECT_EQ(fp.calls(origin).back(),
            origin + at(cellX(6)) + " " + at(cellY(8)) + " " + std::to_string(g.view.GridColour));
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

  // A capture is no set-up either: refused alike, and the game stays unstarted.
  g.pos.BoardPieces[1][4] = -kPawn;
  g.pos.BoardPieces[1][7] = kEmpty;
  const Position before = g.pos;
  fp.dialogs.shown.clear();
  click(1, 4);
  click(1, 3);
  EXPECT_EQ(fp.messages(), std::vector<std::string>{"開始|「対局」で始めて下さい"});
  EXPECT_EQ(g.pos.BoardPieces[1][3], before.BoardPieces[1][3]);
  EXPECT_EQ(g.pos.BoardPieces[1][4], -kPawn);
  EXPECT_EQ(g.pos.EnemyMarks[1][3], kMarkNone);
  EXPECT_EQ(g.state.SelectState, 0);
  EXPECT_EQ(g.state.RecordIndex, 0);
  EXPECT_EQ(g.state.Turn, 0);
  EXPECT_EQ(g.state.SetupOpen, kOn);
}

// The handicap may move or take the selected piece; a later click must not put
// back the piece it remembered.
TEST_F(MouseInput, AHandicapStepEndsAPendingSelection) {
  初期設定(g);
  click(2, 8);          // the bishop, selected
  LEBEL_DOWN_Click(g);  // takes it off the board
  EXPECT_EQ(g.state.SelectState, 0);
  click(5, 7);  // chooses the pawn afresh rather than swapping in a bishop
  EXPECT_EQ(g.state.SelectState, 1);
  click(1, 7);
  EXPECT_EQ(g.pos.BoardPieces[2][8], 0);
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

  // Started but no move yet: the start is recorded, so the handicap is
  // refused and the selected rook stays where it is.
  初期設定(g);
  SENTE_Click(g);
  click(8, 8);
  ASSERT_EQ(g.state.SelectState, 1);
  LEBEL_DOWN_Click(g);
  EXPECT_EQ(g.pos.BoardPieces[8][8], -kRook);
  EXPECT_EQ(g.state.HandicapLevel, 0);
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

TEST_F(MouseInput, TheBishopNeverTakesAndThePromotedBishopOnlyWithOneStep) {
  startEmptyGame();
  put(5, 9, -kKing);
  put(9, 1, kKing);
  put(5, 5, -kBishop);
  put(4, 4, kPawn);
  click(5, 5);
  click(4, 4);
  EXPECT_TRUE(shown("Morovanルール|角は相手駒を取ることができません"));
  EXPECT_EQ(g.pos.BoardPieces[4][4], kPawn);
  EXPECT_EQ(g.state.SelectState, 1);

  // Promoted: two squares away the rules refuse and the flag turns; one
  // square away it takes.
  put(5, 5, -(kBishop + 1));
  put(3, 3, kSilver);
  put(4, 4, kEmpty);
  fp.dialogs.shown.clear();
  click(5, 5);
  click(3, 3);
  EXPECT_EQ(g.pos.BoardPieces[3][3], kSilver);
  EXPECT_EQ(g.pos.EnemyMarks[3][3], kMarkRed);
  put(4, 4, kPawn);
  click(5, 5);
  click(4, 4);
  EXPECT_TRUE(fp.messages().empty());
  EXPECT_EQ(g.pos.BoardPieces[4][4], -(kBishop + 1));
  EXPECT_EQ(g.pos.HumanHand[1], 1);
  EXPECT_EQ(g.state.RecordIndex >= 1, true);
}

// Whatever the computer holds, a click on its hand column (one twip left of
// the board is already in it) does what a click on bare background does,
// behind the screen or not, and then the next board click alike.
TEST_F(MouseInput, TheComputersHandIsBackgroundToTheMouse) {
  for (const int reveal : {kOff, kOn}) {
    std::vector<std::vector<std::string>> logs;
    for (const double x : {double(kBoardOriginX) - 1, cellX(-2) + 10}) {
      startEmptyGame();
      put(5, 9, -kKing);
      put(9, 1, kKing);
      put(3, 7, -kPawn);
      g.pos.ComputerHand[7] = 1;
      g.pos.ComputerHand[1] = 2;
      g.pos.ComputerHandTotal = 3;
      g.state.SelectState = 0;
      g.state.Selection = Move{};
      click(3, 7);
      g.state.TempReveal = reveal;
      g.state.ScreenOn = reveal == kOn ? kOff : kOn;
      fp.log.clear();
      for (const int row : {1, 7}) Form_MouseDown(g, kLeftButton, 0, x, cellY(row) + 10);
      click(3, 4);
      logs.push_back(fp.log);
      EXPECT_EQ(g.pos.ComputerHand[7], 1);
      EXPECT_EQ(g.state.RecordIndex, 0);
    }
    EXPECT_EQ(logs[0], logs[1]) << "reveal " << reveal;
  }
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

TEST_F(MouseInput, AFullRecordEndsTheGameDrawnWithoutPlayingTheMove) {
  startEmptyGame();
  put(5, 9, -kKing);
  put(9, 1, kKing);
  put(3, 7, -kPawn);
  g.state.RecordIndex = kLastRecordIndex;
  fp.dialogs.script = {Answer::No};
  click(3, 7);
  click(3, 6);
  EXPECT_EQ(g.pos.BoardPieces[3][7], -kPawn);
  EXPECT_EQ(g.pos.BoardPieces[3][6], 0);
  EXPECT_EQ(g.state.RecordIndex, kLastRecordIndex);
  EXPECT_EQ(fp.messages(),
            (std::vector<std::string>{"対局|棋譜が一杯のため、これ以上指せません",
                                      "終了|引き分けです", "再ゲーム|続けますか？"}));
  EXPECT_EQ(g.state.ScreenOn, kOff);
  EXPECT_TRUE(fp.window.ended);
}

TEST_F(MouseInput, TheNextClickHidesTheRevealedPiecesAndTheHandAgain) {
  startEmptyGame();
  put(5, 9, -kKing);
  put(9, 1, kKing);
  g.pos.ComputerHand[3] = 1;
  g.pos.ComputerHandTotal = 1;
  g.state.TempReveal = kOn;
  g.state.ScreenOn = kOff;
  fp.menu.checked[menu::ICHIJI] = true;
  click(5, 5);
  EXPECT_EQ(g.state.ScreenOn, kOn);
  EXPECT_FALSE(fp.menu.isChecked(menu::ICHIJI));
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
