#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <utility>

#include "Game.h"
#include "flow/MouseInput.h"
#include "flow/PositionMenu.h"
#include "flow/TurnCycle.h"
#include "model/NewGame.h"
#include "model/Position.h"
#include "platform/FakePlatform.h"
#include "platform/TempDirectory.h"
#include "platform/WholeFile.h"
#include "record/RecordFiles.h"
#include "record/RecordFormat.h"
#include "record/Replay.h"
#include "view/ViewState.h"

namespace morovan {
namespace {

namespace fs = std::filesystem;
using testing::FakePlatform;

constexpr int kForbidden = 7;  // sound buffers the tests give the game
constexpr int kClack = 9;

// Entry n of a three-move game: a pawn walks up column 1 and the human's hand
// grows; the clocks of entry n are 100n + 1..4 seconds.
void fillEntries(GameRecord& r) {
  for (int n = 0; n <= 3; ++n) {
    r.RecordBoards[n][5][1] = kKing;
    r.RecordBoards[n][5][9] = -kKing;
    r.RecordBoards[n][1][7 - n] = -kPawn;
    r.RecordHumanHands[n][1] = n;
    r.RecordComputerHands[n][2] = n / 2;
    for (int t = 1; t <= 4; ++t) r.RecordTimes[n][t] = 100 * n + t;
  }
}

class ReplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g.sound.禁止 = kForbidden;
    g.sound.駒打音 = kClack;
  }
  void expectEntryShown(int n) {
    EXPECT_EQ(g.state.RecordIndex, n);
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y)
        ASSERT_EQ(g.pos.BoardPieces[x][y], g.record.RecordBoards[n][x][y]) << n;
    EXPECT_EQ(g.pos.HumanHand[1], n);
    EXPECT_EQ(g.pos.ComputerHand[2], n / 2);
    // The totals follow the hands, so play resumed here counts them right.
    EXPECT_EQ(positionFault(g.pos), "") << n;
  }
  std::string lastSound() const {
    const auto plays = fp.calls("dsPlay ");
    return plays.empty() ? "" : plays.back();
  }

  FakePlatform fp;
  Game g{fp.platform(), 1};
};

TEST_F(ReplayTest, StepsForwardAndBackThroughALoadedRecord) {
  const testing::TempDirectory temp;
  const fs::path& dir = temp.path();
  auto source = std::make_unique<GameRecord>();
  fillEntries(*source);
  ASSERT_TRUE(writeFileWhole((dir / "three.棋譜").string(),
                             encodeRecordFile({"g", "u", "l"}, *source, 3).bytes));
  fp.panel.dir = dir.string();
  fp.panel.selected = "three.棋譜";
  // Stale hands of an earlier game.
  g.pos.HumanHand[5] = 2;
  g.pos.HumanHandTotal = 2;
  File1_Click(g);
  ASSERT_EQ(g.state.RecordLength, 3);
  ASSERT_EQ(g.state.Turn, kSente);
  // The human's pawn made the first move, so the human played Sente.
  EXPECT_EQ(g.state.HumanSide, kSente);
  EXPECT_EQ(g.state.ComputerSide, kGote);

  // 戻 at entry 0.
  fp.dialogs.shown.clear();
  REPLAY_Click(g);
  EXPECT_EQ(fp.messages(), std::vector<std::string>{"戻る|できません"});
  EXPECT_EQ(lastSound(), "dsPlay 7");
  EXPECT_EQ(g.state.RecordIndex, 0);
  EXPECT_EQ(g.state.MoveNumber, 0);
  EXPECT_EQ(g.state.Turn, kSente);
  EXPECT_EQ(g.state.ClockPending, kOn);

  // 進 three times shows entries 1..3 with the clocks after each move.
  for (int n = 1; n <= 3; ++n) {
    fp.timer.running = true;
    g.state.SelectState = 1;
    g.state.ClockPending = kOff;
    AFTER_Click(g);
    expectEntryShown(n);
    EXPECT_EQ(g.state.MoveNumber, n);
    EXPECT_EQ(g.state.Turn, n % 2 ? kGote : kSente);
    EXPECT_EQ(g.state.HumanTime, 100 * n + 2);
    EXPECT_EQ(g.state.ComputerTime, 100 * n + 4);
    EXPECT_EQ(g.state.SelectState, 0);
    EXPECT_EQ(g.state.ClockPending, kOn);
    EXPECT_FALSE(fp.timer.running);
    EXPECT_EQ(lastSound(), "dsPlay 9");
  }
  EXPECT_EQ(fp.messages().size(), 1u);

  // A fourth 進 is the end of the loaded record; nothing moves.
  AFTER_Click(g);
  EXPECT_EQ(fp.messages().back(), "進む|終わり");
  EXPECT_EQ(lastSound(), "dsPlay 7");
  expectEntryShown(3);
  EXPECT_EQ(g.state.MoveNumber, 3);
  EXPECT_EQ(g.state.Turn, kGote);

  // 戻 shows the clocks before the move; two steps back restore the side to move.
  REPLAY_Click(g);
  expectEntryShown(2);
  EXPECT_EQ(g.state.MoveNumber, 2);
  EXPECT_EQ(g.state.HumanTime, 201);
  EXPECT_EQ(g.state.ComputerTime, 203);
  EXPECT_EQ(g.state.Turn, kSente);
  REPLAY_Click(g);
  expectEntryShown(1);
  EXPECT_EQ(g.state.Turn, kGote);
  EXPECT_EQ(g.state.RecordLength, 3);
  EXPECT_EQ(g.state.ReplayMode, kOn);

  // A record whose first move is the computer's was played with the human as Gote.
  source->RecordBoards[1][9][4] = kPawn;
  source->RecordBoards[1][1][6] = 0;
  ASSERT_TRUE(writeFileWhole((dir / "gote.棋譜").string(),
                             encodeRecordFile({"g", "u", "l"}, *source, 3).bytes));
  fp.panel.selected = "gote.棋譜";
  File1_Click(g);
  EXPECT_EQ(g.state.HumanSide, kGote);
  EXPECT_EQ(g.state.ComputerSide, kSente);
}

