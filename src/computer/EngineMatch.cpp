#include "computer/EngineMatch.h"

#include "Game.h"
#include "computer/BoardFlip.h"
#include "computer/DeepSearch.h"
#include "influence/Survey.h"
#include "model/GameEnd.h"
#include "model/GameRecord.h"
#include "model/MakeMove.h"

namespace morovan {

GameOutcome playEngineGame(Game& g, int first, int second, DecisionSink* sink) {
  const int levels[2] = {first, second};
  int mover = 0;
  auto moverWins = [&mover] {
    return mover == 0 ? GameOutcome::FirstWins : GameOutcome::SecondWins;
  };
  auto moverLoses = [&mover] {
    return mover == 0 ? GameOutcome::SecondWins : GameOutcome::FirstWins;
  };
  for (int moves = 0; moves < kLastRecordIndex; ++moves) {
    g.state.ComputerLevel = levels[mover];
    if (sink) sink->deciding(g.pos, levels[mover]);
    const SearchOutcome outcome = decideComputerMove(g);
    if (sink) sink->decided(levels[mover]);
    switch (outcome) {
      case SearchOutcome::CheckAlready:
        return moverWins();
      case SearchOutcome::NoMove:
        return moverLoses();
      case SearchOutcome::Move:
        break;
    }
    const Move m = g.search.BestMove;
    const PieceCode taken = g.pos.BoardPieces[m.ToX][m.ToY];
    駒移動(g, m.FromX, m.FromY, m.ToX, m.ToY, m.Piece);
    勢力調査(g.pos, g.influence);
    const Position& p = g.pos;
    switch (
        endingOfComputerMove(taken, g.influence.ComputerReach[p.HumanKingX][p.HumanKingY] > 0)) {
      case Ending::ComputerWins:
        return moverWins();
      case Ending::HumanWins:
        return moverLoses();
      default:
        break;
    }
    flipPosition(g.pos);
    mover = 1 - mover;
  }
  return GameOutcome::Draw;
}

}  // namespace morovan
