#include "options/About.h"

#include "Game.h"

namespace morovan {

void VER_Click(Game& g) {
  (void)g; 
}

}  // namespace morovan
