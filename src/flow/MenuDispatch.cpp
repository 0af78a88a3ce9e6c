#include "flow/MenuDispatch.h"

#include <string_view>

#include "Game.h"
#include "flow/PositionMenu.h"
#include "flow/Startup.h"
#include "flow/TurnCycle.h"
#include "model/NewGame.h"
#include "options/About.h"
#include "options/DisplayChoices.h"
#include "options/HowToPlay.h"
#include "options/Level.h"
#include "options/Settings.h"
#include "options/Statistics.h"
#include "record/RecordFiles.h"
#include "record/Replay.h"
#include "record/Review.h"

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
    {menu::SENTE, SENTE_Click},         {menu::GOTE, GOTE_Click},
    {menu::LEVEL1, LEVEL1_Click},       {menu::LEVEL2, LEVEL2_Click},
    {menu::LEVEL3, LEVEL3_Click},       {menu::LEVEL4, LEVEL4_Click},
    {menu::OWARI, OWARI_Click},         {menu::CANCEL, CANCEL_Click},
    {menu::REVERSE, REVERSE_Click},     {menu::ICHIJI, ICHIJI_Click},
    {menu::REPLAY, REPLAY_Click},       {menu::AFTER, AFTER_Click},
    {menu::LBEL_UP, LBEL_UP_Click},     {menu::LEBEL_DOWN, LEBEL_DOWN_Click},
    {menu::KIFU_READ, KIFU_READ_Click}, {menu::KIFU_WRITE, KIFU_WRITE_Click},
    {menu::RIREKI, RIREKI_Click},       {menu::SEISEKI, SEISEKI_Click},
    {menu::MIDORI, MIDORI_Click},       {menu::TATAMI, TATAMI_Click},
    {menu::TAKE, TAKE_Click},           {menu::UCHU, UCHU_Click},
    {menu::RENGA, RENGA_Click},         {menu::SIDOU, SIDOU_Click},
    {menu::KEIKA, KEIKA_Click},         {menu::BGM, BGM_Click},
    {menu::ASOBIKATA, ASOBIKATA_Click}, {menu::ABOUT, VER_Click},
    {menu::GENGO_SYSTEM, GENGO_SYSTEM_Click}, {menu::GENGO_NIHONGO, GENGO_NIHONGO_Click},
    {menu::GENGO_ENGLISH, GENGO_ENGLISH_Click}, {menu::KOMA_KANJI, KOMA_KANJI_Click},
    {menu::KOMA_LATIN, KOMA_LATIN_Click},
};

// Shorthand for the table: the game keeps the item's check mark.
constexpr bool kChecked = true;

}  // namespace

const std::vector<MenuItem>& menuItems() {
  static const std::vector<MenuItem> items = {
      {menu::TAIKYOKU, sourceText("Menu", "対局"), 0},
      {menu::SENTE, sourceText("Menu", "先手"), 1},
      {menu::GOTE, sourceText("Menu", "後手"), 1},
      {menu::LEVEL, sourceText("Menu", "COM対局ﾚﾍﾞﾙ"), 1},
      {menu::LEVEL1, "LEVEL1", 2, kChecked, Choice::Level},
      {menu::LEVEL2, "LEVEL2", 2, kChecked, Choice::Level},
      {menu::LEVEL3, "LEVEL3", 2, kChecked, Choice::Level},
      {menu::LEVEL4, "LEVEL4", 2, kChecked, Choice::Level},
      {menu::OWARI, sourceText("Menu", "終わり"), 1},
      {menu::STOP, sourceText("Menu", "局面"), 0},
      {menu::CANCEL, sourceText("Menu", "最初"), 1},
      {menu::REVERSE, sourceText("Menu", "反転"), 1},
      {menu::ICHIJI, sourceText("Menu", "一時表示"), 1, kChecked},
      {menu::REPLAY, sourceText("Menu", "戻"), 0},
      {menu::AFTER, sourceText("Menu", "進"), 0},
      {menu::LBEL_UP, sourceText("Menu", "△"), 0},
      {menu::LEBEL_DOWN, sourceText("Menu", "▽"), 0},
      {menu::KIFU, sourceText("Menu", "棋譜"), 0},
      {menu::KIFU_READ, sourceText("Menu", "読込"), 1},
      {menu::KIFU_WRITE, sourceText("Menu", "書込"), 1},
      {menu::RIREKI, sourceText("Menu", "対局履歴"), 1},
      {menu::SEISEKI, sourceText("Menu", "戦績"), 1},
      {menu::OPTION, sourceText("Menu", "ｵﾌﾟｼｮﾝ"), 0},
      {menu::HAIKEI_GA, sourceText("Menu", "背景画"), 1},
      {menu::MIDORI, sourceText("Menu", "緑"), 2, kChecked, Choice::Background},
      {menu::TATAMI, sourceText("Menu", "畳"), 2, kChecked, Choice::Background},
      {menu::TAKE, sourceText("Menu", "竹"), 2, kChecked, Choice::Background},
      {menu::UCHU, sourceText("Menu", "宇宙"), 2, kChecked, Choice::Background},
      {menu::RENGA, sourceText("Menu", "煉瓦"), 2, kChecked, Choice::Background},
      {menu::SIDOU, sourceText("Menu", "移動指導"), 1, kChecked},
      {menu::KEIKA, sourceText("Menu", "経過時間"), 1, kChecked},
      {menu::BGM, "BGM", 1, kChecked},
      {menu::GENGO, sourceText("Menu", "言語"), 1},
      {menu::GENGO_SYSTEM, sourceText("Menu", "システムの言語"), 2, kChecked, Choice::Language},
      {menu::GENGO_NIHONGO, "日本語", 2, kChecked, Choice::Language},
      {menu::GENGO_ENGLISH, "English", 2, kChecked, Choice::Language},
      {menu::KOMA_MOJI, sourceText("Menu", "駒の文字"), 1},
      {menu::KOMA_KANJI, sourceText("Menu", "漢字"), 2, kChecked, Choice::Pieces},
      {menu::KOMA_LATIN, sourceText("Menu", "ローマ字 (K R B G S N L P)"), 2, kChecked,
       Choice::Pieces},
      {menu::VER, sourceText("Menu", "その他"), 0},
      {menu::ASOBIKATA, sourceText("Menu", "遊び方"), 1},
      {menu::ABOUT, sourceText("Menu", "Morovan について"), 1},
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
  if (item == menu::TAIKYOKU) {
    TAIKYOKU_Click(g);
  } else if (item == menu::STOP || item == menu::OPTION || item == menu::VER) {
    // The panel's lists must not hide what the menu is about to change.
    closeRecordPanel(g);
  }
  // Opening 棋譜 has no action of its own: its two items show the panel.
}

}  // namespace morovan
