#include "flow/MenuDispatch.h"

#include "Game.h"

namespace morovan {

const std::vector<MenuItem>& menuItems() {
   static const std::vector<MenuItem> items; return items;
}

void menuClicked(Game& g, const std::string& item) {
  (void)g; (void)item; 
}

void menuOpened(Game& g, const std::string& item) {
  (void)g; (void)item; 
}

}  // namespace morovan
