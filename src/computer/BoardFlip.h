#pragma once
// The board turned round: every piece changes owner, so the computer's search can
// play the human's side.

#include "model/Position.h"

namespace morovan {

// Turns p half a circle and hands every piece to the other side: the piece on
// (x, y) goes to (10 - x, 10 - y) with its code negated, and the hands and king
// squares change places. Flags are dropped; the pawn-file flags are left to be
// rebuilt.
void flipPosition(Position& p);

}  // namespace morovan
