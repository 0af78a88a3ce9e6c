#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Game.h"
#include "flow/Startup.h"
#include "options/Level.h"
#include "platform/FakePlatform.h"
#include "platform/TempDirectory.h"
#include "record/Cp932.h"

namespace morovan {
namespace {

namespace fs = std::filesystem;
using testing::FakePlatform;

using testing::InTempDirectory;

class StartupTest : public ::testing::Test {
 protected:
  InTempDirectory temp;
  FakePlatform fp;
  Game g{fp.platform(), 11};

  // Index of the first log line starting with `prefix`, or the log's size.
  size_t firstAt(const std::string& prefix) const {
    const auto it = std::find_if(fp.log.begin(), fp.log.end(),
                                 [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
    return static_cast<size_t>(it - fp.log.begin());
  }
};

TEST_F(StartupTest, FirstPositionIsShuffledHiddenAndNotStarted) {
  Form_Load(g);

  const GameState& st = g.state;
  EXPECT_EQ(st.Turn, 0);
  EXPECT_EQ(st.SetupOpen, kOn);
  EXPECT_EQ(st.ScreenOn, kOn);
  EXPECT_EQ(st.ReplayMode, kOff);
  EXPECT_EQ(st.RecordLength, 0);
  EXPECT_EQ(st.ComputerLevel, 3);
  EXPECT_TRUE(fp.menu.isChecked(menu::LEVEL3));
  EXPECT_EQ(st.HumanSide, -1);
  EXPECT_EQ(st.ComputerSide, 1);
  const ViewState& v = g.view;
  EXPECT_EQ(v.GuideColour, 2);
  EXPECT_EQ(v.MoveGuidance, 0);

  // No settings file yet: the defaults are written and marked.
  EXPECT_TRUE(fs::exists("Morovan.ini"));
  EXPECT_EQ(v.BackgroundPicture, 2);
  EXPECT_TRUE(fp.menu.isChecked(menu::MIDORI));
  EXPECT_TRUE(fp.menu.isChecked(menu::KEIKA));
  EXPECT_TRUE(fp.menu.isChecked(menu::BGM));
  EXPECT_FALSE(fp.timer.running);

  const Position& p = g.pos;
  EXPECT_EQ(positionFault(p), "");
  int computerPieces = 0;
  for (int x = 1; x <= 9; ++x) {
    EXPECT_NE(p.BoardPieces[x][3], 80);
    for (int y = 1; y <= 9; ++y) {
      if (p.BoardPieces[x][y] >= 10) ++computerPieces;
      EXPECT_EQ(p.EnemyMarks[x][y], p.BoardPieces[x][y] >= 10 ? 9 : 0);
    }
  }
  EXPECT_EQ(computerPieces, 20);
  for (const std::string& line : fp.calls("picture ")) {
    EXPECT_LT(std::atoi(line.c_str() + 8), 10) << "a computer piece shown face up: " << line;
  }

  // In order: the level, the settings, the new game, the window.
  const size_t level = firstAt("check LEVEL3 1");
  const size_t settings = firstAt("check MIDORI 1");
  const size_t newGame = firstAt("timer stop");
  EXPECT_LT(level, settings);
  EXPECT_LT(settings, newGame);
  EXPECT_LT(newGame, fp.log.size());
  EXPECT_EQ(fp.log.back(), "place 0 0 9400 8000");
}

// The level chosen is the next run's level; Morovan.ini keeps its four lines.
TEST_F(StartupTest, TheChosenLevelIsRememberedAcrossRuns) {
  Form_Load(g);
  LEVEL4_Click(g);
  LEVEL1_Click(g);
  for (const auto& [remembered, level] :
       {std::pair<const char*, int>{nullptr, 1}, {"level=9\n", 3}, {"level=2\n", 2}}) {
    if (remembered) std::ofstream("Morovan.prefs") << remembered;
    FakePlatform next;
    Game run(next.platform(), 12);
    Form_Load(run);
    EXPECT_EQ(run.state.ComputerLevel, level) << level;
    for (int n = 1; n <= 4; ++n)
      EXPECT_EQ(next.menu.isChecked("LEVEL" + std::to_string(n)), n == level) << level;
  }
  std::ifstream ini("Morovan.ini");
  int lines = 0;
  for (std::string line; std::getline(ini, line);) ++lines;
  EXPECT_EQ(lines, 4);
}

TEST_F(StartupTest, MaximisedWindowStaysAsItIs) {
  fp.window.maximized = true;
  Form_Load(g);
  EXPECT_TRUE(fp.calls("place").empty());
}

TEST_F(StartupTest, LoadsTheFiveSoundsInOrderAndPlaysTheMusicTheSettingsAskFor) {
  for (const char* name : {"その他.wav", "禁止.wav", "駒打音.wav", "旗立.wav", "BGM.wav"}) {
    std::ofstream(name, std::ios::binary) << "RIFF....WAVE";
  }
  std::ofstream("Morovan.ini", std::ios::binary)
      << toCp932("背景画=畳\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=ON\r\n").value();
  Form_Load(g);
  EXPECT_EQ(fp.log.front(), "dsInitialize");
  EXPECT_EQ(fp.calls("dsCreateDSB"),
            (std::vector<std::string>{"dsCreateDSB 3 -> 100", "dsCreateDSB 3 -> 101",
                                      "dsCreateDSB 3 -> 102", "dsCreateDSB 3 -> 103",
                                      "dsCreateDSB 1 -> 104"}));
  EXPECT_EQ(g.sound.その他, 100);
  EXPECT_EQ(g.sound.禁止, 101);
  EXPECT_EQ(g.sound.駒打音, 102);
  EXPECT_EQ(g.sound.旗立, 103);
  EXPECT_EQ(g.sound.BGM, 104);
  EXPECT_EQ(fp.calls("dsPlayLooping"), std::vector<std::string>{"dsPlayLooping 104"});
  EXPECT_EQ(g.view.BackgroundPicture, 3);
}

TEST_F(StartupTest, AWindowLoadedWithoutSoundStartsTheMusicOnceTheSoundsAreLoaded) {
  for (const char* name : {"その他.wav", "禁止.wav", "駒打音.wav", "旗立.wav", "BGM.wav"}) {
    std::ofstream(name, std::ios::binary) << "RIFF....WAVE";
  }
  for (const char* bgm : {"BGM=ON", "BGM=OFF"}) {
    std::ofstream("Morovan.ini", std::ios::binary)
        << toCp932(std::string("背景画=畳\r\n移動指導=OFF\r\n経過時間=ON\r\n") + bgm + "\r\n")
               .value();
    FakePlatform quiet;
    Game later{quiet.platform(), 11};
    loadWindow(later);
    EXPECT_TRUE(quiet.calls("dsInitialize").empty());
    EXPECT_EQ(later.sound.BGM, 0);
    startSounds(later);
    EXPECT_EQ(quiet.calls("dsCreateDSB").size(), 5u);
    const std::vector<std::string> music = quiet.calls("dsPlayLooping");
    EXPECT_EQ(std::count(music.begin(), music.end(), "dsPlayLooping 104"),
              std::string(bgm) == "BGM=ON")
        << bgm;
  }
}

TEST_F(StartupTest, SettingsGoToTheWorkingFolderAndAMissingSoundSilencesTheGameWithOneWord) {
  testing::TempDirectory working, sounds;
  g.folders = {working.path().string(), sounds.path().string(), {}};
  for (const char* name : {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav"})  // no 旗立.wav
    std::ofstream(sounds.path() / name, std::ios::binary) << "RIFF....WAVE";
  Form_Load(g);

  EXPECT_TRUE(fs::exists(working.path() / "Morovan.ini"));
  EXPECT_TRUE(fs::is_empty(fs::current_path())) << "nothing is written where the game started";
  ASSERT_EQ(fp.dialogs.shown.size(), 1u);
  EXPECT_EQ(fp.dialogs.shown[0].text, "Direct Soundインターフェースが作成できません。");
  // The three loaded are freed and the library let go: no sound is ever played.
  EXPECT_EQ(fp.calls("dsFree"), (std::vector<std::string>{"dsFree 100", "dsFree 101", "dsFree 102",
                                                          "dsFree 0", "dsFree 0"}));
  EXPECT_EQ(fp.calls("dsTerminate").size(), 1u);
  EXPECT_EQ(g.sound.Library, 0);
  EXPECT_EQ(g.sound.その他 + g.sound.禁止 + g.sound.駒打音 + g.sound.旗立 + g.sound.BGM, 0);
}

TEST_F(StartupTest, EveryExitFreesTheSoundsInOrderAndEndsOnce) {
  const std::vector<std::string> shutDown = {"dsFree 11", "dsFree 12",     "dsFree 13", "dsFree 14",
                                             "dsFree 15", "dsTerminate 1", "endProgram"};
  void (*const exits[])(Game&) = {Form_Unload, [](Game& game) { Form_KeyPress(game, 27); },
                                  OWARI_Click};
  for (auto exit : exits) {
    FakePlatform f;
    Game game{f.platform(), 1};
    game.sound = SoundState{1, 11, 12, 13, 14, 15};
    game.state.SelectState = 1;  // also in the middle of choosing a move
    exit(game);
    EXPECT_EQ(f.log, shutDown);
    EXPECT_TRUE(game.ending);
    EXPECT_TRUE(f.window.ended);
    // Whatever exit comes next finds the program already ending.
    for (auto again : exits) again(game);
    終了処理(game);
    EXPECT_EQ(f.log, shutDown);
  }
}

TEST_F(StartupTest, OtherKeysAreIgnoredAndTheEndOfGamePathEndsOnce) {
  g.sound = SoundState{1, 11, 12, 13, 14, 15};
  for (int key : {0, 13, 26, 28, 32, int{'q'}, 255}) Form_KeyPress(g, key);
  EXPECT_TRUE(fp.log.empty());
  EXPECT_FALSE(g.ending);

  // As the end of a game does it: the shut-down, then the end of the program;
  // the window closing afterwards adds nothing.
  終了処理(g);
  g.platform.window.endProgram();
  Form_Unload(g);
  EXPECT_EQ(fp.log, (std::vector<std::string>{"dsFree 11", "dsFree 12", "dsFree 13", "dsFree 14",
                                              "dsFree 15", "dsTerminate 1", "endProgram"}));
}

TEST(GameEnd, YesStartsAFreshGame) {
  FakePlatform fp;
  Game g(fp.platform());
  g.state.Turn = kSente;
  g.state.RecordIndex = 7;
  g.state.ScreenOn = kOff;
  fp.dialogs.script = {Answer::Yes};
  終了(g, "ｺﾝﾋﾟｭｰﾀ");
  EXPECT_EQ(fp.messages(),
            (std::vector<std::string>{"終了|ｺﾝﾋﾟｭｰﾀの勝ちです", "再ゲーム|続けますか？"}));
  EXPECT_EQ(fp.dialogs.shown[1].buttons, Buttons::YesNo);
  EXPECT_EQ(g.state.Turn, 0);
  EXPECT_EQ(g.state.RecordIndex, 0);
  EXPECT_EQ(g.state.ScreenOn, kOn);
  EXPECT_EQ(g.pos.BoardPieces[5][9], -80);
  EXPECT_EQ(positionFault(g.pos), "");
  EXPECT_FALSE(fp.window.ended);
  EXPECT_FALSE(g.ending);
}

TEST(GameEnd, NoFreesTheSoundsAndEndsTheProgram) {
  FakePlatform fp;
  Game g(fp.platform());
  g.sound.Library = 1;
  g.sound.その他 = 100;
  g.sound.禁止 = 101;
  g.sound.駒打音 = 102;
  g.sound.旗立 = 103;
  g.sound.BGM = 104;
  fp.dialogs.script = {Answer::No};
  終了(g, "引き分け");
  EXPECT_EQ(fp.messages(),
            (std::vector<std::string>{"終了|引き分けです", "再ゲーム|続けますか？"}));
  EXPECT_EQ(fp.calls("dsFree"), (std::vector<std::string>{"dsFree 100", "dsFree 101", "dsFree 102",
                                                          "dsFree 103", "dsFree 104"}));
  EXPECT_EQ(fp.calls("dsTerminate").size(), 1u);
  EXPECT_EQ(fp.log.back(), "endProgram");
  EXPECT_TRUE(fp.window.ended);
  EXPECT_TRUE(g.ending);
}

}  // namespace
}  // namespace morovan
