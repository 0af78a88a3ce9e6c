#pragma once
// The computer's turn: an exhaustive one-move search scored by 盤評価.

#include "model/Types.h"

namespace morovan {

class Game;

// Receives every candidate the search scores, in scan order.
class CandidateSink {
 public:
  virtual ~CandidateSink() = default;
  virtual void candidate(const Move& m, double score) = 0;
};

// What the search found for the position on the board, without drawing,
// waiting or recording anything.
enum class SearchOutcome { Move, CheckAlready, NoMove };
// Runs the preparatory surveys and the search (steps 3 to 10 of the turn);
// on Move, g.search.BestMove and BestScore hold the choice.
SearchOutcome searchComputerMove(Game& g, CandidateSink* sink = nullptr);

// The whole turn: caption, search, blink, move, record, judgement, hand-back.
void com_ban(Game& g);

}  // namespace morovan
