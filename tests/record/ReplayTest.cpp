#include <gtest/gtest.h>

#include <filesystem>

#include "Game.h"
#include "model/Position.h"
#include "platform/FakePlatform.h"
#include "platform/TempDirectory.h"
#include "record/RecordFiles.h"
#include "record/RecordFormat.h"
#include "record/Replay.h"
#include "record/WholeFile.h"

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
  g.state.HumanSide = kSente;
  g.state.ComputerSide = kGote;

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

}  // namespace
}  // namespace morovan
