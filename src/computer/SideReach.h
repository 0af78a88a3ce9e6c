#pragma once
// Whether one side's pieces reach a square, asked from the square outwards: the
// same reach 勢力調査 counts, without building its tables. The deeper search asks
// it about the two kings many thousand times per decision.

#include "model/Types.h"

namespace morovan {

// True when some computer piece (byComputer) or some human piece reaches (x, y),
// x and y in 1..9, as 勢力調査 counts reach: a sliding line runs on through the
// other side's king. Allocation-free.
bool sideReaches(const PieceCode (&b)[10][10], int x, int y, bool byComputer);

}  // namespace morovan
