#include <gtest/gtest.h>

#include <memory>

#include "Game.h"
#include "computer/DeepSearch.h"
#include "computer/EngineMatch.h"
#include "platform/FakePlatform.h"

namespace morovan {
namespace {

using testing::FakePlatform;

TEST(EngineMatch, TheMoverWinsByCheckAndLosesByTakingTheBishop) {
  FakePlatform fp;
  auto g = std::make_unique<Game>(fp.platform(), 1);
  // First to move: a rook that checks down an open file.
  g->pos.BoardPieces[5][1] = kKing;
  g->pos.BoardPieces[1][1] = kRook;
  g->pos.BoardPieces[5][9] = -kKing;
  g->pos.BoardPieces[1][9] = -kRook;
  EXPECT_EQ(playEngineGame(*g, kDeepLevel, 1), GameOutcome::FirstWins);

  // The first side's only move takes the bishop: its knights cannot move.
  auto h = std::make_unique<Game>(fp.platform(), 1);
  h->pos.BoardPieces[1][9] = kKing;
  h->pos.BoardPieces[1][8] = kKnight;
  h->pos.BoardPieces[2][8] = kKnight;
  h->pos.BoardPieces[2][9] = -kBishop;
  h->pos.BoardPieces[9][1] = -kKing;
  EXPECT_EQ(playEngineGame(*h, 1, 1), GameOutcome::SecondWins);
}

}  // namespace
}  // namespace morovan
