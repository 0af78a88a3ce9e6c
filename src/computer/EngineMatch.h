#pragma once
// Engine against engine: whole games between two computer levels, the side to
// move always played as the computer through the board flip.

#include "model/Position.h"

namespace morovan {

class Game;

enum class GameOutcome { FirstWins, SecondWins, Draw };

// Observes every decision: the position an engine is asked to move in, turned so
// that the engine is the computer, and the moment it has decided.
class DecisionSink {
 public:
  virtual ~DecisionSink() = default;
  virtual void deciding(const Position& p, int level) = 0;
  virtual void decided(int level) = 0;
};

// Plays the game from g.pos, the first side (the computer's pieces) to move, with
// levels `first` and `second`, by the judgements of the computer's turn: the
// mover wins when it already reaches the other king or its move does, and loses
// when it has no move or its move takes the bishop. A game that fills the
// record (500 moves) is drawn.
GameOutcome playEngineGame(Game& g, int first, int second, DecisionSink* sink = nullptr);

}  // namespace morovan
