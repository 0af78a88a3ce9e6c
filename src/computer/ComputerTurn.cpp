#include "computer/ComputerTurn.h"

#include "Game.h"

namespace morovan {

SearchOutcome searchComputerMove(Game& g, CandidateSink* sink) {
  (void)g; (void)sink; return SearchOutcome::NoMove;
}

void com_ban(Game& g) {
  (void)g; 
}

}  // namespace morovan
