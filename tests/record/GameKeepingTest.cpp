// Every game kept: names, pruning, the moments a game is kept and a failed write.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <ctime>
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
#include "record/Review.h"

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
            (std::set<std::string>{"2026-12-08_21-04-33_2.棋譜", "2026-12-09_00-00-00.棋譜",
                                   "2026-12-07_23-59-59.棋譜", "2026-01-01_00-00-00 mine.棋譜",
                                   "名局.棋譜", "2026-01-01_00-00-00.txt"}));
}

void setWritten(const fs::path& folder, std::time_t when) {
  const timespec times[2] = {{when, 0}, {when, 0}};
  for (const auto& e : fs::directory_iterator(folder))
    ASSERT_EQ(::utimensat(AT_FDCWD, e.path().c_str(), times, 0), 0);
}

TEST(GameKeeping, TwoProgramsKeepingInOneSecondBothKeepTheirGame) {
  TempDirectory temp;
  const fs::path folder = temp.path() / "棋譜";
  constexpr int kRounds = 20;
  for (int round = 0; round < kRounds; ++round) {
    int gate[2];
    ASSERT_EQ(::pipe(gate), 0);
    pid_t children[2];
    for (int i = 0; i < 2; ++i) {
      children[i] = ::fork();
      ASSERT_GE(children[i], 0);
      if (children[i] == 0) {
        ::close(gate[1]);
        char ignored;
        (void)!::read(gate[0], &ignored, 1);  // returns for both when the gate closes
        const std::string bytes = std::to_string(round * 2 + i);
        ::_exit(keepRecordFile(folder.string(), bytes, at(8, 21, round, 0)) ? 0 : 1);
      }
    }
    ::close(gate[0]);
    ::close(gate[1]);
    for (const pid_t child : children) {
      int status = 0;
      ASSERT_EQ(::waitpid(child, &status, 0), child);
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
  }
  std::set<std::string> kept;
  for (const std::string& name : namesIn(folder))
    kept.insert(readFileWhole((folder / name).string()).value_or(name));
  EXPECT_EQ(kept.size(), 2u * kRounds);
}

// The names follow the local clock; what was written last is what the clock
// said last only while it runs forward.
TEST(GameKeeping, TheOldestAreThoseWrittenFirstWhateverTheClockSaid) {
  TempDirectory temp;
  const fs::path folder = temp.path() / "棋譜";
  std::tm ahead = at(8, 21, 4, 33);
  ahead.tm_year = 2040 - 1900;
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(keepRecordFile(folder.string(), "ahead", ahead, 3));
  setWritten(folder, 2'200'000'000);  // in 2039: kept while the clock ran ahead
  // Set right, the clock then repeats an hour as daylight saving ends.
  ASSERT_TRUE(keepRecordFile(folder.string(), "now", at(8, 1, 50, 0), 3));
  ASSERT_TRUE(keepRecordFile(folder.string(), "later", at(8, 1, 10, 0), 3));
  EXPECT_EQ(namesIn(folder),
            (std::set<std::string>{"2040-12-08_21-04-33_3.棋譜", "2026-12-08_01-50-00.棋譜",
                                   "2026-12-08_01-10-00.棋譜"}));

  // Written in one second, ten games and more sort by their number.
  const fs::path busy = temp.path() / "busy";
  for (int i = 0; i < 12; ++i) ASSERT_TRUE(keepRecordFile(busy.string(), "x", at(8, 0, 0, 0)));
  setWritten(busy, 1'700'000'000);
  ASSERT_TRUE(keepRecordFile(busy.string(), "y", at(8, 0, 0, 1), 4));
  EXPECT_EQ(namesIn(busy),
            (std::set<std::string>{"2026-12-08_00-00-00_10.棋譜", "2026-12-08_00-00-00_11.棋譜",
                                   "2026-12-08_00-00-00_12.棋譜", "2026-12-08_00-00-01.棋譜"}));
}

TEST(GameKeeping, OnlyFilesTheGameWroteInItsOwnFolderArePruned) {
  TempDirectory temp;
  // 棋譜 linked into a folder of the player's, which holds date-named files.
  const fs::path mine = temp.path() / "mine";
  fs::create_directory(mine);
  for (const char* name : {"2020-01-01_00-00-00.棋譜", "2020-01-02_00-00-00.棋譜"})
    std::ofstream(mine / name) << "x";
  fs::create_directory_symlink(mine, temp.path() / "棋譜");
  ASSERT_TRUE(keepRecordFile((temp.path() / "棋譜").string(), "g", at(8, 0, 0, 0), 1));
  EXPECT_EQ(namesIn(mine).size(), 3u);

  // In a folder of its own: no real date, a link named like a kept game, a
  // temporary a killed keep left and one a keep under way holds.
  const fs::path own = temp.path() / "own";
  fs::create_directory(own);
  for (const char* name : {"2000-13-45_99-99-99.棋譜", "2026-02-30_00-00-00.棋譜",
                           "2026-12-01_00-00-00_2.棋譜.morovan-writing.Ab3dE9",
                           "2026-12-01_00-00-00.棋譜.morovan-writing.Zz9Yy8"})
    std::ofstream(own / name) << "x";
  fs::create_symlink(mine / "2020-01-01_00-00-00.棋譜", own / "2020-01-01_00-00-00.棋譜");
  const int held =
      ::open((own / "2026-12-01_00-00-00.棋譜.morovan-writing.Zz9Yy8").c_str(), O_RDONLY);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);
  const bool kept = keepRecordFile(own.string(), "h", at(8, 0, 0, 0), 1);
  ::close(held);
  ASSERT_TRUE(kept);
  EXPECT_EQ(namesIn(own),
            (std::set<std::string>{"2000-13-45_99-99-99.棋譜", "2026-02-30_00-00-00.棋譜",
                                   "2026-12-01_00-00-00.棋譜.morovan-writing.Zz9Yy8",
                                   "2020-01-01_00-00-00.棋譜", "2026-12-08_00-00-00.棋譜"}));
  EXPECT_EQ(namesIn(mine).size(), 3u);
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

// The longest game a record holds, ending with all eighteen pawns in the
// player's hand: the panel saves it and the game keeps it, and both read back.
TEST_F(KeepGameTest, AFullRecordWithEighteenOfAKindInHandIsSavedKeptAndReadBack) {
  Position p = g.pos;
  for (int x = 1; x <= kBoardSize; ++x)
    for (int y = 1; y <= kBoardSize; ++y)
      if (p.BoardPieces[x][y] == kPawn || p.BoardPieces[x][y] == -kPawn) p.BoardPieces[x][y] = 0;
  p.HumanHand[1] = 18;
  p.HumanHandTotal = 18;
  for (int n = 0; n < kLastRecordIndex; ++n) storeRecordEntry(g.record, n, g.pos);
  storeRecordEntry(g.record, kLastRecordIndex, p);
  g.state.RecordLength = kLastRecordIndex;
  g.keeping.unkept = true;
  fp.panel.dir = temp.path().string();
  fp.panel.texts[1] = "full";
  Command1_Click(g);
  初期設定(g);
  ASSERT_EQ(kept(), 1u);
  for (const fs::path& file :
       {temp.path() / "full.棋譜", fs::path(*fs::directory_iterator(g.folders.games))}) {
    const DecodedRecord read = decodeRecordFile(readFileWhole(file.string()).value_or(""));
    ASSERT_EQ(read.problem, RecordProblem::None) << file;
    EXPECT_EQ(read.entryCount, kRecordEntries);
    EXPECT_EQ(read.record->RecordHumanHands[kLastRecordIndex][1], 18);
    EXPECT_EQ(read.record->RecordHumanHands[kLastRecordIndex - 1][1], 0);
  }
}

// Opening a kept game keeps the one on the board first; with the folder full,
// that must not prune the very game asked for.
TEST_F(KeepGameTest, OpeningTheOldestKeptGameDoesNotPruneIt) {
  const std::string bytes =
      encodeRecordFile({"中断", "後手 コンピュータ LEVEL3", "先手 あなた"}, g.record, 1).bytes;
  std::string oldest;
  for (int i = 0; i < kKeptGames; ++i) {
    std::string name;
    ASSERT_TRUE(
        keepRecordFile(g.folders.games, bytes, at(1, i / 60, i % 60, 0), kKeptGames, &name));
    if (i == 0) oldest = name;
  }
  playAMove();
  EXPECT_TRUE(openKeptGame(g, oldest));
  EXPECT_TRUE(fs::exists(fs::path(g.folders.games) / oldest));
  EXPECT_EQ(kept(), static_cast<std::size_t>(kKeptGames));
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
