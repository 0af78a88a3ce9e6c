#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "model/Rules.h"

namespace morovan {
namespace {

using Square = std::pair<int, int>;
using Squares = std::set<Square>;

// Every square `piece` on (x, y) may move to, by 移動チェック over the whole board.
Squares reach(const Position& p, int x, int y, PieceCode piece) {
  Squares out;
  for (int tx = 1; tx <= 9; ++tx)
    for (int ty = 1; ty <= 9; ++ty)
      if (移動チェック(p, x, y, tx, ty, piece) == 1) out.insert({tx, ty});
  return out;
}

// The squares at the given steps from (x, y), written for the computer (forward
// is +y) and mirrored for the human when `human` is set.
Squares steps(int x, int y, const std::vector<Square>& offsets, bool human) {
  Squares out;
  for (const auto& [dx, dy] : offsets) out.insert({x + dx, y + (human ? -dy : dy)});
  return out;
}

// Every square from (x, y) in the direction (dx, dy) to the edge.
std::vector<Square> ray(int dx, int dy) {
  std::vector<Square> out;
  for (int i = 1; i <= 8; ++i) out.push_back({dx * i, dy * i});
  return out;
}

Squares onBoard(const Squares& s) {
  Squares out;
  for (const auto& q : s)
    if (q.first >= 1 && q.first <= 9 && q.second >= 1 && q.second <= 9) out.insert(q);
  return out;
}

const std::vector<Square> kGoldSteps = {{-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}, {0, -1}};
const std::vector<Square> kKingSteps = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0},
                                        {1, 0},   {-1, 1}, {0, 1},  {1, 1}};

