#include "Game.h"

#include <array>
#include <cstdint>

namespace morovan {
namespace {

std::mt19937 seededFrom(Entropy& entropy) {
  std::array<std::uint32_t, 4> words{};
  entropy.fill(reinterpret_cast<unsigned char*>(words.data()), sizeof words);
  std::seed_seq seed(words.begin(), words.end());
  return std::mt19937(seed);
}

}  // namespace

Game::Game(const Platform& p) : platform(p), random(seededFrom(*p.entropy)) {}

Game::Game(const Platform& p, unsigned seed) : platform(p), random(seed) {}

}  // namespace morovan
