#include "view/Pictures.h"

#include "Game.h"

namespace morovan {

void 描画_絵(Game& g, int code, double col, double row) {
  (void)g; (void)code; (void)col; (void)row; 
}

void 描画_桝輪郭(Game& g, int colour, double col, double row) {
  (void)g; (void)colour; (void)col; (void)row; 
}

void 描画_盤(Game& g) {
  (void)g; 
}

void 描画_将棋盤桝(Game& g) {
  (void)g; 
}

void 描画_背景(Game& g, int code) {
  (void)g; (void)code; 
}

void 描画_自持盤(Game& g) {
  (void)g; 
}

void 描画_敵持盤(Game& g) {
  (void)g; 
}

void 描画_敵持盤_ついたて無し(Game& g) {
  (void)g; 
}

void 描画_敵持盤_ついたて有り(Game& g) {
  (void)g; 
}

}  // namespace morovan
