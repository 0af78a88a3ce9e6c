#pragma once
// LEVEL4: the level-3 scan, looked at three moves deep by the game's own endings.

#include "computer/MoveSearch.h"

namespace morovan {

class Game;

inline constexpr int kDeepLevel = 4;
// Scores of the endings, far outside the evaluation's few hundred: a win n moves
// ahead scores kDeepWin - n, a loss -kDeepWin + n, a draw kDeepDraw.
inline constexpr double kDeepWin = 1e6;
inline constexpr double kDeepDraw = -5e5;
// LEVEL4 thinks longer in some positions than in others, and the positions
// include what the player cannot see; its turn therefore always shows the
// caption this long, more than its longest search, before the move.
inline constexpr double kDeepThinkingSeconds = 0.25;

// Scores every root move as the level-3 scan does, each placement of a move that
// may promote on its own, then by what the game's judgements make of it: a move
// that takes the human's bishop loses, one that reaches the human's king wins.
// After it the human wins with any reply that reaches the computer's king but
// not both kings, draws with one that reaches both, and loses with one that
// takes the computer's bishop or reaches only the human's king. A move after
// which every reply lets the computer check at once wins two moves later. The
// best move left is played unless the human can answer it with a threat no
// computer move meets; it then loses two moves later and the next is asked.
// The evaluation only chooses among moves the endings do not tell apart.
// Results as searchComputerMove, with the same surveys done; the sink hears the
// root moves with these scores. Deterministic and allocation-free.
SearchOutcome searchDeepMove(Game& g, CandidateSink* sink = nullptr);

// The search of g.state.ComputerLevel: searchDeepMove at LEVEL4, else
// searchComputerMove.
SearchOutcome decideComputerMove(Game& g, CandidateSink* sink = nullptr);

}  // namespace morovan
