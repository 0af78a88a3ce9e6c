#include "influence/Survey.h"

#include <cstddef>

#include "influence/UpdateRules.h"

namespace morovan {

using influence::computerCountOnlyRule;
using influence::computerGuardCodeRule;
using influence::computerGuardSquareRule;
using influence::humanRule;
using influence::slidingRay;

namespace {

struct Step {
  int dx;
  int dy;
};

// Step lists in the order the survey takes them; up is towards row 1.
constexpr Step kHumanPawnSteps[] = {{0, -1}};
constexpr Step kHumanKnightSteps[] = {{-1, -2}, {1, -2}};
constexpr Step kHumanSilverSteps[] = {{0, -1}, {-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
constexpr Step kComputerPawnSteps[] = {{0, 1}};
constexpr Step kComputerKnightSteps[] = {{-1, 2}, {1, 2}};
constexpr Step kComputerSilverSteps[] = {{0, 1}, {-1, 1}, {1, 1}, {-1, -1}, {1, -1}};
constexpr Step kOrthogonalSteps[] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
constexpr Step kDiagonalSteps[] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
constexpr Step kKingSteps[] = {{0, -1}, {-1, -1}, {1, -1}, {0, 1},
                               {-1, 1}, {1, 1},   {-1, 0}, {1, 0}};
constexpr Step kHumanGoldSteps[] = {{0, -1}, {-1, -1}, {1, -1}, {0, 1}, {-1, 0}, {1, 0}};
constexpr Step kComputerGoldSteps[] = {{0, -1}, {0, 1}, {-1, 1}, {1, 1}, {-1, 0}, {1, 0}};

enum class ComputerRule { GuardSquare, GuardCode, CountOnly };

template <std::size_t N>
inline void humanSteps(const Position& p, Influence& t, int c, int x, int y,
                       const Step (&steps)[N]) {
  for (const Step& s : steps) {
    const int tx = x + s.dx;
    const int ty = y + s.dy;
    if (onBoard(tx, ty)) humanRule(p, t, tx, ty, c, x);
  }
}

template <ComputerRule Rule, std::size_t N>
inline void computerSteps(const Position& p, Influence& t, int c, int x, int y,
                          const Step (&steps)[N]) {
  for (const Step& s : steps) {
    const int tx = x + s.dx;
    const int ty = y + s.dy;
    if (!onBoard(tx, ty)) continue;
    if constexpr (Rule == ComputerRule::GuardSquare) {
      computerGuardSquareRule(p, t, tx, ty, c, x, y);
    } else if constexpr (Rule == ComputerRule::GuardCode) {
      computerGuardCodeRule(p, t, tx, ty, c);
    } else {
      computerCountOnlyRule(t, tx, ty);
    }
  }
}

template <bool Human>
inline void bishopRays(const Position& p, Influence& t, int c, int x, int y) {
  for (const Step& s : kDiagonalSteps) slidingRay<Human>(p, t, c, x, y, s.dx, s.dy);
}

// Rook and promoted rook: the four lines, in the order down, up, right, left.
inline void fourLines(const Position& p, Influence& t, int c, int x, int y) {
  勢力確定下直進(p, t, c, x, y);
  勢力確定上直進(p, t, c, x, y);
  勢力確定右直進(p, t, c, x, y);
  勢力確定左直進(p, t, c, x, y);
}

inline void resetTables(Influence& t) {
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      t.HumanReach[x][y] = 0;
      t.ComputerReach[x][y] = 0;
      t.HumanGuardCode[x][y] = kNoGuard;
      t.ComputerGuardCode[x][y] = kNoGuard;
      t.HumanAttackerCode[x][y] = kNoAttacker;
      t.HumanAttackerX[x][y] = 0;
    }
  }
}

}  // namespace

void 勢力調査(Position& p, Influence& t) {
  resetTables(t);
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      const PieceCode piece = p.BoardPieces[x][y];
      switch (piece) {
        case kEmpty:
          break;
        case -kPawn:
          humanSteps(p, t, -kPawn, x, y, kHumanPawnSteps);
          break;
        case -kLance:
          勢力確定上直進(p, t, -kLance, x, y);
          break;
        case -kKnight:
          humanSteps(p, t, -kKnight, x, y, kHumanKnightSteps);
          break;
        case -kSilver:
          humanSteps(p, t, -kSilver, x, y, kHumanSilverSteps);
          break;
        case -kGold:
        case -kPromotedPawn:
        case -kPromotedLance:
        case -kPromotedKnight:
        case -kPromotedSilver:
          勢力確定自金(p, t, piece, x, y);
          break;
        case -kBishop:
          勢力確定自角(p, t, x, y);
          break;
        case -kPromotedBishop:
          humanSteps(p, t, -kPromotedBishop, x, y, kOrthogonalSteps);
          勢力確定自角(p, t, x, y);
          break;
        case -kRook:
        case -kPromotedRook:
          fourLines(p, t, piece, x, y);
          if (piece == -kPromotedRook) humanSteps(p, t, -kPromotedRook, x, y, kDiagonalSteps);
          break;
        case -kKing:
          p.HumanKingX = x;
          p.HumanKingY = y;
          humanSteps(p, t, -kKing, x, y, kKingSteps);
          break;
        case kPawn:
          computerSteps<ComputerRule::GuardCode>(p, t, kPawn, x, y, kComputerPawnSteps);
          break;
        case kLance:
          勢力確定下直進(p, t, kLance, x, y);
          break;
        case kKnight:
          computerSteps<ComputerRule::GuardSquare>(p, t, kKnight, x, y, kComputerKnightSteps);
          break;
        case kSilver:
          computerSteps<ComputerRule::GuardSquare>(p, t, kSilver, x, y, kComputerSilverSteps);
          break;
        case kGold:
        case kPromotedPawn:
        case kPromotedLance:
        case kPromotedKnight:
        case kPromotedSilver:
          勢力確定敵金(p, t, x, y);
          break;
        case kBishop:
          勢力確定敵角(p, t, kBishop, x, y);
          break;
        case kPromotedBishop:
          computerSteps<ComputerRule::CountOnly>(p, t, kPromotedBishop, x, y, kOrthogonalSteps);
          勢力確定敵角(p, t, kPromotedBishop, x, y);
          break;
        case kRook:
        case kPromotedRook:
          fourLines(p, t, piece, x, y);
          if (piece == kPromotedRook)
            computerSteps<ComputerRule::GuardSquare>(p, t, kPromotedRook, x, y, kDiagonalSteps);
          break;
        case kKing:
          p.ComputerKingX = x;
          p.ComputerKingY = y;
          computerSteps<ComputerRule::GuardCode>(p, t, kKing, x, y, kKingSteps);
          break;
        default:
          break;
      }
    }
  }
}

