#include "flow/MenuDispatch.h"

#include <string_view>

#include "Game.h"
#include "flow/PositionMenu.h"
#include "flow/Startup.h"
#include "flow/TurnCycle.h"
#include "model/NewGame.h"
#include "options/About.h"
#include "options/HowToPlay.h"
#include "options/Level.h"
#include "options/Settings.h"
#include "record/RecordFiles.h"
#include "record/Replay.h"

namespace morovan {
namespace {

using Handler = void (*)(Game&);

struct Route {
  std::string_view item;
  Handler handler;
};

// Every item that acts on a click. Items that only open a menu (TAIKYOKU, LEVEL,
// STOP, KIFU, OPTION, HAIKEI_GA, VER) are absent: their clicks do nothing.
constexpr Route kClickRoutes[] = {
    {"SENTE", SENTE_Click},         {"GOTE", GOTE_Click},
    {"LEVEL1", LEVEL1_Click},       {"LEVEL2", LEVEL2_Click},
    {"LEVEL3", LEVEL3_Click},       {"LEVEL4", LEVEL4_Click},
    {"OWARI", OWARI_Click},         {"CANCEL", CANCEL_Click},
    {"REVERSE", REVERSE_Click},     {"ICHIJI", ICHIJI_Click},
    {"REPLAY", REPLAY_Click},       {"AFTER", AFTER_Click},
    {"LBEL_UP", LBEL_UP_Click},     {"LEBEL_DOWN", LEBEL_DOWN_Click},
    {"KIFU_READ", KIFU_READ_Click}, {"KIFU_WRITE", KIFU_WRITE_Click},
    {"MIDORI", MIDORI_Click},       {"TATAMI", TATAMI_Click},
    {"TAKE", TAKE_Click},           {"UCHU", UCHU_Click},
    {"RENGA", RENGA_Click},         {"SIDOU", SIDOU_Click},
    {"KEIKA", KEIKA_Click},         {"BGM", BGM_Click},
    {"ASOBIKATA", ASOBIKATA_Click}, {"ABOUT", VER_Click},
};

}  // namespace

const std::vector<MenuItem>& menuItems() {
  static const std::vector<MenuItem> items = {
      {"TAIKYOKU", "対局", 0},     {"SENTE", "先手", 1},       {"GOTE", "後手", 1},
      {"LEVEL", "COM対局ﾚﾍﾞﾙ", 1}, {"LEVEL1", "LEVEL1", 2},    {"LEVEL2", "LEVEL2", 2},
      {"LEVEL3", "LEVEL3", 2},     {"LEVEL4", "LEVEL4", 2},    {"OWARI", "終わり", 1},
      {"STOP", "局面", 0},         {"CANCEL", "最初", 1},      {"REVERSE", "反転", 1},
      {"ICHIJI", "一時表示", 1},   {"REPLAY", "戻", 0},        {"AFTER", "進", 0},
      {"LBEL_UP", "△", 0},         {"LEBEL_DOWN", "▽", 0},     {"KIFU", "棋譜", 0},
      {"KIFU_READ", "読込", 1},    {"KIFU_WRITE", "書込", 1},  {"OPTION", "ｵﾌﾟｼｮﾝ", 0},
      {"HAIKEI_GA", "背景画", 1},  {"MIDORI", "緑", 2},        {"TATAMI", "畳", 2},
      {"TAKE", "竹", 2},           {"UCHU", "宇宙", 2},        {"RENGA", "煉瓦", 2},
      {"SIDOU", "移動指導", 1},    {"KEIKA", "経過時間", 1},   {"BGM", "BGM", 1},
      {"VER", "その他", 0},        {"ASOBIKATA", "遊び方", 1}, {"ABOUT", "Morovan について", 1},
  };
  return items;
}

void menuClicked(Game& g, const std::string& item) {
  for (const Route& r : kClickRoutes) {
    if (r.item == item) {
      r.handler(g);
      return;
    }
  }
}

void menuOpened(Game& g, const std::string& item) {
  if (item == "TAIKYOKU") {
    TAIKYOKU_Click(g);
  } else if (item == "STOP" || item == "OPTION" || item == "VER") {
    // The panel's lists must not hide what the menu is about to change.
    closeRecordPanel(g);
  }
  // Opening 棋譜 has no action of its own: its two items show the panel.
}

}  // namespace morovan
