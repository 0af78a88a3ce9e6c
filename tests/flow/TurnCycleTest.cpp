#include <gtest/gtest.h>

#include "flow/FlowFixture.h"
#include "flow/PositionMenu.h"
#include "flow/TurnCycle.h"
#include "model/NewGame.h"
#include "record/Replay.h"

namespace morovan::testing {
namespace {

class TurnCycle : public FlowTest {
 protected:
  // A new game as Sente, the clock at 1000 s, whose human moves push the pawns of these
  // columns one square, each answered by the computer.
  void openWithPawnMoves(std::initializer_list<int> columns) {
    初期設定(g);
    fp.clock.now = 1000;
    SENTE_Click(g);
    for (const int col : columns) {
      click(col, 7);
      click(col, 6);
    }
  }
};

TEST_F(TurnCycle, SenteStartsTheHumansClockWithAOneSpaceTitle) {
  初期設定(g);
  fp.clock.now = 5000;
  SENTE_Click(g);
  EXPECT_EQ(fp.messages(), std::vector<std::string>{" |MANの番です"});
  EXPECT_EQ(g.state.Turn, kSente);
  EXPECT_EQ(g.state.HumanSide, kSente);
  EXPECT_EQ(g.state.ComputerSide, kGote);
  EXPECT_TRUE(fp.timer.running);
  EXPECT_EQ(g.state.TurnStartTimer, 5000);
  EXPECT_EQ(g.state.VsComputer, kOn);
  EXPECT_EQ(g.state.SetupOpen, kOff);
  // Entry 0 holds the starting position.
  EXPECT_EQ(g.record.RecordBoards[0][5][9], -kKing);
}

TEST_F(TurnCycle, GoteLetsTheComputerMoveAtOnceWithoutAPrompt) {
  初期設定(g);
  GOTE_Click(g);
  EXPECT_TRUE(fp.messages().empty());
  EXPECT_EQ(g.state.HumanSide, kGote);
  EXPECT_EQ(g.state.MoveNumber, 1);
  EXPECT_EQ(g.state.RecordIndex, 1);
  EXPECT_EQ(g.state.Turn, g.state.HumanSide);
}

TEST_F(TurnCycle, SenteWhileTheComputerIsToMoveLetsItMoveAndKeepsTheSides) {
  初期設定(g);
  GOTE_Click(g);  // computer moves first as Sente
  ASSERT_EQ(g.state.MoveNumber, 1);
  REPLAY_Click(g);  // back to the start: the computer is to move again
  ASSERT_EQ(g.state.Turn, g.state.ComputerSide);
  g.state.MoveNumber = 1;  // a game with moves is being resumed
  SENTE_Click(g);
  EXPECT_EQ(g.state.HumanSide, kGote);
  EXPECT_EQ(g.state.Turn, g.state.HumanSide);
}

TEST_F(TurnCycle, SenteWhileTheHumanPlayingGoteIsToMoveSwapsTheLabels) {
  startEmptyGame();
  put(5, 9, -kKing);
  put(5, 1, kKing);
  g.state.HumanSide = kGote;
  g.state.ComputerSide = kSente;
  g.state.Turn = kGote;
  g.state.MoveNumber = 4;
  SENTE_Click(g);
  EXPECT_EQ(g.state.HumanSide, kSente);
  EXPECT_EQ(g.state.ComputerSide, kGote);
  EXPECT_EQ(g.state.Turn, kSente);
  EXPECT_TRUE(shown("対局|MANの番です"));
  EXPECT_EQ(g.pos.BoardPieces[5][9], -kKing);  // the board is not turned
  // Moves were played but the record restarts at entry 0, as after a flip:
  // stepping forward must not reach the entries of the game before.
  EXPECT_EQ(g.state.RecordLength, 0);
}

TEST_F(TurnCycle, AClickWhileTheComputerIsToMoveAsksThenItMovesAndTheClickGoesOn) {
  初期設定(g);
  SENTE_Click(g);
  g.state.Turn = g.state.ComputerSide;
  fp.dialogs.shown.clear();
  Form_MouseDown(g, kLeftButton, 0, cellX(5) + 100, cellY(7) + 100);
  EXPECT_EQ(fp.messages().front(), "再開(COM)|OKですか？");
  EXPECT_EQ(g.state.MoveNumber, 1);
  EXPECT_EQ(g.state.Turn, g.state.HumanSide);
  // The click then selected the human pawn it was on.
  EXPECT_EQ(g.state.SelectState, 1);
  EXPECT_EQ(g.state.Selection.FromX, 5);
}

TEST_F(TurnCycle, AClickWithNoGameSetUpIsRefused) {
  startEmptyGame();
  g.state.Turn = 0;
  g.state.SetupOpen = kOff;
  Form_MouseDown(g, kLeftButton, 0, cellX(5) + 100, cellY(7) + 100);
  EXPECT_TRUE(shown("開始|「対局」で始めて下さい"));
  EXPECT_EQ(sounds(g.sound.禁止), 1);
}

TEST_F(TurnCycle, APendingClockStartsAtTheNextClickWithTheSideToMove) {
  startEmptyGame();
  put(5, 9, -kKing);
  put(5, 1, kKing);
  g.state.VsComputer = kOff;
  g.state.ClockPending = kOn;
  g.state.Turn = kGote;
  fp.menu.checked[menu::KEIKA] = true;
  fp.clock.now = 1234;
  Form_MouseDown(g, kLeftButton, 0, cellX(5) + 100, cellY(5) + 100);
  EXPECT_TRUE(shown("対局|後手の番です"));
  EXPECT_EQ(g.state.ClockPending, kOff);
  EXPECT_EQ(g.state.TurnStartTimer, 1234);
  EXPECT_TRUE(fp.timer.running);
}

// The clock counts every move whether or not its display is on, starts clean
// in each game, and a flip charges the thinking to the side that did it.
TEST_F(TurnCycle, ThinkingTimeIsCountedAlwaysStartsCleanAndIsChargedBeforeAFlip) {
  fp.menu.checked[menu::KEIKA] = false;
  g.state.MoveTime = 36002;  // left by an earlier game
  初期設定(g);
  fp.clock.now = 1000;
  SENTE_Click(g);
  EXPECT_EQ(g.record.RecordTimes[0][2], 0);
  fp.clock.now += 10;
  click(7, 7);
  click(7, 6);
  ASSERT_EQ(g.state.MoveNumber, 2);
  fp.clock.now += 20;
  click(3, 7);
  click(3, 6);
  ASSERT_GE(g.state.MoveNumber, 3);
  EXPECT_EQ(g.record.RecordTimes[3][2], 30);
  EXPECT_EQ(g.state.HumanTime, 30);

  fp.clock.now += 15;
  const double computer = g.state.ComputerTime;
  REVERSE_Click(g);
  EXPECT_EQ(g.state.HumanTime, 45);
  EXPECT_EQ(g.state.ComputerTime, computer);
  EXPECT_EQ(g.record.RecordTimes[0][1], 45);

  // Until the side to move starts thinking, nobody's clock runs: a second
  // flip bills the idle time to neither side.
  fp.clock.now += 100;
  REVERSE_Click(g);
  EXPECT_EQ(g.state.HumanTime, 45);
  EXPECT_EQ(g.state.ComputerTime, computer);
}

// Resumed with the human to move, by either button, the human's clock starts
// afresh: nothing of the time spent stepping back is billed.
TEST_F(TurnCycle, ResumingWithTheHumanToMoveStartsTheClockAfresh) {
  openWithPawnMoves({7, 3});
  ASSERT_EQ(g.state.MoveNumber, 4);
  for (void (*resume)(Game&) : {GOTE_Click, SENTE_Click}) {
    REPLAY_Click(g);
    REPLAY_Click(g);
    ASSERT_EQ(g.state.Turn, g.state.HumanSide);
    const double before = g.state.HumanTime;
    fp.clock.now += 100;
    resume(g);
    fp.clock.now += 10;
    click(3, 7);
    click(3, 6);
    EXPECT_EQ(g.state.HumanTime, before + 10);
  }
}

// A step through the record leaves the clock waiting too: a flip after 戻 or
// 進 bills nothing of the time since.
TEST_F(TurnCycle, AFlipAfterAStepBillsNoStaleTime) {
  openWithPawnMoves({7});
  ASSERT_EQ(g.state.MoveNumber, 2);
  for (void (*step)(Game&) : {REPLAY_Click, AFTER_Click}) {
    fp.clock.now += 50;
    step(g);
    const double human = g.state.HumanTime, computer = g.state.ComputerTime;
    fp.clock.now += 30;
    REVERSE_Click(g);
    EXPECT_EQ(g.state.HumanTime, human);
    EXPECT_EQ(g.state.ComputerTime, computer);
    REVERSE_Click(g);
  }
}

TEST_F(TurnCycle, PlayFromAPositionWithoutBothKingsIsRefused) {
  using Button = void (*)(Game&);
  for (const auto& [button, king] : {std::pair<Button, PieceCode>{SENTE_Click, -kKing},
                                     std::pair<Button, PieceCode>{GOTE_Click, kKing}}) {
    startEmptyGame();
    put(5, 5, king);
    put(3, 3, kPawn);
    put(3, 7, -kPawn);
    g.state.ReplayMode = kOn;
    g.state.VsComputer = kOff;
    g.state.RecordIndex = g.state.MoveNumber = 2;
    fp.dialogs.shown.clear();
    button(g);
    EXPECT_EQ(fp.messages(), std::vector<std::string>{"対局|王のいない局面からは対局できません"});
    EXPECT_EQ(g.state.ReplayMode, kOn);
    EXPECT_EQ(g.state.VsComputer, kOff);
    EXPECT_EQ(g.state.MoveNumber, 2);
    EXPECT_EQ(g.pos.BoardPieces[3][3], kPawn);
  }
}

}  // namespace
}  // namespace morovan::testing
