// The language and piece-label choices: remembered, drawn, and never reaching a file.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>

#include "Game.h"
#include "model/NewGame.h"
#include "options/DisplayChoices.h"
#include "options/Preferences.h"
#include "options/Settings.h"
#include "platform/FakePlatform.h"
#include "platform/TempDirectory.h"
#include "record/GameKeeping.h"
#include "record/RecordFiles.h"
#include "platform/WholeFile.h"
#include "view/Highlights.h"

namespace morovan {
namespace {

namespace fs = std::filesystem;
using testing::FakePlatform;
using testing::TempDirectory;

TEST(DisplayChoices, LanguageAndLabelsAreRememberedAndMarkedAtTheNextStart) {
  TempDirectory temp;
  {
    FakePlatform fp;
    Game g{fp.platform(), 1};
    g.folders.working = temp.path().string();
    GENGO_ENGLISH_Click(g);
    KOMA_LATIN_Click(g);
    EXPECT_EQ(fp.messages().size(), 1u) << "the language waits for the next start and says so";
  }
  FakePlatform fp;
  Game g{fp.platform(), 1};
  g.folders.working = temp.path().string();
  readDisplayChoices(g);
  EXPECT_TRUE(g.view.LatinPieces);
  EXPECT_TRUE(fp.menu.isChecked(menu::GENGO_ENGLISH));
  EXPECT_FALSE(fp.menu.isChecked(menu::GENGO_SYSTEM));
  EXPECT_TRUE(fp.menu.isChecked(menu::KOMA_LATIN));
  EXPECT_FALSE(fp.menu.isChecked(menu::KOMA_KANJI));

  GENGO_SYSTEM_Click(g);
  EXPECT_EQ(readPreference(g, "language"), "system");
  EXPECT_TRUE(fp.menu.isChecked(menu::GENGO_SYSTEM));
  EXPECT_FALSE(fp.menu.isChecked(menu::GENGO_ENGLISH));
}

TEST(DisplayChoices, LatinLabelsChangeTheFaceUpPiecesAndTheMoveTextButNotTheHiddenOnes) {
  TempDirectory temp;
  FakePlatform fp;
  Game g{fp.platform(), 1};
  g.folders.working = temp.path().string();
  初期設定(g);  // the computer's pieces hidden
  fp.log.clear();
  KOMA_LATIN_Click(g);
  const auto pictures = fp.calls("picture");
  auto drawn = [&](const std::string& code) {
    return std::count_if(pictures.begin(), pictures.end(), [&](const std::string& line) {
      return line.rfind("picture " + code + " ", 0) == 0;
    });
  };
  EXPECT_EQ(drawn("-110"), 9) << "the human's pawns in letters";
  EXPECT_EQ(drawn("-10"), 0);
  EXPECT_EQ(drawn("9"), 20) << "the hidden pieces' backs, whatever they are";
  for (int code = 110; code <= 181; ++code) EXPECT_EQ(drawn(std::to_string(code)), 0);

  fp.log.clear();
  描画_移動結果(g, g.state.HumanSide, 2, 2, -71, kWhite);
  EXPECT_NE(fp.calls("text").end(),
            std::find_if(fp.calls("text").begin(), fp.calls("text").end(),
                         [](const std::string& l) { return l.ends_with(" +R"); }));
}

// Every file of a folder by name (kept games by their order, as their names
// carry the time) with its bytes.
std::map<std::string, std::string> filesIn(const fs::path& folder) {
  std::map<std::string, std::string> files;
  int kept = 0;
  for (const auto& e : fs::recursive_directory_iterator(folder)) {
    if (!e.is_regular_file()) continue;
    const std::string name = e.path().parent_path() == folder ? e.path().filename().string()
                                                              : "kept " + std::to_string(++kept);
    files[name] = *readFileWhole(e.path().string());
  }
  return files;
}

// A game played, abandoned (and so kept), written as a record and its settings
// saved, with the interface in Japanese or in English.
std::map<std::string, std::string> filesOfAGame(bool english) {
  TempDirectory temp;
  FakePlatform fp;
  fp.words.english = english;
  Game g{fp.platform(), 5};
  g.folders.working = temp.path().string();
  g.folders.games = (temp.path() / "games").string();
  初期設定(g);
  g.state.RecordIndex = g.state.RecordLength = g.state.MoveNumber = 1;
  g.keeping.unkept = true;
  初期設定(g);
  fp.panel.dir = g.folders.working;
  fp.panel.texts[1] = "record";
  fp.panel.texts[2] = "名局";
  g.state.RecordLength = 1;
  Command1_Click(g);
  書込_環境設定ファイル(g);
  const std::string shown = fp.messages().at(0);
  EXPECT_EQ(shown.starts_with("EN "), english) << shown;
  auto files = filesIn(temp.path());
  // The index names the kept game by the second it was kept in, which two games
  // need not share.
  if (auto index = files.find("Morovan.history"); index != files.end())
    index->second.erase(0, index->second.find('\t'));
  return files;
}

TEST(DisplayChoices, FilesAreWrittenInJapaneseWhateverTheLanguage) {
  const auto japanese = filesOfAGame(false);
  EXPECT_GE(japanese.size(), 3u);  // the record, the kept game, Morovan.ini and more
  EXPECT_EQ(filesOfAGame(true), japanese);
}

}  // namespace
}  // namespace morovan
