#pragma once
// The influence survey: reach counts, guards and attackers of every square.

#include "influence/Influence.h"
#include "model/Position.h"

namespace morovan {

// Rebuilds every table of t from p.BoardPieces (pieces in hand take no part) and
// refreshes the king squares in p; a king not on the board keeps its old square.
// HumanReach, ComputerReach, the guard and attacker codes and HumanAttackerX are
// reset on squares 1..9; ComputerGuardX/Y are not reset, so they are meaningful
// only where ComputerGuardCode holds the code of a guard that records its square
// (knight, silver, lance, bishop, rook, promoted bishop, promoted rook).
// Allocation-free; the computer's search calls it once or twice per candidate.
void 勢力調査(Position& p, Influence& t);

// The pattern procedures: add the reaches of the piece on (x, y) recording code c,
// through the same update rules as the survey's single steps. The lines slide for
// the side given by the sign of c, through the enemy king and up to the first other
// occupied square, which is included.
void 勢力確定上直進(const Position& p, Influence& t, int c, int x, int y);
void 勢力確定下直進(const Position& p, Influence& t, int c, int x, int y);
void 勢力確定左直進(const Position& p, Influence& t, int c, int x, int y);
void 勢力確定右直進(const Position& p, Influence& t, int c, int x, int y);
// The human gold pattern with code c (gold and the promoted minor pieces).
void 勢力確定自金(const Position& p, Influence& t, int c, int x, int y);
// The computer gold pattern; always records 50 and never a guard square.
void 勢力確定敵金(const Position& p, Influence& t, int x, int y);
// The four human diagonals; always records -60, also for a promoted bishop.
void 勢力確定自角(const Position& p, Influence& t, int x, int y);
// The four computer diagonals with code c (60 or 61), recording guard squares.
void 勢力確定敵角(const Position& p, Influence& t, int c, int x, int y);

}  // namespace morovan