std::vector<Square> join(std::initializer_list<std::vector<Square>> parts) {
  std::vector<Square> out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

TEST(MoveCheck, EveryPieceOnAnEmptyBoardForBothSides) {
  for (const bool human : {false, true}) {
    SCOPED_TRACE(human ? "human" : "computer");
    const int s = human ? -1 : 1;
    Position p;
    EXPECT_EQ(reach(p, 5, 5, s * 10), steps(5, 5, {{0, 1}}, human));
    EXPECT_EQ(reach(p, 5, 5, s * 20), steps(5, 5, {{0, 1}, {0, 2}, {0, 3}, {0, 4}}, human));
    EXPECT_EQ(reach(p, 5, 5, s * 30), steps(5, 5, {{-1, 2}, {1, 2}}, human));
    EXPECT_EQ(reach(p, 5, 5, s * 40),
              steps(5, 5, {{-1, 1}, {0, 1}, {1, 1}, {-1, -1}, {1, -1}}, human));
    for (const int gold : {50, 11, 21, 31, 41}) {
      SCOPED_TRACE(gold);
      EXPECT_EQ(reach(p, 5, 5, s * gold), steps(5, 5, kGoldSteps, human));
    }
    const auto diagonals = join({ray(1, 1), ray(1, -1), ray(-1, 1), ray(-1, -1)});
    const auto lines = join({ray(1, 0), ray(-1, 0), ray(0, 1), ray(0, -1)});
    EXPECT_EQ(reach(p, 5, 5, s * 60), onBoard(steps(5, 5, diagonals, false)));
    EXPECT_EQ(reach(p, 5, 5, s * 61), onBoard(steps(5, 5, join({diagonals, kKingSteps}), false)));
    EXPECT_EQ(reach(p, 5, 5, s * 70), onBoard(steps(5, 5, lines, false)));
    EXPECT_EQ(reach(p, 5, 5, s * 71), onBoard(steps(5, 5, join({lines, kKingSteps}), false)));
    EXPECT_EQ(reach(p, 5, 5, s * 80), steps(5, 5, kKingSteps, false));
  }
}

TEST(MoveCheck, RefusesOwnPiecesOffBoardAndStandingStill) {
  Position p;
  p.BoardPieces[5][6] = 40;
  p.BoardPieces[5][4] = -40;
  // The computer's king cannot take its own silver but can take the human's.
  EXPECT_EQ(移動チェック(p, 5, 5, 5, 6, 80), 0);
  EXPECT_EQ(移動チェック(p, 5, 5, 5, 4, 80), 1);
  EXPECT_EQ(移動チェック(p, 5, 5, 5, 4, -80), 0);
  EXPECT_EQ(移動チェック(p, 5, 5, 5, 6, -80), 1);
  EXPECT_EQ(移動チェック(p, 5, 5, 5, 5, 80), 0);
  EXPECT_EQ(移動チェック(p, 1, 1, 0, 1, 80), 0);
  EXPECT_EQ(移動チェック(p, 1, 1, 1, 0, 80), 0);
  EXPECT_EQ(移動チェック(p, 9, 9, 10, 9, 80), 0);
  EXPECT_EQ(移動チェック(p, 9, 9, 9, 10, -80), 0);
  EXPECT_EQ(移動チェック(p, 5, 5, 5, 10, 70), 0);
  // Not pieces: nothing moves them, on the board or from a hand.
  EXPECT_EQ(移動チェック(p, 5, 5, 4, 5, 0), 0);
  EXPECT_EQ(移動チェック(p, 5, 5, 4, 5, 51), 0);
  EXPECT_EQ(移動チェック(p, 11, 3, 1, 1, 0), 0);
}

TEST(MoveCheck, BishopNeverCapturesAndPromotedBishopOnlyByAStep) {
  Position p;
  p.BoardPieces[3][3] = -60;
  p.BoardPieces[4][4] = 10;  // an undefended computer pawn next to the bishop
  EXPECT_EQ(移動チェック(p, 3, 3, 4, 4, -60), 0);
  EXPECT_EQ(移動チェック(p, 3, 3, 5, 5, -60), 0);  // and not past it
  EXPECT_EQ(reach(p, 3, 3, -60), (Squares{{2, 2}, {1, 1}, {2, 4}, {1, 5}, {4, 2}, {5, 1}}));
  // The computer's bishop is bound the same way.
  p.BoardPieces[2][4] = -10;
  EXPECT_EQ(移動チェック(p, 3, 3, 2, 4, 60), 0);

  Position q;
  q.BoardPieces[5][5] = -61;
  q.BoardPieces[6][4] = 10;  // one step diagonally
  q.BoardPieces[5][4] = 20;  // one step orthogonally
  q.BoardPieces[7][7] = 30;  // two steps on the diagonal
  EXPECT_EQ(移動チェック(q, 5, 5, 6, 4, -61), 1);
  EXPECT_EQ(移動チェック(q, 5, 5, 5, 4, -61), 1);
  EXPECT_EQ(移動チェック(q, 5, 5, 7, 7, -61), 0);
  EXPECT_EQ(移動チェック(q, 5, 5, 6, 6, -61), 1);
  EXPECT_EQ(移動チェック(q, 5, 5, 8, 8, -61), 0);  // blocked
  EXPECT_EQ(移動チェック(q, 5, 5, 7, 3, -61), 0);  // blocked by the pawn on (6,4)
}

TEST(MoveCheck, RooksAndLancesCaptureAlongTheirLinesButNeverPass) {
  Position p;
  p.BoardPieces[5][5] = -70;
  p.BoardPieces[5][2] = 10;
  p.BoardPieces[8][5] = -10;
  EXPECT_EQ(移動チェック(p, 5, 5, 5, 2, -70), 1);
  EXPECT_EQ(移動チェック(p, 5, 5, 5, 1, -70), 0);
  EXPECT_EQ(移動チェック(p, 5, 5, 8, 5, -70), 0);  // own piece
  EXPECT_EQ(移動チェック(p, 5, 5, 9, 5, -70), 0);
  EXPECT_EQ(移動チェック(p, 5, 5, 7, 5, -70), 1);
  EXPECT_EQ(移動チェック(p, 5, 5, 4, 4, -70), 0);  // no step aside for an unpromoted rook
  p.BoardPieces[5][5] = -71;
  EXPECT_EQ(移動チェック(p, 5, 5, 5, 2, -71), 1);
  EXPECT_EQ(移動チェック(p, 5, 5, 5, 1, -71), 0);
  EXPECT_EQ(移動チェック(p, 5, 5, 4, 4, -71), 1);

  Position l;
  l.BoardPieces[3][2] = 20;
  l.BoardPieces[3][5] = -10;
  EXPECT_EQ(移動チェック(l, 3, 2, 3, 5, 20), 1);
  EXPECT_EQ(移動チェック(l, 3, 2, 3, 6, 20), 0);
  l.BoardPieces[3][5] = 10;  // an own piece blocks as well
  EXPECT_EQ(移動チェック(l, 3, 2, 3, 5, 20), 0);
  EXPECT_EQ(移動チェック(l, 3, 2, 3, 7, 20), 0);
  EXPECT_EQ(移動チェック(l, 3, 2, 3, 1, 20), 0);  // never backwards
}

TEST(MoveCheck, SilverNeverStraightBackGoldNeverDiagonallyBack) {
  Position p;
  EXPECT_EQ(移動チェック(p, 5, 5, 5, 6, -40), 0);
  EXPECT_EQ(移動チェック(p, 5, 5, 4, 6, -40), 1);
  EXPECT_EQ(移動チェック(p, 5, 5, 4, 6, -50), 0);
  EXPECT_EQ(移動チェック(p, 5, 5, 5, 6, -50), 1);
  EXPECT_EQ(移動チェック(p, 5, 5, 5, 4, 40), 0);
  EXPECT_EQ(移動チェック(p, 5, 5, 4, 4, 40), 1);
  EXPECT_EQ(移動チェック(p, 5, 5, 4, 4, 50), 0);
  EXPECT_EQ(移動チェック(p, 5, 5, 5, 4, 50), 1);
}

TEST(MoveCheck, DropsKeepTheTwoPawnRuleAndTheRowLimits) {
  Position p;
  p.BoardPieces[2][6] = -11;  // a human と, which is no pawn
  p.BoardPieces[3][6] = -10;
  p.BoardPieces[4][4] = 10;
  p.BoardPieces[5][5] = 40;
  調査_2歩フラグ設定(p);
  EXPECT_EQ(移動チェック(p, 11, 3, 2, 4, -10), 1);
  EXPECT_EQ(移動チェック(p, 11, 3, 3, 4, -10), 0);
  EXPECT_EQ(移動チェック(p, -1, 1, 4, 2, 10), 0);
  EXPECT_EQ(移動チェック(p, -1, 1, 3, 2, 10), 1);   // the human's pawn does not bind the computer
  EXPECT_EQ(移動チェック(p, 11, 9, 5, 5, -70), 0);  // onto a piece
  EXPECT_EQ(移動チェック(p, -1, 7, 3, 6, 70), 0);

  Position e;
  調査_2歩フラグ設定(e);
  for (int y = 1; y <= 9; ++y) {
    SCOPED_TRACE(y);
    EXPECT_EQ(移動チェック(e, 11, 3, 5, y, -10), y != 1);
    EXPECT_EQ(移動チェック(e, 11, 4, 5, y, -20), y != 1);
    EXPECT_EQ(移動チェック(e, 11, 5, 5, y, -30), y >= 3);
    EXPECT_EQ(移動チェック(e, -1, 1, 5, y, 10), y != 9);
    EXPECT_EQ(移動チェック(e, -1, 2, 5, y, 20), y != 9);
    EXPECT_EQ(移動チェック(e, -1, 3, 5, y, 30), y <= 7);
    for (const int kind : {40, 50, 60, 70}) {
      EXPECT_EQ(移動チェック(e, 11, kind / 10 + 2, 5, y, -kind), 1);
      EXPECT_EQ(移動チェック(e, -1, kind / 10, 5, y, kind), 1);
    }
  }
}

TEST(Promotion, ZonesCompulsionAndThePromotedCode) {
  PieceCode promoted = 0;
  // A human silver stepping back out of the zone may still promote.
  EXPECT_EQ(調査_駒成(5, 3, 4, 4, -40, promoted), 1);
  EXPECT_EQ(promoted, -41);
  promoted = 0;
  EXPECT_EQ(調査_駒成(5, 5, 5, 4, -10, promoted), 0);
  EXPECT_EQ(promoted, 0);
  EXPECT_EQ(調査_駒成(11, 3, 5, 2, -10, promoted), 0);
  EXPECT_EQ(調査_駒成(-1, 1, 5, 8, 10, promoted), 0);
  EXPECT_EQ(promoted, 0);
  for (const int kind : {10, 20, 30}) {
    SCOPED_TRACE(kind);
    EXPECT_EQ(調査_駒成(5, 4, 5, 3, -kind, promoted), 1);
    EXPECT_EQ(promoted, -kind - 1);
    EXPECT_EQ(調査_駒成(5, 3, 5, 4, -kind, promoted), 0);
    EXPECT_EQ(調査_駒成(5, 6, 5, 7, kind, promoted), 1);
    EXPECT_EQ(promoted, kind + 1);
    EXPECT_EQ(調査_駒成(5, 7, 5, 6, kind, promoted), 0);
  }
  for (const int kind : {40, 60, 70}) {
    SCOPED_TRACE(kind);
    EXPECT_EQ(調査_駒成(5, 3, 5, 5, -kind, promoted), 1);
    EXPECT_EQ(promoted, -kind - 1);
    EXPECT_EQ(調査_駒成(5, 7, 5, 5, kind, promoted), 1);
    EXPECT_EQ(promoted, kind + 1);
    EXPECT_EQ(調査_駒成(5, 4, 5, 6, -kind, promoted), 0);
    EXPECT_EQ(調査_駒成(5, 6, 5, 4, kind, promoted), 0);
  }
  promoted = 0;
  for (const int never : {50, -50, 80, -80, 11, -11, 41, -61, 71}) {
    EXPECT_EQ(調査_駒成(5, 2, 5, 1, never, promoted), 0);
    EXPECT_EQ(調査_駒成(5, 8, 5, 9, never, promoted), 0);
  }
  EXPECT_EQ(promoted, 0);

  for (int y = 1; y <= 9; ++y) {
    SCOPED_TRACE(y);
    EXPECT_EQ(移動後チェック(y, 10), y != 9);
    EXPECT_EQ(移動後チェック(y, 20), y != 9);
    EXPECT_EQ(移動後チェック(y, 30), y <= 7);
    EXPECT_EQ(移動後チェック(y, -10), y != 1);
    EXPECT_EQ(移動後チェック(y, -20), y != 1);
    EXPECT_EQ(移動後チェック(y, -30), y >= 3);
    EXPECT_EQ(移動後チェック(y, 40), 1);
    EXPECT_EQ(移動後チェック(y, -11), 1);
  }
}

TEST(PawnFlagsAndHandCount, RebuiltFromTheBoardAndCountedBySide) {
  Position p;
  p.HumanPawnFiles[7] = 1;  // stale, from an earlier position
  p.BoardPieces[1][7] = -10;
  p.BoardPieces[2][3] = 10;
  p.BoardPieces[3][7] = -11;
  p.BoardPieces[4][3] = 11;
  調査_2歩フラグ設定(p);
  for (int x = 1; x <= 9; ++x) {
    EXPECT_EQ(p.HumanPawnFiles[x], x == 1) << x;
    EXPECT_EQ(p.ComputerPawnFiles[x], x == 2) << x;
  }

  p.HumanHand[1] = 3;
  p.HumanHand[7] = 1;
  p.ComputerHand[6] = 2;
  EXPECT_EQ(調査_持駒数(p, kGote, kSente, kGote), 4);
  EXPECT_EQ(調査_持駒数(p, kGote, kSente, kSente), 2);
  EXPECT_EQ(調査_持駒数(p, kSente, kGote, kSente), 4);
  EXPECT_EQ(調査_持駒数(p, kGote, kSente, 0), 0);
}

}  // namespace
}  // namespace morovan
