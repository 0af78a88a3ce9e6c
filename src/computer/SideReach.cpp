#include "computer/SideReach.h"

#include <cstdlib>

namespace morovan {
namespace {

// Whether a piece of this code, seen as the computer's (moving towards row 9),
// reaches the square (dx, dy) away in one step.
bool stepReaches(PieceCode code, int dx, int dy) {
  const int ax = std::abs(dx);
  const int ay = std::abs(dy);
  switch (code) {
    case kPawn:
      return dx == 0 && dy == 1;
    case kKnight:
      return ax == 1 && dy == 2;
    case kSilver:
      return ax <= 1 && (dy == 1 || (ax == 1 && dy == -1));
    case kGold:
    case kPawn + 1:
    case kLance + 1:
    case kKnight + 1:
    case kSilver + 1:
      return (ax <= 1 && dy == 1) || (ax == 1 && dy == 0) || (dx == 0 && dy == -1);
    case kBishop + 1:
      return ax + ay == 1;
    case kRook + 1:
      return ax == 1 && ay == 1;
    case kKing:
      return ax <= 1 && ay <= 1 && ax + ay > 0;
    default:
      return false;
  }
}

// Whether a piece of this code, seen as the computer's, slides along the unit
// direction (dx, dy).
bool slides(PieceCode code, int dx, int dy) {
  switch (code) {
    case kLance:
      return dx == 0 && dy == 1;
    case kBishop:
    case kBishop + 1:
      return dx != 0 && dy != 0;
    case kRook:
    case kRook + 1:
      return dx == 0 || dy == 0;
    default:
      return false;
  }
}

constexpr SquareStep kKnightJumps[] = {{-1, 2}, {1, 2}, {-1, -2}, {1, -2}};

}  // namespace

bool sideReaches(const PieceCode (&b)[10][10], int x, int y, bool byComputer) {
  // Codes of the asking side turned positive, and rows turned so that the side
  // moves towards row 9: every piece then reads as the computer's.
  const int sign = byComputer ? 1 : -1;
  const PieceCode passedKing = -sign * kKing;
  // (dx, dy) runs from the piece to (x, y).
  auto reachesFrom = [&](int px, int py, int dx, int dy) {
    const PieceCode own = b[px][py] * sign;
    return own >= kPawn && stepReaches(own, dx, dy * sign);
  };
  for (const SquareStep& o : kKnightJumps) {
    const int px = x - o.dx;
    const int py = y - o.dy;
    if (onBoard(px, py) && reachesFrom(px, py, o.dx, o.dy)) return true;
  }
  for (const SquareStep& o : kNeighbourSteps) {
    int px = x - o.dx;
    int py = y - o.dy;
    if (!onBoard(px, py)) continue;
    if (reachesFrom(px, py, o.dx, o.dy)) return true;
    while (onBoard(px, py) && (b[px][py] == kEmpty || b[px][py] == passedKing)) {
      px -= o.dx;
      py -= o.dy;
    }
    if (!onBoard(px, py)) continue;
    const PieceCode own = b[px][py] * sign;
    if (own >= kPawn && slides(own, o.dx, o.dy * sign)) return true;
  }
  return false;
}

}  // namespace morovan
