#include "influence/Survey.h"

#include "Game.h"

namespace morovan {

void 勢力調査(Position& p, Influence& t) {
  (void)p; (void)t; 
}

void 勢力確定上直進(const Position& p, Influence& t, int c, int x, int y) {
  (void)p; (void)t; (void)c; (void)x; (void)y; 
}

void 勢力確定下直進(const Position& p, Influence& t, int c, int x, int y) {
  (void)p; (void)t; (void)c; (void)x; (void)y; 
}

void 勢力確定左直進(const Position& p, Influence& t, int c, int x, int y) {
  (void)p; (void)t; (void)c; (void)x; (void)y; 
}

void 勢力確定右直進(const Position& p, Influence& t, int c, int x, int y) {
  (void)p; (void)t; (void)c; (void)x; (void)y; 
}

void 勢力確定自金(const Position& p, Influence& t, int c, int x, int y) {
  (void)p; (void)t; (void)c; (void)x; (void)y; 
}

void 勢力確定敵金(const Position& p, Influence& t, int x, int y) {
  (void)p; (void)t; (void)x; (void)y; 
}

void 勢力確定自角(const Position& p, Influence& t, int x, int y) {
  (void)p; (void)t; (void)x; (void)y; 
}

void 勢力確定敵角(const Position& p, Influence& t, int c, int x, int y) {
  (void)p; (void)t; (void)c; (void)x; (void)y; 
}

void 調査_移動不可駒(Position& p, Influence& t) {
  (void)p; (void)t; 
}

}  // namespace morovan
