#pragma once
// Whole-window operations: full redraw, board flip, temporary display.

namespace morovan {

class Game;

void 画面_再描画(Game& g);
void REVERSE_Click(Game& g);
void ICHIJI_Click(Game& g);

}  // namespace morovan
