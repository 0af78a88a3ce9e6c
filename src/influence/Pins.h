#pragma once
// Whether a computer piece stands pinned against its king.

#include "influence/Influence.h"
#include "model/Position.h"

namespace morovan {

// Sets t.ComputerPiecePinned to 1 if lifting some computer piece (the king
// included) lets a human lance, bishop, rook or promoted one move onto the
// computer king's square as last recorded in p, else 0. Lifts one piece at a time
// on p itself; p is the same afterwards.
void 調査_移動不可駒(Position& p, Influence& t);

}  // namespace morovan
