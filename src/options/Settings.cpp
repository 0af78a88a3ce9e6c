#include "options/Settings.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Game.h"
#include "options/TimeKeeping.h"
#include "platform/WholeFile.h"
#include "record/Cp932.h"
#include "view/Pictures.h"
#include "view/Screen.h"

namespace morovan {
namespace {

constexpr const char* kSettingsFile = "Morovan.ini";

// The settings file in the game's working folder.
std::string settingsPath(const Game& g) {
  return (std::filesystem::path(g.folders.working) / kSettingsFile).string();
}

struct Background {
  const char* item;
  const char* line;
  int code;
};

// In the order the writer looks for the first marked item.
constexpr Background kBackgrounds[5] = {{menu::MIDORI, "背景画=緑", kPictureMidori},
                                        {menu::TAKE, "背景画=竹", kPictureTake},
                                        {menu::TATAMI, "背景画=畳", kPictureTatami},
                                        {menu::UCHU, "背景画=宇宙", kPictureUchu},
                                        {menu::RENGA, "背景画=煉瓦", kPictureRenga}};

const char* const kDefaultLines[4] = {"背景画=緑", "移動指導=OFF", "経過時間=ON", "BGM=ON"};

// Lines are compared as the bytes the file holds.
bool sameLine(std::string_view bytes, const char* text) {
  const std::optional<std::string> encoded = toCp932(text);
  return encoded && *encoded == bytes;
}

// Writes the lines whole, each ended by CR LF, or leaves the file as it was.
bool writeLines(const Game& g, const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& l : lines) text += l + "\r\n";
  const std::optional<std::string> bytes = toCp932(text);
  return bytes && writeFileWhole(settingsPath(g), *bytes);
}

void selectBackground(Game& g, int code) {
  for (const Background& b : kBackgrounds) {
    if (b.code == code) {
      if (!g.platform.menu.isChecked(b.item)) {
        チェック設定(g, code);
        g.view.BackgroundPicture = code;
      }
      break;
    }
  }
  書込_環境設定ファイル(g);
  画面_再描画(g);
}

// What reading falls back on when the file cannot be read to its fourth line.
void applyReadDefaults(Game& g) {
  writeLines(g, {kDefaultLines, kDefaultLines + 4});
  チェック設定(g, kPictureMidori);
  描画_背景(g, kPictureMidori);
  g.view.BackgroundPicture = kPictureMidori;
  Menu& menu = g.platform.menu;
  // Guidance goes off with its mark: a mark that lies would take two clicks to
  // switch guidance off.
  menu.setChecked(menu::SIDOU, false);
  g.view.MoveGuidance = kOff;
  g.view.GuideColour = g.view.BackColour;
  menu.setChecked(menu::KEIKA, true);
  // A ticked BGM that stays silent would need two clicks to hear the music.
  menu.setChecked(menu::BGM, true);
  g.platform.sound.dsPlayLooping(g.sound.BGM);
}

}  // namespace

void チェック設定(Game& g, int code) {
  Menu& menu = g.platform.menu;
  for (const Background& b : kBackgrounds) menu.setChecked(b.item, false);
  for (const Background& b : kBackgrounds) {
    if (b.code == code) menu.setChecked(b.item, true);
  }
}

void 読込_環境設定ファイル(Game& g) {
  const std::optional<std::string> bytes = readFileWhole(settingsPath(g));
  const std::vector<std::string_view> lines =
      bytes ? splitLines(*bytes) : std::vector<std::string_view>{};
  Menu& menu = g.platform.menu;
  ViewState& v = g.view;

  if (lines.size() < 1) return applyReadDefaults(g);
  for (const Background& b : kBackgrounds) {
    if (sameLine(lines[0], b.line)) {
      チェック設定(g, b.code);
      描画_背景(g, b.code);
      v.BackgroundPicture = b.code;
      break;
    }
  }

  if (lines.size() < 2) return applyReadDefaults(g);
  if (sameLine(lines[1], "移動指導=ON")) {
    v.GuideColour = v.TextColour;
    menu.setChecked(menu::SIDOU, true);
    v.MoveGuidance = kOn;
  } else {
    v.GuideColour = v.BackColour;
    menu.setChecked(menu::SIDOU, false);
    v.MoveGuidance = kOff;
  }

  if (lines.size() < 3) return applyReadDefaults(g);
  menu.setChecked(menu::KEIKA, sameLine(lines[2], "経過時間=ON"));

  if (lines.size() < 4) return applyReadDefaults(g);
  if (sameLine(lines[3], "BGM=ON")) {
    menu.setChecked(menu::BGM, true);
    g.platform.sound.dsPlayLooping(g.sound.BGM);
  } else {
    menu.setChecked(menu::BGM, false);
  }
}

