#pragma once

namespace morovan {

class Game;

// The about box of the menu item その他.
void VER_Click(Game& g);

}  // namespace morovan
