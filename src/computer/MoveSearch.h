#pragma once
// The computer's one-move search: every move and drop tried on the board and
// scored by 盤評価.

#include "model/Types.h"

namespace morovan {

class Game;

// Hears the search as it runs. Every hook does nothing unless overridden, and
// none may change the game's position or influence tables.
class CandidateSink {
 public:
  virtual ~CandidateSink() = default;
  // Every candidate scored, in scan order; m.Piece is the code it would place.
  virtual void candidate(const Move& m, double score) {
    (void)m;
    (void)score;
  }
  // The preparatory surveys are done and the scan is about to begin.
  virtual void scanStarting() {}
  // Before each source column of the board scan and each hand kind of the drops.
  virtual void scanStep() {}
};

// What the search found for the position on the board.
enum class SearchOutcome {
  Move,          // g.search.BestMove and BestScore hold the choice
  CheckAlready,  // a computer piece reaches the human's king before any move
  NoMove,        // no move or drop is accepted; BestMove is not meaningful
};

// Steps 3 to 10 of the turn, with nothing drawn, waited for or recorded: takes
// TurnStartBoard, runs the preparatory surveys, then tries every legal board move
// and drop on g.pos, scoring each, and undoes it. Afterwards the position is as
// before, but the influence tables and king squares describe the last candidate
// tried. Allocates nothing.
SearchOutcome searchComputerMove(Game& g, CandidateSink* sink = nullptr);

}  // namespace morovan
