#include "view/Texts.h"

#include "Game.h"

namespace morovan {

void 描画_数値(Game& g, double col, double row, double value, int colour, int style, double size) {
  (void)g; (void)col; (void)row; (void)value; (void)colour; (void)style; (void)size; 
}

void 描画_数値(Game& g, double col, double row, const std::string& text, int colour, int style, double size) {
  (void)g; (void)col; (void)row; (void)text; (void)colour; (void)style; (void)size; 
}

void 描画_文字列(Game& g, double col, double row, int code, int colour, double size) {
  (void)g; (void)col; (void)row; (void)code; (void)colour; (void)size; 
}

void 描画_ハンデレベル(Game& g, int level) {
  (void)g; (void)level; 
}

std::string 文字列変換(int value) {
  (void)value; return {};
}

std::string 変換_数字から文字(int n) {
  (void)n; return {};
}

void 描画_手数(Game& g, int n, int colour) {
  (void)g; (void)n; (void)colour; 
}

void 描画_桝_数値(Game& g) {
  (void)g; 
}

void 描画_メッセージ(Game& g, int code) {
  (void)g; (void)code; 
}

void 描画_可視(Game& g, bool driveVisible, bool dirVisible, bool fileVisible) {
  (void)g; (void)driveVisible; (void)dirVisible; (void)fileVisible; 
}

std::string gradeText(int code) {
  (void)code; return {};
}

}  // namespace morovan