TEST_F(ReplayTest, StepsInAPlayedGameAndTheirRefusals) {
  fillEntries(g.record);
  g.state.RecordIndex = 2;
  g.state.RecordLength = 2;
  g.state.MoveNumber = 2;
  g.state.Turn = kGote;

  AFTER_Click(g);
  EXPECT_EQ(fp.messages(), std::vector<std::string>{"進む|できません"});
  EXPECT_EQ(g.state.RecordIndex, 2);
  EXPECT_EQ(g.state.MoveNumber, 2);
  EXPECT_EQ(g.state.Turn, kGote);

  // 戻 then 進 returns to the same board with the clocks after the move.
  REPLAY_Click(g);
  expectEntryShown(1);
  EXPECT_EQ(g.state.HumanTime, 101);
  AFTER_Click(g);
  expectEntryShown(2);
  EXPECT_EQ(g.state.HumanTime, 202);
  EXPECT_EQ(g.state.Turn, kGote);

  // Every step closes the record panel first.
  EXPECT_EQ(fp.calls("lists").back(), "lists 000");
  EXPECT_EQ(fp.calls("panel").back(), "panel hide");

  // 戻 clears both last-move texts.
  fp.log.clear();
  g.view.BackgroundPicture = kPictureTake;
  REPLAY_Click(g);
  for (const char* cell : {"picture 4 60 5020", "picture 4 555 5020", "picture 4 1050 5020",
                           "picture 4 6990 1330", "picture 4 7485 1330", "picture 4 7980 1330"})
    EXPECT_FALSE(fp.calls(cell).empty()) << cell;
}

TEST_F(ReplayTest, ForwardBeforeAnyGameAsksForOne) {
  fillEntries(g.record);
  g.state.RecordLength = 3;
  AFTER_Click(g);
  EXPECT_EQ(fp.messages(), std::vector<std::string>{"開始|「対局」で始めて下さい"});
  EXPECT_EQ(lastSound(), "dsPlay 7");
  EXPECT_EQ(g.state.ClockPending, kOff);
  EXPECT_EQ(g.state.RecordIndex, 0);
  EXPECT_EQ(g.state.MoveNumber, 0);
}

TEST_F(ReplayTest, FirstPositionStartsANewGame) {
  fillEntries(g.record);
  g.state.Turn = kSente;
  g.state.MoveNumber = 3;
  g.state.RecordIndex = 3;
  g.state.ReplayMode = kOn;
  CANCEL_Click(g);
  EXPECT_EQ(g.state.Turn, 0);
  EXPECT_EQ(g.state.MoveNumber, 0);
  EXPECT_EQ(g.state.RecordIndex, 0);
  EXPECT_EQ(lastSound(), "dsPlay 9");
}

// The computer's pieces are jammed into columns 1 and 2, so all it can do is
// drop one of the two pawns it holds; the human's king sits behind a wall no
// pawn can check through in two moves.
void layOutJammedGame(Position& p) {
  p = Position{};
  p.BoardPieces[1][1] = kKing;
  for (int y = 2; y <= 9; ++y) p.BoardPieces[1][y] = kPawn;
  p.BoardPieces[2][1] = kLance;
  for (int y = 2; y <= 9; ++y) p.BoardPieces[2][y] = kPawn;
  p.ComputerHand[1] = p.ComputerHandTotal = 2;
  p.BoardPieces[9][9] = -kKing;
  for (const auto& [x, y] : {std::pair{9, 8}, {8, 8}, {8, 9}, {9, 7}, {8, 7}})
    p.BoardPieces[x][y] = x == 9 && y == 8 ? -kGold : -kSilver;
  p.BoardPieces[5][8] = -kRook;
}

