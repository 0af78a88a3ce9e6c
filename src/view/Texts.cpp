#include "view/Texts.h"

#include <charconv>
#include <cmath>

#include "Game.h"
#include "view/Pictures.h"

namespace morovan {
namespace {

// The message box texts of 描画_メッセージ, by code, each whole.
const char* messageText(int code) {
  switch (code) {
    case 1:
      return sourceText("Message", "棋譜ﾓｰﾄﾞではできません\r\r局面→最初にして下さい");
    case 2:
      return sourceText("Message", "対局途中ではできません\r\r局面→最初にして下さい");
    case 3:
      return sourceText("Message", "反転後ではできません\r\r局面→最初にして下さい");
    default:
      return sourceText("Message", "\r\r局面→最初にして下さい");
  }
}

// A number as the window prints it: whole numbers without a decimal point,
// others in their shortest exact form; a non-negative number keeps a blank
// where its sign would stand.
std::string numberText(double value) {
  char buffer[40];
  std::to_chars_result r;
  if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15) {
    r = std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(value));
  } else {
    r = std::to_chars(buffer, buffer + sizeof buffer, value);
  }
  std::string text(buffer, r.ptr);
  if (!(value < 0)) text.insert(text.begin(), ' ');
  return text;
}

void printAt(Game& g, double col, double row, const std::string& text, int colour, double size) {
  g.platform.canvas.setFontSize(size);
  g.platform.canvas.setTextColour(colour);
  if (!text.empty()) g.platform.canvas.printText(cellX(col), cellY(row), text);
}

}  // namespace

void 描画_数値(Game& g, double col, double row, double value, int colour, int style, double size) {
  if (style == 0) {
    printAt(g, col, row, numberText(value), colour, size);
    return;
  }
  std::string numeral;
  if (value >= 1 && value <= 9 && value == std::trunc(value)) {
    numeral = 文字列変換(1000 + static_cast<int>(value));
  }
  printAt(g, col, row, numeral, colour, size);
}

void 描画_数値(Game& g, double col, double row, const std::string& text, int colour, int style,
               double size) {
  // A text has no numeral form, so only style 0 shows it.
  printAt(g, col, row, style == 0 ? text : std::string(), colour, size);
}

void 描画_文字列(Game& g, double col, double row, int code, int colour, double size) {
  g.platform.canvas.setFontSize(size);
  g.platform.canvas.setTextColour(colour);
  const std::string text = shown(g, "Board", gradeText(code));
  if (!text.empty()) g.platform.canvas.printText(cellX(col) + 120, cellY(row) + 160, text);
}

void 描画_ハンデレベル(Game& g, int level) {
  for (int col = 11; col <= 14; ++col) 描画_絵(g, g.view.BackgroundPicture, col, 1);
  描画_文字列(g, 11.1, 1.1, level, g.view.ShadowColour, 10);
  描画_文字列(g, 11, 1, level, g.view.TextColour, 10);
}

std::string 文字列変換(int value) {
  static const char* const kDigits[] = {"１", "２", "３", "４", "５", "６", "７", "８", "９"};
  static const char* const kNumerals[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};
  if (value >= 1 && value <= 9) return kDigits[value - 1];
  if (value >= 1001 && value <= 1009) return kNumerals[value - 1001];
  switch (value < 0 ? -value : value) {
    case 10:
      return "歩";
    case 11:
      return "と";
    case 20:
      return "香";
    case 21:
      return "香成";
    case 30:
      return "桂";
    case 31:
      return "桂成";
    case 40:
      return "銀";
    case 41:
      return "銀成";
    case 50:
      return "金";
    case 60:
      return "角";
    case 61:
      return "角成";
    case 70:
      return "飛";
    case 71:
      return "飛成";
    case 80:
      return "王";
    default:
      return {};
  }
}

std::string pieceLabel(const Game& g, int pieceCode) {
  return g.view.LatinPieces ? latinLabel(pieceCode) : 文字列変換(pieceCode);
}

std::string 変換_数字から文字(int n) {
  const std::string text = std::to_string(n);
  if (text.size() == 1) return "0" + text;
  if (text.size() == 2) return text;
  return {};
}

