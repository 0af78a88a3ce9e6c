#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>

#include "Game.h"
#include "computer/DeepSearch.h"
#include "computer/PlayedPositions.h"
#include "platform/FakePlatform.h"

namespace morovan {
namespace {

// FNV-1a over every decision of one level on the played positions: the
// outcome, the move and the score in whole millionths.
std::uint64_t decisionsAtLevel(int level) {
  testing::FakePlatform fp;
  auto g = std::make_unique<Game>(fp.platform(), 1);
  g->state.ComputerLevel = level;
  std::uint64_t hash = 1469598103934665603ull;
  auto mix = [&hash](long long v) {
    for (int i = 0; i < 8; ++i) {
      hash ^= static_cast<std::uint64_t>(v >> (8 * i)) & 0xff;
      hash *= 1099511628211ull;
    }
  };
  for (const Position& p : playedPositions()) {
    g->pos = p;
    const SearchOutcome outcome = decideComputerMove(*g);
    mix(static_cast<int>(outcome));
    if (outcome != SearchOutcome::Move) continue;
    const Move& m = g->search.BestMove;
    for (long long v : {m.FromX, m.FromY, m.ToX, m.ToY, m.Piece}) mix(v);
    mix(std::llround(g->search.BestScore * 1e6));
  }
  return hash;
}

// Levels 1 to 3 play as they always have, and LEVEL4 as it was last meant to.
// A change of play that is meant updates the signature here and says why in
// its commit; any other change of a signature is a fault.
TEST(DecisionSignature, PlayedPositionsAtEveryLevel) {
  constexpr std::uint64_t kExpected[] = {0x3acb0dfa2403a0d2, 0x332dea6403ca6f24, 0x07fdf575e44deb33,
                                         0x09835cb7ddb428a7};
  for (int level = 1; level <= kDeepLevel; ++level) {
    const std::uint64_t got = decisionsAtLevel(level);
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(got));
    EXPECT_EQ(got, kExpected[level - 1]) << "LEVEL" << level << " decisions changed: " << hex;
  }
}

}  // namespace
}  // namespace morovan