struct PlayedGame {
  FakePlatform fp;
  Game g{fp.platform(), 3};
  PlayedGame() {
    g.sound = SoundState{1, 11, kForbidden, kClack, 13, 14};
    g.state.ComputerLevel = 1;
    初期設定(g);
  }
  void click(int col, int row) {
    Form_MouseDown(g, kLeftButton, 0, cellX(col) + 200, cellY(row) + 300);
  }
  void read(const fs::path& dir, const std::string& name) {
    fp.panel.dir = dir.string();
    fp.panel.selected = name;
    File1_Click(g);
  }
  void write(const fs::path& dir, const std::string& name) {
    fp.panel.dir = dir.string();
    fp.panel.texts[1] = name;
    Command1_Click(g);
  }
};

void expectSameEntries(const GameRecord& a, const GameRecord& b, int last) {
  for (int n = 0; n <= last; ++n) {
    EXPECT_EQ(std::memcmp(a.RecordBoards[n], b.RecordBoards[n], sizeof a.RecordBoards[n]), 0) << n;
    EXPECT_EQ(
        std::memcmp(a.RecordHumanHands[n], b.RecordHumanHands[n], sizeof a.RecordHumanHands[n]), 0)
        << n;
    EXPECT_EQ(std::memcmp(a.RecordComputerHands[n], b.RecordComputerHands[n],
                          sizeof a.RecordComputerHands[n]),
              0)
        << n;
  }
}

// A game played with the mouse, saved, read into a fresh program, stepped to
// the computer's turn and resumed: the computer moves (it does not hand the
// human a second move in a row), drops what it holds, and the record goes on
// from the entry shown.
TEST(SaveReplayResume, AGameReadIntoAFreshProgramResumesWithTheRightSideToMove) {
  const testing::TempDirectory temp;
  const fs::path& dir = temp.path();

  PlayedGame first;
  layOutJammedGame(first.g.pos);
  SENTE_Click(first.g);
  first.click(5, 8);
  first.click(5, 5);
  ASSERT_EQ(first.g.state.MoveNumber, 2);
  first.click(5, 5);
  first.click(4, 5);
  ASSERT_EQ(first.g.state.MoveNumber, 4);
  ASSERT_EQ(first.g.state.Turn, kSente);
  first.write(dir, "jammed");
  ASSERT_EQ(first.fp.messages().back(), "  |棋譜を書き込みました");

  // A fresh program still has its start-up sides: the human as Gote.
  PlayedGame second;
  ASSERT_EQ(second.g.state.HumanSide, kGote);
  second.read(dir, "jammed.棋譜");
  ASSERT_EQ(second.g.state.RecordLength, 4);
  expectSameEntries(second.g.record, first.g.record, 4);
  EXPECT_EQ(second.g.state.HumanSide, kSente);
  EXPECT_EQ(second.g.state.ComputerSide, kGote);

  AFTER_Click(second.g);
  AFTER_Click(second.g);
  REPLAY_Click(second.g);
  ASSERT_EQ(second.g.state.RecordIndex, 1);
  ASSERT_EQ(second.g.pos.ComputerHandTotal, 2);
  ASSERT_EQ(positionFault(second.g.pos), "");

  second.fp.dialogs.shown.clear();
  SENTE_Click(second.g);
  EXPECT_TRUE(second.fp.messages().empty());  // no "MANの番です": the computer moved
  const GameState& st = second.g.state;
  EXPECT_EQ(st.Turn, st.HumanSide);
  EXPECT_EQ(st.HumanSide, kSente);
  EXPECT_EQ(st.MoveNumber, 2);
  EXPECT_EQ(st.RecordIndex, 2);
  EXPECT_EQ(st.RecordLength, 2);
  EXPECT_EQ(second.g.pos.ComputerHand[1], 1);  // it dropped a pawn
  EXPECT_EQ(second.g.pos.ComputerHandTotal, 1);
  EXPECT_EQ(positionFault(second.g.pos), "");
  expectSameEntries(second.g.record, first.g.record, 1);

  // The human moves on; the computer answers; the record holds the new line.
  second.click(5, 5);
  second.click(6, 5);
  EXPECT_EQ(st.MoveNumber, 4);
  EXPECT_EQ(st.RecordLength, 4);
  EXPECT_EQ(st.Turn, st.HumanSide);
  EXPECT_EQ(positionFault(second.g.pos), "");
  EXPECT_EQ(second.g.record.RecordBoards[3][6][5], -kRook);
  second.write(dir, "resumed");
  ASSERT_EQ(second.fp.messages().back(), "  |棋譜を書き込みました");

  PlayedGame third;
  third.read(dir, "resumed.棋譜");
  EXPECT_EQ(third.g.state.RecordLength, 4);
  expectSameEntries(third.g.record, second.g.record, 4);
}

}  // namespace
}  // namespace morovan
