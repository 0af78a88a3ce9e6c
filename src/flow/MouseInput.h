#pragma once
// All of the human's play: one handler for a mouse button going down.

namespace morovan {

class Game;

// Button 1 left, 2 right, any other code moves without promoting. X, Y in twips
// within the window's client area.
void Form_MouseDown(Game& g, int Button, int Shift, double X, double Y);

}  // namespace morovan
