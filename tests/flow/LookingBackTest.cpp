// Games played through the fakes, then looked back at: the history, the review
// face up or hidden, the shuffle's proof, and the statistics they leave.

#include <gtest/gtest.h>

#include <filesystem>

#include "flow/FlowFixture.h"
#include "flow/PositionMenu.h"
#include "options/Statistics.h"
#include "platform/TempDirectory.h"
#include "platform/WholeFile.h"
#include "record/KeptGames.h"
#include "record/Replay.h"
#include "record/Review.h"
#include "record/ShuffleProof.h"

namespace morovan::testing {
namespace {

namespace fs = std::filesystem;

class LookingBack : public FlowTest {
 protected:
  TempDirectory data;

  void SetUp() override {
    FlowTest::SetUp();
    g.folders.working = data.path().string();
    g.folders.games = (data.path() / "棋譜").string();
  }

  // The human, Sente, moves once from a hand-made position; the next game follows.
  void begin() {
    startEmptyGame();
    fp.dialogs.script = {Answer::Yes};
  }
  // The position set up becomes the record's start, committed to as a game's start is.
  void play(double fromCol, double fromRow, double toCol, double toRow) {
    手順保存(g, 0, 0, 0, 0);
    commitToSetup(g);
    click(fromCol, fromRow);
    click(toCol, toRow);
  }
  void win() {
    begin();
    put(9, 9, -kKing);
    put(1, 1, kKing);
    put(5, 9, -kRook);
    play(5, 9, 1, 9);  // the rook looks up file 1 at the king
  }
  void lose() {
    begin();
    put(5, 9, -kKing);
    put(5, 8, -kGold);
    put(5, 1, kRook);
    put(9, 1, kKing);
    play(5, 8, 4, 8);  // uncovers the king
  }
  void draw() {
    begin();
    put(5, 9, -kKing);
    put(5, 8, -kRook);
    put(5, 1, kRook);
    put(1, 1, kKing);
    play(5, 8, 1, 8);  // uncovers the own king and looks at the other
  }
  // Opens the kept game in row `row` of the history, newest first.
  void openNewest(std::size_t row = 0) {
    fp.review.open.clear();
    RIREKI_Click(g);
    ASSERT_LT(row, fp.review.listed.size());
    fp.review.open = fp.review.listed[row].file;
    RIREKI_Click(g);
  }
  std::string index() const {
    return readFileWhole((data.path() / "Morovan.history").string()).value_or("");
  }
};

TEST_F(LookingBack, AFinishedGameOpensFaceUpWithItsSecretThatMakesItsFingerprint) {
  win();
  openNewest();
  const KeptGameRow& row = fp.review.listed.front();
  EXPECT_EQ(row.result, "勝ち");
  EXPECT_EQ(row.side, "先手");
  EXPECT_EQ(row.level, 1);
  EXPECT_EQ(row.handicap, "平手");
  EXPECT_EQ(row.moves, 1);

  EXPECT_EQ(g.state.ScreenOn, kOff);
  EXPECT_TRUE(g.review.revealUsed);  // play resumed from here saw every piece
  EXPECT_TRUE(fp.review.listShown);
  EXPECT_EQ(fp.review.moves, std::vector<std::string>{"▲９九飛(59)"});
  EXPECT_EQ(fp.review.marked, 0);
  EXPECT_TRUE(fp.review.proof.ends_with("　✓")) << fp.review.proof;

  // The list follows 進, and a chosen move shows its position.
  AFTER_Click(g);
  EXPECT_EQ(fp.review.marked, 1);
  showReviewMove(g, 0);
  EXPECT_EQ(fp.review.marked, 0);
  EXPECT_EQ(g.pos.BoardPieces[5][9], -kRook);

  // A secret that does not make the fingerprint is not passed as one that does.
  std::string changed = index();
  const std::size_t tab = changed.rfind('\t');
  changed[tab + 1] = changed[tab + 1] == '0' ? '1' : '0';
  ASSERT_TRUE(writeFileWhole((data.path() / "Morovan.history").string(), changed));
  openNewest();
  EXPECT_NE(fp.review.proof.find("✗"), std::string::npos) << fp.review.proof;
}

TEST_F(LookingBack, AnUnfinishedGameOpensHiddenAndItsSecretIsNeverWritten) {
  win();
  begin();
  put(5, 9, -kKing);
  put(5, 1, kKing);
  put(1, 9, -kLance);
  put(9, 3, kPawn);
  play(1, 9, 1, 8);
  ASSERT_EQ(g.state.Winner, 0);
  const std::string secret = g.review.secret;
  ASSERT_EQ(secret.size(), 32u);
  CANCEL_Click(g);  // abandons the game, which is kept

  EXPECT_EQ(index().find(secret), std::string::npos);
  openNewest(1);
  ASSERT_EQ(g.state.ScreenOn, kOff);  // the finished game, face up
  openNewest();
  EXPECT_EQ(fp.review.listed.front().result, "中断");
  EXPECT_EQ(g.state.ScreenOn, kOn);
  EXPECT_EQ(fp.review.proof.find(secret), std::string::npos);
  EXPECT_FALSE(fp.review.proof.empty());
}

TEST_F(LookingBack, TheHistoryListsNewestFirstAndRemovesAGameOnlyWhenTheAnswerIsYes) {
  lose();
  win();
  fp.review.open.clear();
  RIREKI_Click(g);
  ASSERT_EQ(fp.review.listed.size(), 2u);
  EXPECT_EQ(fp.review.listed[0].result, "勝ち");
  EXPECT_EQ(fp.review.listed[1].result, "負け");

  const std::string newest = fp.review.listed[0].file;
  fp.review.remove = {newest, newest};
  fp.dialogs.script = {Answer::No, Answer::Yes};
  RIREKI_Click(g);
  EXPECT_EQ(fp.review.removed, (std::vector<bool>{false, true}));
  EXPECT_FALSE(fs::exists(data.path() / "棋譜" / newest));
  EXPECT_EQ(index().find(newest), std::string::npos);
}

TEST_F(LookingBack, AnIndexThatCannotBeWrittenIsToldAndTheRecordStaysKept) {
  fs::create_directories(data.path() / "Morovan.history");  // no file can replace it
  win();
  EXPECT_TRUE(shown("棋譜保存|対局履歴の情報を保存できませんでした"));
  fp.review.open.clear();
  RIREKI_Click(g);
  ASSERT_EQ(fp.review.listed.size(), 1u);
  EXPECT_EQ(fp.review.listed[0].handicap, "");  // what only the index knew
}

TEST_F(LookingBack, StatisticsCountEachLevelAndSideWithRevealedGamesApart) {
  win();
  win();
  lose();
  draw();
  win();
  g.state.ComputerLevel = 2;
  lose();
  g.state.ComputerLevel = 1;
  begin();
  ICHIJI_Click(g);
  ICHIJI_Click(g);
  put(9, 9, -kKing);
  put(1, 1, kKing);
  put(5, 9, -kRook);
  play(5, 9, 1, 9);

  SEISEKI_Click(g);
  const std::vector<StatisticsRow>& rows = fp.review.statistics;
  ASSERT_EQ(rows.size(), 3u);
  const StatisticsRow& one = rows[0];
  EXPECT_EQ(one.level, 1);
  EXPECT_EQ(one.side, "先手");
  EXPECT_FALSE(one.revealed);
  EXPECT_EQ(
      (std::vector<int>{one.games, one.wins, one.draws, one.losses, one.streak, one.bestStreak}),
      (std::vector<int>{5, 3, 1, 1, 1, 2}));
  EXPECT_EQ(one.bestHandicapBeaten, "２級");
  EXPECT_EQ(rows[1].level, 2);
  EXPECT_EQ(rows[1].losses, 1);
  EXPECT_EQ(rows[1].bestHandicapBeaten, "");
  EXPECT_TRUE(rows[2].revealed);
  EXPECT_EQ(rows[2].wins, 1);
}

}  // namespace
}  // namespace morovan::testing