void 書込_環境設定ファイル(Game& g) {
  const Menu& menu = g.platform.menu;
  // With no background marked the first line is left empty rather than out:
  // the reader takes the lines by position, and a missing first line would
  // shift the other three onto the wrong settings.
  std::string background;
  for (const Background& b : kBackgrounds) {
    if (menu.isChecked(b.item)) {
      background = b.line;
      break;
    }
  }
  // A failed write leaves the old file whole and the marks as they are: the
  // marks tell which options are in effect for this run, and resetting them to
  // defaults that were never applied would make the menu lie and the options
  // impossible to switch.
  writeLines(g, {background, menu.isChecked(menu::SIDOU) ? "移動指導=ON" : "移動指導=OFF",
                 menu.isChecked(menu::KEIKA) ? "経過時間=ON" : "経過時間=OFF",
                 menu.isChecked(menu::BGM) ? "BGM=ON" : "BGM=OFF"});
}

void MIDORI_Click(Game& g) {
  selectBackground(g, kPictureMidori);
}

void TATAMI_Click(Game& g) {
  selectBackground(g, kPictureTatami);
}

void TAKE_Click(Game& g) {
  selectBackground(g, kPictureTake);
}

void UCHU_Click(Game& g) {
  selectBackground(g, kPictureUchu);
}

void RENGA_Click(Game& g) {
  selectBackground(g, kPictureRenga);
}

void SIDOU_Click(Game& g) {
  Menu& menu = g.platform.menu;
  ViewState& v = g.view;
  if (menu.isChecked(menu::SIDOU)) {
    // Wipe the guidance outlines from the board and from both hands.
    for (int col = 1; col <= kBoardSize; ++col) {
      for (int row = 1; row <= kBoardSize; ++row) 描画_桝輪郭(g, v.GridColour, col, row);
    }
    for (int row = 1; row <= kHandKinds; ++row) 描画_桝輪郭(g, v.GridColour, kComputerHandX, row);
    for (int row = 3; row <= kHandKinds + 2; ++row) 描画_桝輪郭(g, v.GridColour, kHumanHandX, row);
    menu.setChecked(menu::SIDOU, false);
    v.MoveGuidance = kOff;
    v.GuideColour = v.GridColour;
  } else {
    menu.setChecked(menu::SIDOU, true);
    v.MoveGuidance = kOn;
    v.GuideColour = v.TextColour;
  }
  書込_環境設定ファイル(g);
}

void KEIKA_Click(Game& g) {
  Menu& menu = g.platform.menu;
  GameState& st = g.state;
  if (menu.isChecked(menu::KEIKA)) {
    menu.setChecked(menu::KEIKA, false);
    g.platform.timer.stop();
    消去_所有時間(g, st.HumanSide);
    消去_所有時間(g, st.ComputerSide);
  } else {
    menu.setChecked(menu::KEIKA, true);
    g.platform.timer.start();
    描画_所有時間(g, st.ComputerSide, st.ComputerTime);
    描画_所有時間(g, st.HumanSide, st.HumanTime);
  }
  書込_環境設定ファイル(g);
}

void BGM_Click(Game& g) {
  Menu& menu = g.platform.menu;
  if (menu.isChecked(menu::BGM)) {
    menu.setChecked(menu::BGM, false);
    g.platform.sound.dsStop(g.sound.BGM);
  } else {
    menu.setChecked(menu::BGM, true);
    g.platform.sound.dsPlayLooping(g.sound.BGM);
  }
  書込_環境設定ファイル(g);
}

}  // namespace morovan
