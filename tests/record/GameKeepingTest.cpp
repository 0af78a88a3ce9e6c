// Every game kept: names, pruning, the moments a game is kept and a failed write.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "Game.h"
#include "flow/PositionMenu.h"
#include "flow/TurnCycle.h"
#include "model/MakeMove.h"
#include "model/NewGame.h"
#include "platform/FakePlatform.h"
#include "platform/TempDirectory.h"
#include "platform/WholeFile.h"
#include "record/GameKeeping.h"
#include "record/RecordFiles.h"
#include "record/RecordFormat.h"
#include "record/Replay.h"

namespace morovan {
namespace {

namespace fs = std::filesystem;
using testing::FakePlatform;
using testing::TempDirectory;

std::set<std::string> namesIn(const fs::path& folder) {
  std::set<std::string> names;
  std::error_code ignored;
  for (const auto& e : fs::directory_iterator(folder, ignored))
    names.insert(e.path().filename().string());
  return names;
}

std::tm at(int day, int hour, int minute, int second) {
  std::tm t{};
  t.tm_year = 2026 - 1900;
  t.tm_mon = 11;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  return t;
}

TEST(GameKeeping, NamesByTimeNeverOverwriteAndOnlyTheNewestAreKept) {
  TempDirectory temp;
  const fs::path folder = temp.path() / "棋譜";  // made on the first keep
  EXPECT_EQ(keptGameName(at(8, 21, 4, 33)), "2026-12-08_21-04-33.棋譜");

  ASSERT_TRUE(keepRecordFile(folder.string(), "a", at(8, 21, 4, 33), 3));
  ASSERT_TRUE(keepRecordFile(folder.string(), "b", at(8, 21, 4, 33), 3));
  EXPECT_EQ(readFileWhole((folder / "2026-12-08_21-04-33.棋譜").string()), "a");
  EXPECT_EQ(readFileWhole((folder / "2026-12-08_21-04-33_2.棋譜").string()), "b");

  // The player's own records and other files in the folder are never pruned.
  for (const char* other :
       {"2026-01-01_00-00-00 mine.棋譜", "名局.棋譜", "2026-01-01_00-00-00.txt"})
    std::ofstream(folder / other) << "x";
  ASSERT_TRUE(keepRecordFile(folder.string(), "c", at(9, 0, 0, 0), 3));
  ASSERT_TRUE(keepRecordFile(folder.string(), "d", at(7, 23, 59, 59), 3));  // a clock set back
  EXPECT_EQ(namesIn(folder),
            (std::set<std::string>{"2026-12-08_21-04-33.棋譜", "2026-12-08_21-04-33_2.棋譜",
                                   "2026-12-09_00-00-00.棋譜", "2026-01-01_00-00-00 mine.棋譜",
                                   "名局.棋譜", "2026-01-01_00-00-00.txt"}));
}

class KeepGameTest : public ::testing::Test {
 protected:
  TempDirectory temp;
  FakePlatform fp;
  Game g{fp.platform(), 3};

  void SetUp() override {
    g.folders.games = (temp.path() / "棋譜").string();
    初期設定(g);
  }
  // As after a move of a game under way.
  void playAMove() {
    g.state.RecordIndex = g.state.RecordLength = g.state.MoveNumber = g.state.MoveNumber + 1;
    g.keeping.unkept = true;
  }
  std::size_t kept() { return namesIn(g.folders.games).size(); }
};

TEST_F(KeepGameTest, AnAbandonedGameIsKeptOnceWithItsSidesAndAReplayIsNot) {
  playAMove();
  g.state.HumanSide = kSente;
  g.state.ComputerSide = kGote;
  初期設定(g);  // 最初, or a new game after 終了
  ASSERT_EQ(kept(), 1u);
  const fs::path file = *fs::directory_iterator(g.folders.games);
  const DecodedRecord read = decodeRecordFile(readFileWhole(file.string()).value());
  EXPECT_EQ(read.header.gameName, "中断");
  EXPECT_EQ(read.header.upperName, "後手 コンピュータ LEVEL3");
  EXPECT_EQ(read.header.lowerName, "先手 あなた");
  EXPECT_EQ(read.entryCount, 2);

  // Read back and stepped through, it is no new game: nothing more is kept.
  fp.panel.dir = g.folders.games;
  fp.panel.selected = file.filename().string();
  File1_Click(g);
  初期設定(g);
  EXPECT_EQ(kept(), 1u);

  // A flipped game cannot be written, so it is not kept either.
  REVERSE_Click(g);
  playAMove();
  初期設定(g);
  EXPECT_EQ(kept(), 1u);
  EXPECT_EQ(fp.dialogs.shown.size(), 2u) << "only the two reading messages";
}

// Resuming from the start and a flip both throw the recorded moves away; the
// game is kept as it stood first. Resuming later in the game keeps nothing.
TEST_F(KeepGameTest, MovesThrownAwayByResumingAtTheStartOrAFlipAreKeptFirst) {
  g.state.ComputerLevel = 1;
  SENTE_Click(g);
  for (int move = 0; move < 3; ++move) {
    playAMove();
    手順保存(g, 0, 0, 0, 0);
  }
  REPLAY_Click(g);
  REPLAY_Click(g);
  SENTE_Click(g);  // at move 1, the human to move
  EXPECT_EQ(g.state.RecordLength, 1);
  EXPECT_EQ(kept(), 0u);

  REPLAY_Click(g);
  SENTE_Click(g);  // at move 0
  ASSERT_EQ(kept(), 1u);
  const fs::path file = *fs::directory_iterator(g.folders.games);
  EXPECT_EQ(decodeRecordFile(readFileWhole(file.string()).value()).entryCount, 2);

  playAMove();
  手順保存(g, 0, 0, 0, 0);
  REVERSE_Click(g);
  EXPECT_EQ(kept(), 2u);
}

TEST_F(KeepGameTest, AFailedKeepIsToldOnceAndPlayGoesOn) {
  std::ofstream(g.folders.games) << "a file where the folder should be";
  for (int game = 0; game < 2; ++game) {
    playAMove();
    初期設定(g);
    EXPECT_FALSE(g.keeping.unkept);
    EXPECT_EQ(g.state.SetupOpen, kOn) << "the new game is set up all the same";
  }
  ASSERT_EQ(fp.dialogs.shown.size(), 1u);
  EXPECT_EQ(fp.dialogs.shown[0].title, "棋譜保存");
  EXPECT_EQ(fp.dialogs.shown[0].icon, Icon::Warning);
}

}  // namespace
}  // namespace morovan
