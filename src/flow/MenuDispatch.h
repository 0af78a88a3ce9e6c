#pragma once
// The menu bar as data, and the routing of its clicks to the game's handlers.

#include <string>
#include <vector>

namespace morovan {

class Game;

// Items of one choice group have exactly one of them marked; the window shows
// them as radio choices.
enum class Choice { None, Level, Background, Language, Pieces };

struct MenuItem {
  std::string name;        // menu::TAIKYOKU, menu::SENTE, ...
  std::string caption;     // exact caption
  int depth;               // 0 on the bar, 1 in a menu, 2 in a submenu
  bool checkable = false;  // the game keeps its check mark
  Choice group = Choice::None;
};

// Every item of the menu bar, in order.
const std::vector<MenuItem>& menuItems();
// A click on an item that acts (a command or a submenu entry).
void menuClicked(Game& g, const std::string& item);
// A menu on the bar was opened (TAIKYOKU, STOP, OPTION, KIFU, VER).
void menuOpened(Game& g, const std::string& item);

}  // namespace morovan
