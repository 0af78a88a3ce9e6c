#include "flow/Startup.h"

#include "Game.h"
#include "model/NewGame.h"
#include "options/Level.h"
#include "options/DisplayChoices.h"
#include "options/Settings.h"
#include "options/Statistics.h"
#include "record/GameKeeping.h"
#include "view/SoundModule.h"
#include "view/Texts.h"

namespace morovan {
namespace {

constexpr int kEscKey = 27;

// Start-up window in twips: top-left of the screen, 9400 x 8000.
constexpr int kWindowWidth = 9400;
constexpr int kWindowHeight = 8000;

// Runs the shut-down once and ends the program; a later exit finds the game
// already ending and does nothing.
void leave(Game& g) {
  if (g.ending) return;
  keepGame(g, kAbandonedGame);
  終了処理(g);
  g.platform.window.endProgram();
}

}  // namespace

void Form_Load(Game& g) {
  soundStart(g);
  loadSounds(g);
  loadWindow(g);
}

void loadWindow(Game& g) {
  GameState& st = g.state;
  st.ReplayMode = kOff;
  st.RecordLength = 0;
  restoreLevel(g);
  st.HumanSide = kGote;
  st.ComputerSide = kSente;

  ViewState& v = g.view;
  v.MoveGuidance = kOff;
  v.TextColour = kWhite;
  v.AccentColour = 12;
  v.ShadowColour = 0;
  v.LabelColour = 14;
  v.ResultColour = kWhite;
  v.BackColour = 2;
  v.GridColour = 2;
  v.GuideColour = 2;

  読込_環境設定ファイル(g);
  readDisplayChoices(g);
  初期設定(g);

  if (!g.platform.window.isMaximized()) g.platform.window.place(0, 0, kWindowWidth, kWindowHeight);
}

void startSounds(Game& g) {
  soundStart(g);
  loadSounds(g);
  // The settings were read while there was no music to start.
  if (g.platform.menu.isChecked(menu::BGM)) g.platform.sound.dsPlayLooping(g.sound.BGM);
}

void Form_Unload(Game& g) {
  leave(g);
}

void Form_KeyPress(Game& g, int KeyAscii) {
  if (KeyAscii == kEscKey) leave(g);
}

void OWARI_Click(Game& g) {
  leave(g);
}

void 終了処理(Game& g) {
  // Freeing a buffer twice would hand the library a dead handle.
  if (g.ending) return;
  g.ending = true;
  SoundState& s = g.sound;
  for (int* buffer : {&s.その他, &s.禁止, &s.駒打音, &s.旗立, &s.BGM}) {
    g.platform.sound.dsFree(*buffer);
    *buffer = 0;
  }
  soundStop(g);
}

namespace {

// The result of a game as 終了 announces and keeps it, in Japanese; each is a
// whole text of the catalogue.
std::string resultText(const std::string& WinnerText) {
  if (WinnerText == "引き分け") return sourceText("Message", "引き分けです");
  if (WinnerText == "あなた") return sourceText("Message", "あなたの勝ちです");
  if (WinnerText == "コンピュータ") return sourceText("Message", "コンピュータの勝ちです");
  if (WinnerText == "ｺﾝﾋﾟｭｰﾀ") return sourceText("Message", "ｺﾝﾋﾟｭｰﾀの勝ちです");
  return WinnerText + "の勝ちです";
}

}  // namespace

void 終了(Game& g, const std::string& WinnerText) {
  const std::string result = resultText(WinnerText);
  tell(g, sourceText("Message", "終了"), result, Buttons::Ok);
  keepGame(g, result);
  countGame(g, WinnerText);

  if (tell(g, sourceText("Message", "再ゲーム"), sourceText("Message", "続けますか？"),
           Buttons::YesNo) == Answer::Yes) {
    初期設定(g);
    return;
  }
  // 終了処理 marks the game as ending; the program ends once this event returns.
  終了処理(g);
  g.platform.window.endProgram();
}

}  // namespace morovan
