#pragma once
// The hand-tuned score of a candidate position for the computer; higher is better.

#include "model/Types.h"

namespace morovan {

class Game;

// The score of the computer's candidate move, made on g.pos.BoardPieces and
// surveyed by 勢力調査 just before. captured: the code that stood on the
// destination (0 for none and for drops); placed: the code now there (promoted
// if the move promotes); a drop has FromX = -1 and FromY = its hand kind. Reads
// g.search.ComputerReachBefore, CandidatePiece and CandidateKingDistance as the
// computer's turn set them, and g.state.ComputerLevel: level 1 counts the
// drop/promotion and danger terms, level 2 adds the approach to the human king,
// level 3 the rules for the placed piece. Changes nothing; allocation-free.
double 盤評価(Game& g, PieceCode captured, PieceCode placed, int FromX, int FromY, int ToX,
              int ToY);
// The danger term: a sum over the whole board of the computer's exposure to drops
// and to human pieces near its king. The arguments are not used.
double 盤評価_COM危険座標(Game& g, PieceCode placed, int ToX, int ToY);

}  // namespace morovan
