#pragma once
// LEVEL4: the level-3 scan, looked at three moves deep by the game's own endings.

#include "computer/MoveSearch.h"

namespace morovan {

class Game;

inline constexpr int kDeepLevel = 4;
// Scores of the endings, far outside the evaluation's few hundred. Moves are
// counted from the root: the computer's move is move 1, the human's reply move 2.
// A win sooner beats a win later, a loss later beats a loss sooner, and a draw
// lies between every loss and every move the endings do not decide.
inline constexpr double kDeepWin = 1e6;
constexpr double winIn(int moves) {
  return kDeepWin - moves;
}
constexpr double lossIn(int moves) {
  return -kDeepWin + moves;
}
inline constexpr double kDeepDraw = -5e5;
// A root move whose replies the search had no budget left to judge: below a
// draw and every move it judged open, above every loss it found.
inline constexpr double kDeepUnjudged = -7.5e5;
// How many positions the whole look-ahead may play, over all its layers: it
// bounds the worst decision, which the turn's pad must cover many times over.
inline constexpr int kDeepBudget = 40000;
// LEVEL4 thinks longer in some positions than in others, and the positions
// include what the player cannot see; its turn therefore always shows the
// caption this long, more than its longest search, before the move.
inline constexpr double kDeepThinkingSeconds = 0.25;

// Scores every root move as the level-3 scan does, each placement of a move that
// may promote on its own, then by what the game's judgements make of it: a move
// that takes the human's bishop, or leaves the computer's king where the human
// reaches it (any reply then wins), loses at once; one that reaches the human's
// king wins at once. After it the human wins with any reply that reaches the
// computer's king but not both kings, draws with one that reaches both, and
// loses with one that takes the computer's bishop or reaches only the human's
// king. A move after which every reply lets the computer check at once wins
// three moves on. The best move left is played unless the human can answer it
// with a threat no computer move meets; it then loses four moves on and the
// next is asked. So in a lost position the move that loses latest is played.
// The evaluation chooses among moves the endings score alike. Every position
// played counts against kDeepBudget; root moves are judged best evaluation
// first, and those left when it runs out score kDeepUnjudged.
// Results as searchComputerMove, with the same surveys done; the sink hears the
// root moves with these scores. Deterministic and allocation-free.
SearchOutcome searchDeepMove(Game& g, CandidateSink* sink = nullptr);

// The search of g.state.ComputerLevel: searchDeepMove at LEVEL4, else
// searchComputerMove.
SearchOutcome decideComputerMove(Game& g, CandidateSink* sink = nullptr);

}  // namespace morovan
