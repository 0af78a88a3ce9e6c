#include "Game.h"

namespace morovan {

Game::Game(const Platform& p, unsigned seed) : platform(p), random(seed) {}

}  // namespace morovan
