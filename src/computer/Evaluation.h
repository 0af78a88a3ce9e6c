#pragma once
// The hand-tuned score of a candidate position for the computer; higher is better.

#include "model/Types.h"

namespace morovan {

class Game;

double 盤評価(Game& g, PieceCode captured, PieceCode placed, int FromX, int FromY, int ToX,
             int ToY);
double 盤評価_COM危険座標(Game& g, PieceCode placed, int ToX, int ToY);

}  // namespace morovan
