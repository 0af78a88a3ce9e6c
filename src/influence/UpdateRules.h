#pragma once
// The four update rules every reach of the influence survey goes through, and the
// sliding ray built on them. Internal to the influence survey; inline because the
// computer's search runs them a few hundred times per candidate.

#include "influence/Influence.h"
#include "model/Position.h"

namespace morovan::influence {

// A human piece on column x recording code c reaches (tx, ty): count it, then keep
// the highest-ranked human guard of a human piece, or the lowest-ranked human
// attacker (with its column) of a computer piece. Strict comparisons: the first
// piece met keeps a tie.
inline void humanRule(const Position& p, Influence& t, int tx, int ty, int c, int x) {
  ++t.HumanReach[tx][ty];
  const PieceCode target = p.BoardPieces[tx][ty];
  if (target < 0) {
    if (t.HumanGuardCode[tx][ty] > c) t.HumanGuardCode[tx][ty] = c;
  } else if (target > 0) {
    if (t.HumanAttackerCode[tx][ty] < c) {
      t.HumanAttackerCode[tx][ty] = c;
      t.HumanAttackerX[tx][ty] = x;
    }
  }
}

// A computer piece on (x, y) recording code c reaches (tx, ty): count it and, on
// a computer piece, keep the lowest code together with the guard's square.
inline void computerGuardSquareRule(const Position& p, Influence& t, int tx, int ty, int c, int x,
                                    int y) {
  ++t.ComputerReach[tx][ty];
  if (p.BoardPieces[tx][ty] >= 10 && t.ComputerGuardCode[tx][ty] > c) {
    t.ComputerGuardCode[tx][ty] = c;
    t.ComputerGuardX[tx][ty] = x;
    t.ComputerGuardY[tx][ty] = y;
  }
}

// As the guard-square rule, but the guard's square is left as it was.
inline void computerGuardCodeRule(const Position& p, Influence& t, int tx, int ty, int c) {
  ++t.ComputerReach[tx][ty];
  if (p.BoardPieces[tx][ty] >= 10 && t.ComputerGuardCode[tx][ty] > c)
    t.ComputerGuardCode[tx][ty] = c;
}

inline void computerCountOnlyRule(Influence& t, int tx, int ty) {
  ++t.ComputerReach[tx][ty];
}

// One sliding ray from (x, y) in direction (dx, dy): every square up to and
// including the first occupied one, except that the enemy king does not stop it.
template <bool Human>
inline void slidingRay(const Position& p, Influence& t, int c, int x, int y, int dx, int dy) {
  constexpr PieceCode enemyKing = Human ? 80 : -80;
  int tx = x + dx;
  int ty = y + dy;
  while (onBoard(tx, ty)) {
    if constexpr (Human) {
      humanRule(p, t, tx, ty, c, x);
    } else {
      computerGuardSquareRule(p, t, tx, ty, c, x, y);
    }
    const PieceCode target = p.BoardPieces[tx][ty];
    if (target != 0 && target != enemyKing) return;
    tx += dx;
    ty += dy;
  }
}

}  // namespace morovan::influence
