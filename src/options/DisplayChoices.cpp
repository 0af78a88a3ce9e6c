#include "options/DisplayChoices.h"

#include <string>

#include "Game.h"
#include "options/Preferences.h"
#include "view/Screen.h"
#include "view/Texts.h"

namespace morovan {
namespace {

constexpr const char* kLanguageKey = "language";
constexpr const char* kPiecesKey = "pieces";

void markLanguage(Game& g, const std::string& language) {
  Menu& menu = g.platform.menu;
  const bool japanese = language == kLanguageJapanese, english = language == kLanguageEnglish;
  menu.setChecked(menu::GENGO_NIHONGO, japanese);
  menu.setChecked(menu::GENGO_ENGLISH, english);
  menu.setChecked(menu::GENGO_SYSTEM, !japanese && !english);
}

void markPieces(Game& g) {
  g.platform.menu.setChecked(menu::KOMA_KANJI, !g.view.LatinPieces);
  g.platform.menu.setChecked(menu::KOMA_LATIN, g.view.LatinPieces);
}

void chooseLanguage(Game& g, const char* language) {
  if (readPreference(g, kLanguageKey) == language) return;
  if (!writePreference(g, kLanguageKey, language)) {
    tell(g, sourceText("Message", "言語"), sourceText("Message", "設定を保存できませんでした"));
    return;
  }
  markLanguage(g, language);
  tell(g, sourceText("Message", "言語"),
       sourceText("Message", "次に起動したときから、選んだ言語で表示します"));
}

void choosePieces(Game& g, bool latin) {
  if (g.view.LatinPieces == latin) return;
  g.view.LatinPieces = latin;
  markPieces(g);
  画面_再描画(g);
  // The choice holds for this run even when it cannot be remembered.
  if (!writePreference(g, kPiecesKey, latin ? "latin" : "kanji")) {
    tell(g, sourceText("Message", "駒の文字"), sourceText("Message", "設定を保存できませんでした"));
  }
}

}  // namespace

void GENGO_SYSTEM_Click(Game& g) {
  chooseLanguage(g, "system");
}

void GENGO_NIHONGO_Click(Game& g) {
  chooseLanguage(g, kLanguageJapanese);
}

void GENGO_ENGLISH_Click(Game& g) {
  chooseLanguage(g, kLanguageEnglish);
}

void KOMA_KANJI_Click(Game& g) {
  choosePieces(g, false);
}

void KOMA_LATIN_Click(Game& g) {
  choosePieces(g, true);
}

std::string rememberedLanguage(const Game& g) {
  return readPreference(g, kLanguageKey);
}

void readDisplayChoices(Game& g) {
  g.view.LatinPieces = readPreference(g, kPiecesKey) == "latin";
  markPieces(g);
  markLanguage(g, rememberedLanguage(g));
}

}  // namespace morovan
