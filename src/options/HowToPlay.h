#pragma once

#include <string>

namespace morovan {

class Game;

// The rules and controls in a few short lines, as the help window shows them:
// lines that begin with ■ head a group, the others are its points.
const std::string& howToPlayText();
// The keys of keyboard play and of the frequent menu items, in the same form.
const char* keysText();
// The menu item 遊び方 of その他: hides the record panel's lists and opens the
// help window beside the game.
void ASOBIKATA_Click(Game& g);

}  // namespace morovan
