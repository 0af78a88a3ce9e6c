#pragma once
// The full redraw of the window.

namespace morovan {

class Game;

void 画面_再描画(Game& g);

}  // namespace morovan
