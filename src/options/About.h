#pragma once

namespace morovan {

class Game;

// The about box, the item ABOUT of the menu その他.
void VER_Click(Game& g);

}  // namespace morovan
