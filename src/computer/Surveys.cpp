#include "computer/Surveys.h"

#include "Game.h"

namespace morovan {

int 調査_移動可場所数(Game& g, int x, int y, PieceCode piece) {
  (void)g; (void)x; (void)y; (void)piece; return 0;
}

int 調査_桂狙い(Game& g, int x, int y) {
  (void)g; (void)x; (void)y; return 0;
}

int 調査_香狙い(Game& g, int x, int y) {
  (void)g; (void)x; (void)y; return 0;
}

int 調査_周辺状況(Game& g, int x, int y) {
  (void)g; (void)x; (void)y; return 0;
}

}  // namespace morovan
