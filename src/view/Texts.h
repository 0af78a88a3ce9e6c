#pragma once
// Text primitives, conversions of numbers and codes to text, and the fixed texts.

#include <string>

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
std::string 変換_数字から文字(int n);
void 描画_手数(Game& g, int n, int colour);
void 描画_桝_数値(Game& g);
void 描画_メッセージ(Game& g, int code);
void 描画_可視(Game& g, bool driveVisible, bool dirVisible, bool fileVisible);
// The handicap grade text of a level (-10..10), or "手目" for 99; empty otherwise.
std::string gradeText(int code);
// The grade of a handicap level alone, "２級" for 0: gradeText without its label.
std::string gradeName(int level);

}  // namespace morovan
