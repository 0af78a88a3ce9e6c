#pragma once
// Small read-only measurements of the position the evaluation asks for.

#include "model/Types.h"

namespace morovan {

class Game;

int 調査_移動可場所数(Game& g, int x, int y, PieceCode piece);
int 調査_桂狙い(Game& g, int x, int y);
int 調査_香狙い(Game& g, int x, int y);
int 調査_周辺状況(Game& g, int x, int y);

}  // namespace morovan
