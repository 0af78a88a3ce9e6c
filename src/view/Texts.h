#pragma once
// Text primitives, conversions of numbers and codes to text, and the fixed texts.

#include <string>

#include "platform/Dialogs.h"
#include "platform/Translator.h"

namespace morovan {

class Game;

// Style 0 prints the value (a non-negative number with one leading blank);
// any other style prints the kanji numeral of 1..9.
void 描画_数値(Game& g, double col, double row, double value, int colour, int style, double size);
// Style 0 with a text: printed unchanged.
void 描画_数値(Game& g, double col, double row, const std::string& text, int colour, int style,
             double size);
void 描画_文字列(Game& g, double col, double row, int code, int colour, double size);
void 描画_ハンデレベル(Game& g, int level);
std::string 文字列変換(int value);
// A piece's name in move texts: its kanji, or its Latin letters (promoted
// pieces with a leading +) when the pieces are labelled so.
std::string pieceLabel(const Game& g, int pieceCode);
std::string 変換_数字から文字(int n);
void 描画_手数(Game& g, int n, int colour);
void 描画_桝_数値(Game& g);
void 描画_メッセージ(Game& g, int code);
void 描画_可視(Game& g, bool driveVisible, bool dirVisible, bool fileVisible);
// The handicap grade text of a level (-10..10), or "手目" for 99; empty otherwise.
std::string gradeText(int code);
// A message box whose title and text are Japanese texts of the catalogue's
// "Message" group, each translated whole into the interface's language.
Answer tell(Game& g, const std::string& title, const std::string& text, Buttons buttons = Buttons::Ok,
            Icon icon = Icon::None);
// A Japanese text of `context` in the interface's language.
std::string shown(const Game& g, const char* context, const std::string& source);
// The grade of a handicap level alone, "２級" for 0: gradeText without its
// label, in the language of `words`; empty for a level outside -10..10.
std::string gradeName(int level, const Translator& words);
// The side a player took, 先手 for kSente and 後手 for kGote, in the language of `words`.
std::string sideName(int side, const Translator& words);

}  // namespace morovan
