#pragma once
// The cell grid's pictures: pieces behind the screen, board, hands, background.

namespace morovan {

class Game;

// Draws a picture code with its top-left at cell (col, row); while ScreenOn, a
// computer piece on the board shows its flag or the unknown back.
void 描画_絵(Game& g, int code, double col, double row);
void 描画_桝輪郭(Game& g, int colour, double col, double row);
void 描画_盤(Game& g);
void 描画_将棋盤桝(Game& g);
void 描画_背景(Game& g, int code);
void 描画_自持盤(Game& g);
void 描画_敵持盤(Game& g);
void 描画_敵持盤_ついたて無し(Game& g);
void 描画_敵持盤_ついたて有り(Game& g);

}  // namespace morovan
