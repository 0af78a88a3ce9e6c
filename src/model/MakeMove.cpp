#include "model/MakeMove.h"

#include "Game.h"

namespace morovan {

void 駒移動(Game& g, int FromX, int FromY, int ToX, int ToY, PieceCode Piece) {
  (void)g; (void)FromX; (void)FromY; (void)ToX; (void)ToY; (void)Piece; 
}

void 駒取得(Game& g, PieceCode Captured) {
  (void)g; (void)Captured; 
}

bool 手順保存(Game& g, double Time1, double Time2, double Time3, double Time4) {
  (void)g; (void)Time1; (void)Time2; (void)Time3; (void)Time4; return false;
}

bool recordHasRoom(const Game& g) {
  (void)g; return false;
}

}  // namespace morovan
