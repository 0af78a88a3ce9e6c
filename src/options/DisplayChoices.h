#pragma once
// How the window speaks and labels its pieces: choices of ｵﾌﾟｼｮﾝ remembered in
// the preferences beside Morovan.ini ("language": ja, en or the system's;
// "pieces": kanji or latin). Neither changes any file the game writes.

#include <string>

namespace morovan {

class Game;

// The languages 言語 remembers; any other value means the system's.
inline constexpr const char* kLanguageJapanese = "ja";
inline constexpr const char* kLanguageEnglish = "en";
// The language remembered, for the program to choose its catalogue at start-up.
std::string rememberedLanguage(const Game& g);

// 言語: the interface's language from the program's next start on; the
// window says so. The system's language is English unless it is Japanese.
void GENGO_SYSTEM_Click(Game& g);
void GENGO_NIHONGO_Click(Game& g);
void GENGO_ENGLISH_Click(Game& g);
// 駒の文字: kanji or Latin letters on the pieces and in the move texts, at once.
void KOMA_KANJI_Click(Game& g);
void KOMA_LATIN_Click(Game& g);
// At start-up: takes the remembered labels and marks both choices in the menu.
void readDisplayChoices(Game& g);

}  // namespace morovan