void 勢力確定上直進(const Position& p, Influence& t, int c, int x, int y) {
  if (c < 0) {
    slidingRay<true>(p, t, c, x, y, 0, -1);
  } else {
    slidingRay<false>(p, t, c, x, y, 0, -1);
  }
}

void 勢力確定下直進(const Position& p, Influence& t, int c, int x, int y) {
  if (c < 0) {
    slidingRay<true>(p, t, c, x, y, 0, 1);
  } else {
    slidingRay<false>(p, t, c, x, y, 0, 1);
  }
}

void 勢力確定左直進(const Position& p, Influence& t, int c, int x, int y) {
  if (c < 0) {
    slidingRay<true>(p, t, c, x, y, -1, 0);
  } else {
    slidingRay<false>(p, t, c, x, y, -1, 0);
  }
}

void 勢力確定右直進(const Position& p, Influence& t, int c, int x, int y) {
  if (c < 0) {
    slidingRay<true>(p, t, c, x, y, 1, 0);
  } else {
    slidingRay<false>(p, t, c, x, y, 1, 0);
  }
}

void 勢力確定自金(const Position& p, Influence& t, int c, int x, int y) {
  humanSteps(p, t, c, x, y, kHumanGoldSteps);
}

// Golds and the promoted minor pieces all guard as 50 and never leave their square.
void 勢力確定敵金(const Position& p, Influence& t, int x, int y) {
  computerSteps<ComputerRule::GuardCode>(p, t, kGold, x, y, kComputerGoldSteps);
}

// Records -60 also for a promoted bishop's diagonals.
void 勢力確定自角(const Position& p, Influence& t, int x, int y) {
  bishopRays<true>(p, t, -kBishop, x, y);
}

void 勢力確定敵角(const Position& p, Influence& t, int c, int x, int y) {
  bishopRays<false>(p, t, c, x, y);
}

}  // namespace morovan
