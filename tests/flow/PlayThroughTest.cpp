#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <vector>

#include "flow/FlowFixture.h"
#include "flow/TurnCycle.h"
#include "model/NewGame.h"
#include "model/Position.h"
#include "model/Rules.h"
#include "platform/TempDirectory.h"
#include "platform/WholeFile.h"
#include "record/RecordFormat.h"

namespace morovan::testing {
namespace {

class PlayThrough : public FlowTest, public ::testing::WithParamInterface<int> {};

// Whole games against the computer, the human playing random legal moves with
// the mouse: every game must end through the rules, never hang or corrupt the
// position.
TEST_P(PlayThrough, RandomGamesEndCleanlyAtEveryLevel) {
  std::mt19937 chooser(GetParam() * 7919);
  TempDirectory kept;
  g.folders.games = kept.path().string();
  for (int game = 0; game < 4; ++game) {
    fp.dialogs.script = {Answer::Yes};
    初期設定(g);
    g.state.ComputerLevel = GetParam();
    if (game % 2 == 0)
      SENTE_Click(g);
    else
      GOTE_Click(g);
    const auto endings = [&] {
      int n = 0;
      for (const auto& m : fp.dialogs.shown) n += m.title == "再ゲーム";
      return n;
    };
    const int before = endings();
    int moves = 0;
    while (endings() == before && moves < 200) {
      ASSERT_EQ(g.state.Turn, g.state.HumanSide);
      const auto legal = humanMoves(g.pos);
      ASSERT_FALSE(legal.empty());
      const Move m = legal[chooser() % legal.size()];
      const int button = (chooser() % 2) ? kRightButton : kLeftButton;
      click(m.FromX, m.FromX == kHumanHandX ? m.FromY : m.FromY);
      click(m.ToX, m.ToY, button);
      if (g.state.SelectState == 1) click(m.ToX, m.ToY, kRightButton);  // forced promotion
      ASSERT_EQ(positionFault(g.pos), "") << "after move " << moves;
      ++moves;
    }
    EXPECT_GT(endings(), before) << "game " << game << " did not end in 200 moves";
  }
  // Each game was kept once, at its end, whole and with its sides; the new game
  // that followed added nothing. (Four games in a second take distinct names.)
  int keptGames = 0;
  for (const auto& file : std::filesystem::directory_iterator(kept.path())) {
    const DecodedRecord read = decodeRecordFile(readFileWhole(file.path().string()).value());
    ASSERT_EQ(read.problem, RecordProblem::None) << file.path();
    EXPECT_GE(read.entryCount, 2);
    EXPECT_TRUE(read.header.lowerName.ends_with("あなた"));
    ++keptGames;
  }
  EXPECT_EQ(keptGames, 4);
}

INSTANTIATE_TEST_SUITE_P(Levels, PlayThrough, ::testing::Values(1, 2, 3));

}  // namespace
}  // namespace morovan::testing
