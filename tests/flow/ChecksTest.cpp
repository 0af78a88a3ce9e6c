#include <gtest/gtest.h>

#include "computer/MoveSearch.h"
#include "flow/FlowFixture.h"

namespace morovan::testing {
namespace {

// The checks are on in every test program: a position gone wrong stops the
// program at the move that meets it, and a search that leaves the board
// changed stops it before anything is drawn from the search.
using ChecksDeathTest = FlowTest;

TEST_F(ChecksDeathTest, ACorruptedPositionStopsTheHumansMove) {
  startEmptyGame();
  put(5, 9, -kKing);
  put(5, 1, kKing);
  put(1, 7, -kPawn);
  g.pos.HumanHandTotal = 3;  // the hand is empty
  EXPECT_DEATH(
      {
        click(1, 7);
        click(1, 6);
      },
      "check failed after a move: HumanHandTotal differs from the hand");
}

// A listener that breaks its promise and leaves a piece on the board.
struct MeddlingSink : CandidateSink {
  explicit MeddlingSink(Position& p) : pos(p) {}
  void scanStarting() override { pos.BoardPieces[9][5] = kPawn; }
  Position& pos;
};

TEST_F(ChecksDeathTest, ASearchThatLeavesTheBoardChangedStops) {
  startEmptyGame();
  put(5, 9, -kKing);
  put(5, 1, kKing);
  MeddlingSink meddling(g.pos);
  EXPECT_DEATH(searchComputerMove(g, &meddling),
               "check failed after the computer's search: the board was left changed");
}

}  // namespace
}  // namespace morovan::testing
