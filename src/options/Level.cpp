#include "options/Level.h"

#include <string>

#include "Game.h"
#include "options/Preferences.h"
#include "view/Pictures.h"
#include "view/Texts.h"

namespace morovan {
namespace {

constexpr const char* kLevelKey = "level";
constexpr int kStartLevel = 3;

void levelClick(Game& g, int n) {
  // Clears the level area first: before a game starts nothing is drawn there again.
  for (int col = -2; col <= 0; ++col) 描画_絵(g, g.view.BackgroundPicture, col, 0);
  レベル_設定(g, n);
  if (!writePreference(g, kLevelKey, std::to_string(n)))
    tell(g, sourceText("Message", "COM対局ﾚﾍﾞﾙ"),
         sourceText("Message", "設定を保存できませんでした"));
}

}  // namespace

void LEVEL1_Click(Game& g) {
  levelClick(g, 1);
}

void LEVEL2_Click(Game& g) {
  levelClick(g, 2);
}

void LEVEL3_Click(Game& g) {
  levelClick(g, 3);
}

void LEVEL4_Click(Game& g) {
  levelClick(g, 4);
}

void レベル_設定(Game& g, int n) {
  Menu& menu = g.platform.menu;
  const char* const levels[] = {menu::LEVEL1, menu::LEVEL2, menu::LEVEL3, menu::LEVEL4};
  for (const char* level : levels) menu.setChecked(level, false);
  if (n >= 1 && n <= 4) {
    menu.setChecked(levels[n - 1], true);
    g.state.ComputerLevel = n;
  }
  if (g.state.VsComputer == kOn) 描画_レベル(g, g.state.ComputerLevel);
}

void 描画_レベル(Game& g, int level) {
  const ViewState& v = g.view;
  描画_数値(g, -1.4, 0.2, "LEVEL", v.ShadowColour, 0, 10);
  描画_数値(g, -1.5, 0.1, "LEVEL", v.TextColour, 0, 10);
  描画_数値(g, 0.1, 0.1, level, v.ShadowColour, 0, 12);
  描画_数値(g, 0, 0, level, v.TextColour, 0, 12);
}

void restoreLevel(Game& g) {
  const std::string saved = readPreference(g, kLevelKey);
  int n = kStartLevel;
  if (saved.size() == 1 && saved[0] >= '1' && saved[0] <= '4') n = saved[0] - '0';
  レベル_設定(g, n);
}

}  // namespace morovan
