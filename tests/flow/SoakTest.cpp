#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

#include "flow/FlowFixture.h"
#include "flow/MenuDispatch.h"
#include "model/NewGame.h"
#include "model/Position.h"
#include "platform/TempDirectory.h"
#include "platform/WholeFile.h"
#include "record/RecordFiles.h"
#include "record/RecordFormat.h"

namespace morovan::testing {
namespace {

// Games to play: MOROVAN_SOAK_GAMES, or a few hundred.
int soakGames() {
  const char* text = std::getenv("MOROVAN_SOAK_GAMES");
  const int n = text ? std::atoi(text) : 0;
  return n > 0 ? n : 300;
}

// Menu commands a player may give at any moment. 終わり is left out: it ends the run.
const char* const kCommands[] = {
    "SENTE",   "GOTE",      "LEVEL1", "LEVEL2",   "LEVEL3",     "LEVEL4",    "CANCEL",
    "REVERSE", "ICHIJI",    "REPLAY", "AFTER",    "AFTER",      "LBEL_UP",   "LEBEL_DOWN",
    "MIDORI",  "KIFU_READ", "TATAMI", "SIDOU",    "KIFU_WRITE", "KEIKA",     "BGM",
    "ABOUT",   "ASOBIKATA", "REPLAY", "TAIKYOKU", "LBEL_UP",    "LEBEL_DOWN"};

class Soak : public FlowTest {
 protected:
  TempDirectory records;
  InTempDirectory settingsHere;  // the settings file is written in the current directory
  std::mt19937 dice{20261208};
  int actions = 0;
  int saves = 0;
  int completed = 0;

  int roll(int n) { return static_cast<int>(dice() % static_cast<unsigned>(n)); }

  // After every action: the position is sound, and an ended game is counted.
  void settle(const std::string& action) {
    ++actions;
    ASSERT_EQ(positionFault(g.pos), "") << "after " << action << ", action " << actions;
    for (const ShownMessage& m : fp.dialogs.shown) completed += m.title == "再ゲーム";
    fp.dialogs.shown.clear();
    fp.log.clear();  // the fakes log every call; a long run would hold millions
  }

  void humanMove() {
    const auto legal = humanMoves(g.pos);
    if (legal.empty()) return randomClick();
    const Move m = legal[dice() % legal.size()];
    click(m.FromX, m.FromY);
    click(m.ToX, m.ToY, roll(2) ? kRightButton : kLeftButton);
    if (g.state.SelectState == 1) click(m.ToX, m.ToY, kRightButton);  // forced promotion
    settle("a move");
  }

  void randomClick() {
    click(roll(13) - 1, roll(11), roll(3) == 0 ? kRightButton : kLeftButton);
    settle("a click");
  }

  void command() {
    const char* item = kCommands[roll(std::size(kCommands))];
    menuClicked(g, item);
    settle(item);
  }

  // Saves through the panel; what was saved must read back as the game's record.
  void saveAndCheck() {
    fp.panel.dir = records.path().string();
    const std::string name = "soak" + std::to_string(saves % 4);
    fp.panel.texts[1] = name;
    fp.panel.texts[2] = roll(2) ? "練習〜第" + std::to_string(saves) + "局" : "";
    fp.panel.texts[3] = "先手";
    fp.panel.texts[4] = "後手";
    const int length = g.state.RecordLength;
    Command1_Click(g);
    const bool written = shown("  |棋譜を書き込みました");
    settle("a save");
    if (!written) return;  // refused with its message: nothing to write, or a hand of ten
    const auto bytes = readFileWhole(fp.panel.dir + "/" + name + ".棋譜");
    ASSERT_TRUE(bytes);
    const DecodedRecord back = decodeRecordFile(*bytes);
    ASSERT_EQ(back.entryCount, length + 1);
    ++saves;
    for (int n = 0; n <= length; ++n) {
      for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
          ASSERT_EQ(back.record->RecordBoards[n][x][y], g.record.RecordBoards[n][x][y]) << n;
      for (int k = 1; k <= kHandKinds; ++k) {
        ASSERT_EQ(back.record->RecordHumanHands[n][k], g.record.RecordHumanHands[n][k]) << n;
        ASSERT_EQ(back.record->RecordComputerHands[n][k], g.record.RecordComputerHands[n][k]);
      }
      for (int t = 1; t <= 4; ++t)
        ASSERT_EQ(back.record->RecordTimes[n][t],
                  std::min(99999.0, std::floor(std::max(0.0, g.record.RecordTimes[n][t]))));
    }
  }

  // Reads a saved record, steps through it and resumes from where the steps end.
  void readAndResume() {
    fp.panel.dir = records.path().string();
    fp.panel.selected = "soak" + std::to_string(roll(4)) + ".棋譜";
    File1_Click(g);
    settle("a read");
    for (int i = roll(8); i > 0; --i) {
      menuClicked(g, roll(3) ? "AFTER" : "REPLAY");
      settle("a step");
    }
    menuClicked(g, roll(2) ? "SENTE" : "GOTE");
    settle("a resume");
  }
};

// Hundreds of whole games through the mouse's and the menu's entry points, the
// computer at every level, with saves, reads, steps, flips, resumes, handicaps
// and stray clicks in between: the position stays sound after every action and
// every saved record reads back as the game's own.
TEST_F(Soak, GamesThroughTheMouseKeepThePositionSoundAndTheirRecords) {
  const int games = soakGames();
  for (int started = 0; completed < games; ++started) {
    ASSERT_LT(started, games * 3) << "games stopped ending: " << completed << " ended";
    fp.dialogs.script.clear();
    初期設定(g);
    settle("a new game");
    g.state.ComputerLevel = 1 + started % 4;
    for (int i = roll(4); i > 0; --i) {
      menuClicked(g, roll(3) ? "LEBEL_DOWN" : "LBEL_UP");
      settle("a handicap grade");
    }
    if (roll(4) == 0) randomClick();
    menuClicked(g, roll(2) ? "SENTE" : "GOTE");
    settle("the start");

    const int before = completed;
    for (int turn = 0; turn < 300 && completed == before && !g.ending; ++turn) {
      const bool humanToMove = g.state.VsComputer == kOn && g.state.ReplayMode == kOff &&
                               g.state.Turn == g.state.HumanSide;
      const int r = roll(100);
      if (humanToMove && r < 85) {
        humanMove();
      } else if (r < 90) {
        randomClick();
      } else if (r < 96) {
        command();
      } else if (r < 98) {
        saveAndCheck();
      } else {
        readAndResume();
      }
      if (HasFatalFailure()) return;
    }
    ASSERT_FALSE(g.ending);
  }
  std::printf("soak: %d games ended, %d actions, %d records saved and read back\n", completed,
              actions, saves);
}

}  // namespace
}  // namespace morovan::testing