void 描画_手数(Game& g, int n, int /*colour*/) {
  const ViewState& v = g.view;
  // Cells 13 and 14 are the count's own; column 12 holds the pawns' count of
  // the human's hand, which the count must never cover.
  描画_絵(g, v.BackgroundPicture, 13, 3);
  描画_絵(g, v.BackgroundPicture, 14, 3);
  描画_桝輪郭(g, v.BackColour, 11, 3);
  // Each further digit moves the number a tenth of a cell left; three digits
  // go without the sign's blank, so that they and their shadow stay clear of
  // "手目" without reaching into column 12.
  if (n < 100) {
    const double col = n < 10 ? 13.2 : 13.1;
    描画_数値(g, col + 0.1, 3.4, n, v.ShadowColour, 0, 12);
    描画_数値(g, col, 3.3, n, v.TextColour, 0, 12);
  } else {
    const std::string digits = std::to_string(n);
    描画_数値(g, 13.1, 3.4, digits, v.ShadowColour, 0, 12);
    描画_数値(g, 13, 3.3, digits, v.TextColour, 0, 12);
  }
  描画_文字列(g, 13.9, 3.2, 99, v.ShadowColour, 10);
  描画_文字列(g, 13.8, 3.1, 99, v.TextColour, 10);
}

void 描画_桝_数値(Game& g) {
  const ViewState& v = g.view;
  g.platform.canvas.setFontBold(true);
  for (int i = 1; i <= kBoardSize; ++i) {
    描画_絵(g, v.BackgroundPicture, i, 0);
    描画_数値(g, i + 0.2, 0.5, 10 - i, v.ShadowColour, 0, 16);
    描画_数値(g, i + 0.1, 0.4, 10 - i, v.LabelColour, 0, 16);
    描画_絵(g, v.BackgroundPicture, 10, i);
    描画_数値(g, 10.2, i + 0.4, i, v.ShadowColour, 1, 12);
    描画_数値(g, 10.1, i + 0.3, i, v.LabelColour, 1, 12);
    描画_桝輪郭(g, v.BackColour, 9, i);
  }
}

void 描画_メッセージ(Game& g, int code) {
  tell(g, sourceText("Message", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定"), messageText(code), Buttons::Ok);
}

void 描画_可視(Game& g, bool driveVisible, bool dirVisible, bool fileVisible) {
  g.platform.panel.setListsVisible(driveVisible, dirVisible, fileVisible);
}

std::string gradeText(int code) {
  static const char* const kGrades[] = {
      sourceText("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人"), sourceText("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段"), sourceText("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段"), sourceText("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段"), sourceText("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段"),
      sourceText("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段"), sourceText("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段"), sourceText("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段"), sourceText("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段"), sourceText("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級"),
      sourceText("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級"), sourceText("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級"), sourceText("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級"), sourceText("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級"), sourceText("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級"),
      sourceText("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級"), sourceText("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級"), sourceText("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級"), sourceText("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級"), sourceText("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級"),
      sourceText("Board", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級")};
  if (code >= -10 && code <= 10) return kGrades[code + 10];
  if (code == 99) return sourceText("Board", "手目");
  return {};
}

std::string gradeName(int level, const Translator& words) {
  if (level < -10 || level > 10) return {};
  // The board's whole text, translated, less its label: one list of grades.
  const std::string grade = words.translate("Board", gradeText(level).c_str());
  std::size_t start = grade.find(':');
  if (start == std::string::npos) return grade;
  start = grade.find_first_not_of(' ', start + 1);
  return start == std::string::npos ? std::string() : grade.substr(start);
}

std::string sideName(int side, const Translator& words) {
  return words.translate(
      "Review", side == kSente ? sourceText("Review", "先手") : sourceText("Review", "後手"));
}

Answer tell(Game& g, const std::string& title, const std::string& text, Buttons buttons,
            Icon icon) {
  return g.platform.dialogs.message(shown(g, "Message", title), shown(g, "Message", text), buttons,
                                    icon);
}

std::string shown(const Game& g, const char* context, const std::string& source) {
  return g.platform.words.translate(context, source.c_str());
}

}  // namespace morovan
