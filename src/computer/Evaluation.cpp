#include "computer/Evaluation.h"

#include "Game.h"

namespace morovan {

double 盤評価(Game& g, PieceCode captured, PieceCode placed, int FromX, int FromY, int ToX, int ToY) {
  (void)g; (void)captured; (void)placed; (void)FromX; (void)FromY; (void)ToX; (void)ToY; return 0;
}

double 盤評価_COM危険座標(Game& g, PieceCode placed, int ToX, int ToY) {
  (void)g; (void)placed; (void)ToX; (void)ToY; return 0;
}

}  // namespace morovan
