#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Game.h"
#include "options/Settings.h"
#include "platform/FakePlatform.h"
#include "platform/TempDirectory.h"
#include "record/Cp932.h"

namespace morovan {
namespace {

namespace fs = std::filesystem;
using testing::FakePlatform;

using testing::InTempDirectory;

std::string cp932(const std::string& utf8) {
  return toCp932(utf8).value();
}

void writeBytes(const std::string& bytes) {
  std::ofstream out("Morovan.ini", std::ios::binary);
  out << bytes;
}

std::string readBytes() {
  std::ifstream in("Morovan.ini", std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

const std::string kDefaults = cp932("背景画=緑\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=ON\r\n");

class SettingsTest : public ::testing::Test {
 protected:
  InTempDirectory temp;
  FakePlatform fp;
  Game g{fp.platform(), 1};

  void SetUp() override { g.sound = SoundState{1, 11, 12, 13, 14, 15}; }

  int logged(const std::string& line) const {
    return static_cast<int>(std::count(fp.log.begin(), fp.log.end(), line));
  }
  std::vector<std::string> checkedBackgrounds() const {
    std::vector<std::string> out;
    for (const char* item : {menu::MIDORI, menu::TATAMI, menu::TAKE, menu::UCHU, menu::RENGA}) {
      if (fp.menu.isChecked(item)) out.push_back(item);
    }
    return out;
  }
};

// The defaults tick BGM, so the music plays on the very first start as on
// every later one.
TEST_F(SettingsTest, MissingFileGetsTheDefaultsAndTheMusicPlays) {
  読込_環境設定ファイル(g);
  EXPECT_EQ(readBytes(), kDefaults);
  EXPECT_EQ(checkedBackgrounds(), std::vector<std::string>{menu::MIDORI});
  EXPECT_EQ(g.view.BackgroundPicture, 2);
  EXPECT_FALSE(fp.calls("picture 2 ").empty());
  EXPECT_FALSE(fp.menu.isChecked(menu::SIDOU));
  EXPECT_TRUE(fp.menu.isChecked(menu::KEIKA));
  EXPECT_TRUE(fp.menu.isChecked(menu::BGM));
  EXPECT_EQ(fp.calls("dsPlayLooping"), std::vector<std::string>{"dsPlayLooping 15"});
  EXPECT_EQ(g.view.MoveGuidance, 0);
  EXPECT_FALSE(fp.timer.running);
  EXPECT_TRUE(fp.dialogs.shown.empty());
}

TEST_F(SettingsTest, FullFileIsAppliedLineByLineAndLeftAsItWas) {
  const std::string file = cp932("背景画=宇宙\r\n移動指導=ON\r\n経過時間=OFF\r\nBGM=ON\r\n");
  writeBytes(file);
  fp.menu.checked[menu::KEIKA] = true;
  読込_環境設定ファイル(g);
  EXPECT_EQ(checkedBackgrounds(), std::vector<std::string>{menu::UCHU});
  EXPECT_EQ(g.view.BackgroundPicture, 5);
  EXPECT_FALSE(fp.calls("picture 5 ").empty());
  EXPECT_EQ(g.view.MoveGuidance, 1);
  EXPECT_EQ(g.view.GuideColour, 15);
  EXPECT_TRUE(fp.menu.isChecked(menu::SIDOU));
  EXPECT_FALSE(fp.menu.isChecked(menu::KEIKA));
  EXPECT_TRUE(fp.menu.isChecked(menu::BGM));
  EXPECT_EQ(logged("dsPlayLooping 15"), 1);
  EXPECT_EQ(readBytes(), file);

  // Every background line maps to its own picture code.
  const std::pair<const char*, int> backgrounds[] = {
      {"緑", 2}, {"畳", 3}, {"竹", 4}, {"宇宙", 5}, {"煉瓦", 6}};
  for (const auto& [name, code] : backgrounds) {
    writeBytes(
        cp932(std::string("背景画=") + name + "\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=OFF\r\n"));
    g.view.BackgroundPicture = 0;
    読込_環境設定ファイル(g);
    EXPECT_EQ(g.view.BackgroundPicture, code) << name;
    EXPECT_EQ(checkedBackgrounds().size(), 1u);
    EXPECT_EQ(g.view.GuideColour, 2);
    EXPECT_FALSE(fp.menu.isChecked(menu::BGM));
  }
}

TEST_F(SettingsTest, TwoLineFileTakesEffectThenTheDefaultsGoOverIt) {
  writeBytes(cp932("背景画=竹\r\n移動指導=ON\r\n"));
  読込_環境設定ファイル(g);
  // Line 1 drew the bamboo before the defaults drew the green.
  const auto bamboo = std::find_if(fp.log.begin(), fp.log.end(), [](const std::string& l) {
    return l.rfind("picture 4 ", 0) == 0;
  });
  const auto green = std::find_if(fp.log.begin(), fp.log.end(), [](const std::string& l) {
    return l.rfind("picture 2 ", 0) == 0;
  });
  EXPECT_LT(bamboo, green);
  EXPECT_NE(green, fp.log.end());
  EXPECT_EQ(readBytes(), kDefaults);
  EXPECT_EQ(checkedBackgrounds(), std::vector<std::string>{menu::MIDORI});
  EXPECT_EQ(g.view.BackgroundPicture, 2);
  EXPECT_FALSE(fp.menu.isChecked(menu::SIDOU));
  EXPECT_TRUE(fp.menu.isChecked(menu::KEIKA));
  EXPECT_TRUE(fp.menu.isChecked(menu::BGM));
  EXPECT_EQ(logged("dsPlayLooping 15"), 1);
  // The guidance that line 2 switched on goes off with its mark.
  EXPECT_EQ(g.view.MoveGuidance, 0);
  EXPECT_EQ(g.view.GuideColour, g.view.BackColour);
}

// A file cut before its last line: the three lines take effect, then the
// defaults go over them and the file is rewritten whole with four lines.
TEST_F(SettingsTest, ThreeLineFileGetsTheDefaultsAndItsFourthLine) {
  writeBytes(cp932("背景画=竹\r\n移動指導=ON\r\n経過時間=OFF\r\n"));
  読込_環境設定ファイル(g);
  EXPECT_EQ(readBytes(), kDefaults);
  EXPECT_TRUE(fp.menu.isChecked(menu::KEIKA));
  EXPECT_FALSE(fp.menu.isChecked(menu::SIDOU));
  EXPECT_EQ(checkedBackgrounds(), std::vector<std::string>{menu::MIDORI});
  EXPECT_EQ(logged("dsPlayLooping 15"), 1);
}

TEST_F(SettingsTest, GarbageAndForeignEncodingsMatchNoLine) {
  // Four lines of nonsense, including bytes that are not CP932 at all.
  const std::string garbage = std::string("\x81\xff\xfe junk\r\nhello\r\n\r\n") + "BGM=ON \r\n";
  writeBytes(garbage);
  読込_環境設定ファイル(g);
  EXPECT_TRUE(checkedBackgrounds().empty());
  EXPECT_EQ(g.view.BackgroundPicture, 0);
  EXPECT_FALSE(fp.menu.isChecked(menu::SIDOU));
  EXPECT_FALSE(fp.menu.isChecked(menu::KEIKA));
  EXPECT_FALSE(fp.menu.isChecked(menu::BGM));
  EXPECT_EQ(readBytes(), garbage);

  // The same texts in UTF-8 are not the file's code page; only the line
  // that is plain ASCII reads the same in both.
  writeBytes("背景画=竹\r\n移動指導=ON\r\n経過時間=ON\r\nBGM=ON\r\n");
  読込_環境設定ファイル(g);
  EXPECT_TRUE(checkedBackgrounds().empty());
  EXPECT_FALSE(fp.menu.isChecked(menu::SIDOU));
  EXPECT_FALSE(fp.menu.isChecked(menu::KEIKA));
  EXPECT_TRUE(fp.menu.isChecked(menu::BGM));

  // An empty file lacks even line 1.
  writeBytes("");
  読込_環境設定ファイル(g);
  EXPECT_EQ(readBytes(), kDefaults);
}

TEST_F(SettingsTest, WrittenFileReadsBackTheSameSettings) {
  読込_環境設定ファイル(g);
  TAKE_Click(g);
  SIDOU_Click(g);
  KEIKA_Click(g);
  BGM_Click(g);
  EXPECT_EQ(readBytes(), cp932("背景画=竹\r\n移動指導=ON\r\n経過時間=OFF\r\nBGM=OFF\r\n"));

  FakePlatform fp2;
  Game g2{fp2.platform(), 1};
  読込_環境設定ファイル(g2);
  EXPECT_TRUE(fp2.menu.isChecked(menu::TAKE));
  EXPECT_EQ(g2.view.BackgroundPicture, 4);
  EXPECT_TRUE(fp2.menu.isChecked(menu::SIDOU));
  EXPECT_EQ(g2.view.MoveGuidance, 1);
  EXPECT_FALSE(fp2.menu.isChecked(menu::KEIKA));
  EXPECT_FALSE(fp2.menu.isChecked(menu::BGM));

  // The writer names the first marked background in the order 緑, 竹, 畳.
  fp.menu.checked[menu::TATAMI] = true;
  書込_環境設定ファイル(g);
  EXPECT_EQ(readBytes().substr(0, cp932("背景画=竹\r\n").size()), cp932("背景画=竹\r\n"));
}

// With no background marked the file keeps its first line, empty, so the
// other three stay on their own lines and read back as they were written.
TEST_F(SettingsTest, NoBackgroundMarkedStillReadsBackInPlace) {
  writeBytes(cp932("x\r\n移動指導=ON\r\n経過時間=ON\r\nBGM=OFF\r\n"));
  読込_環境設定ファイル(g);
  ASSERT_TRUE(checkedBackgrounds().empty());
  BGM_Click(g);
  EXPECT_EQ(readBytes(), cp932("\r\n移動指導=ON\r\n経過時間=ON\r\nBGM=ON\r\n"));

  FakePlatform fp2;
  Game g2{fp2.platform(), 1};
  読込_環境設定ファイル(g2);
  EXPECT_EQ(g2.view.BackgroundPicture, 0);
  EXPECT_TRUE(fp2.menu.isChecked(menu::SIDOU));
  EXPECT_TRUE(fp2.menu.isChecked(menu::KEIKA));
  EXPECT_TRUE(fp2.menu.isChecked(menu::BGM));
}

TEST_F(SettingsTest, UnwritablePlacesCrashNothingAndLeaveNoPartialFile) {
  // A directory where the file should be: it can be neither read nor replaced.
  fs::create_directory("Morovan.ini");
  読込_環境設定ファイル(g);
  EXPECT_EQ(g.view.BackgroundPicture, 2);
  EXPECT_TRUE(fp.menu.isChecked(menu::KEIKA));
  SIDOU_Click(g);
  EXPECT_TRUE(fs::is_directory("Morovan.ini"));
  EXPECT_EQ(std::distance(fs::directory_iterator(temp.dir()), fs::directory_iterator()), 1);
  // The marks keep telling what is in effect for this run.
  EXPECT_TRUE(fp.menu.isChecked(menu::SIDOU));
  EXPECT_EQ(g.view.MoveGuidance, 1);
  BGM_Click(g);
  EXPECT_FALSE(fp.menu.isChecked(menu::BGM));
  EXPECT_TRUE(fp.dialogs.shown.empty());

  // A working directory that no longer exists.
  fs::remove("Morovan.ini");
  fs::remove(temp.dir());
  FakePlatform fp2;
  Game g2{fp2.platform(), 1};
  読込_環境設定ファイル(g2);
  EXPECT_EQ(g2.view.BackgroundPicture, 2);
  KEIKA_Click(g2);
  EXPECT_FALSE(fp2.menu.isChecked(menu::KEIKA));
  EXPECT_TRUE(fp2.dialogs.shown.empty());
}

TEST_F(SettingsTest, BackgroundItemsMarkWriteAndRedraw) {
  読込_環境設定ファイル(g);
  fp.log.clear();
  RENGA_Click(g);
  EXPECT_EQ(checkedBackgrounds(), std::vector<std::string>{menu::RENGA});
  EXPECT_EQ(g.view.BackgroundPicture, 6);
  EXPECT_FALSE(fp.calls("picture 6 ").empty());
  EXPECT_EQ(readBytes().substr(0, cp932("背景画=煉瓦").size()), cp932("背景画=煉瓦"));

  // The marked item again: still written and redrawn.
  fs::remove("Morovan.ini");
  fp.log.clear();
  RENGA_Click(g);
  EXPECT_TRUE(fs::exists("Morovan.ini"));
  EXPECT_FALSE(fp.calls("picture 6 ").empty());

  TATAMI_Click(g);
  EXPECT_EQ(g.view.BackgroundPicture, 3);
  UCHU_Click(g);
  EXPECT_EQ(g.view.BackgroundPicture, 5);
  MIDORI_Click(g);
  EXPECT_EQ(g.view.BackgroundPicture, 2);
  EXPECT_EQ(checkedBackgrounds(), std::vector<std::string>{menu::MIDORI});
  EXPECT_EQ(readBytes(), kDefaults);
}

TEST_F(SettingsTest, GuidanceOffWipesTheOutlinesOfBoardAndHands) {
  読込_環境設定ファイル(g);
  SIDOU_Click(g);
  EXPECT_EQ(g.view.MoveGuidance, 1);
  EXPECT_EQ(g.view.GuideColour, 15);
  fp.log.clear();
  SIDOU_Click(g);
  EXPECT_EQ(g.view.MoveGuidance, 0);
  EXPECT_EQ(g.view.GuideColour, 2);
  EXPECT_FALSE(fp.menu.isChecked(menu::SIDOU));
  const auto outlines = fp.calls("outline ");
  EXPECT_EQ(outlines.size(), 81u + 7u + 7u);
  for (const std::string& l : outlines) EXPECT_EQ(l.substr(l.size() - 2), " 2") << l;
  auto outlined = [&](int col, int row) {
    const std::string line = "outline " + std::to_string(static_cast<int>(cellX(col))) + " " +
                             std::to_string(static_cast<int>(cellY(row))) + " " +
                             std::to_string(static_cast<int>(cellX(col + 1))) + " " +
                             std::to_string(static_cast<int>(cellY(row + 1))) + " 2";
    return std::find(outlines.begin(), outlines.end(), line) != outlines.end();
  };
  EXPECT_TRUE(outlined(1, 1));
  EXPECT_TRUE(outlined(9, 9));
  EXPECT_TRUE(outlined(-1, 1));
  EXPECT_TRUE(outlined(-1, 7));
  EXPECT_TRUE(outlined(11, 3));
  EXPECT_TRUE(outlined(11, 9));
  EXPECT_FALSE(outlined(11, 2));
  EXPECT_EQ(readBytes(), kDefaults);
}

TEST_F(SettingsTest, TimeDisplayAndMusicSwitch) {
  読込_環境設定ファイル(g);
  fp.log.clear();
  KEIKA_Click(g);
  EXPECT_FALSE(fp.menu.isChecked(menu::KEIKA));
  EXPECT_EQ(logged("timer stop"), 1);
  EXPECT_TRUE(fp.calls("text ").empty());
  EXPECT_FALSE(fp.calls("picture 2 ").empty());  // the times are covered by tiles

  g.state.ComputerTime = 3725;
  fp.log.clear();
  KEIKA_Click(g);
  EXPECT_TRUE(fp.menu.isChecked(menu::KEIKA));
  EXPECT_TRUE(fp.timer.running);
  const auto texts = fp.calls("text ");
  ASSERT_FALSE(texts.empty());
  EXPECT_NE(texts.front().find("01:02:05"), std::string::npos);  // the computer's first
  EXPECT_NE(texts.back().find("00:00:00"), std::string::npos);
  EXPECT_EQ(readBytes(), kDefaults);

  fp.log.clear();
  BGM_Click(g);
  EXPECT_EQ(fp.log.front(), "check BGM 0");
  EXPECT_EQ(logged("dsStop 15"), 1);
  BGM_Click(g);
  EXPECT_EQ(logged("dsPlayLooping 15"), 1);
  EXPECT_TRUE(fp.menu.isChecked(menu::BGM));
  EXPECT_EQ(readBytes(), kDefaults);
}

}  // namespace
}  // namespace morovan
