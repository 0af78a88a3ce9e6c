#include "view/Highlights.h"

#include "Game.h"

namespace morovan {

void 描画_移動可能桝色(Game& g, int fromCol, int fromRow, int colour, PieceCode piece) {
  (void)g; (void)fromCol; (void)fromRow; (void)colour; (void)piece; 
}

void 描画_駒点滅(Game& g, int code, int col, int row, int times) {
  (void)g; (void)code; (void)col; (void)row; (void)times; 
}

void 描画_移動結果(Game& g, int side, int col, int row, PieceCode piece, int colour) {
  (void)g; (void)side; (void)col; (void)row; (void)piece; (void)colour; 
}

void 消去_移動結果(Game& g, int side) {
  (void)g; (void)side; 
}

void 描画_移動駒種類(Game& g, double col, double row, const std::string& text, int colour) {
  (void)g; (void)col; (void)row; (void)text; (void)colour; 
}

}  // namespace morovan
