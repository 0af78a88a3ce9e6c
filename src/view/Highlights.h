#pragma once
// Move guidance outlines, the blink of the computer's piece with the wait it
// blocks on, and the last-move texts.

#include <string>

#include "model/Types.h"

namespace morovan {

class Game;

void 描画_移動可能桝色(Game& g, int fromCol, int fromRow, int colour, PieceCode piece);
void 描画_駒点滅(Game& g, int code, int col, int row, int times);
// Repaints, then blocks without serving the window until `seconds` have passed.
void 待ち時間(Game& g, double seconds);
void 描画_移動結果(Game& g, int side, int col, int row, PieceCode piece, int colour);
void 消去_移動結果(Game& g, int side);
void 描画_移動駒種類(Game& g, double col, double row, const std::string& text, int colour);

}  // namespace morovan
