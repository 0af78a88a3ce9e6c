#include "flow/MouseInput.h"

#include "Game.h"

namespace morovan {

void Form_MouseDown(Game& g, int Button, int Shift, double X, double Y) {
  (void)g; (void)Button; (void)Shift; (void)X; (void)Y; 
}

}  // namespace morovan
