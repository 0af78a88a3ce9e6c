#include "computer/Evaluation.h"

#include <cstdlib>
#include <optional>

#include "Game.h"
#include "computer/Surveys.h"

namespace morovan {

namespace {

// Everything a table row reads, gathered once per call.
struct Candidate {
  Game& g;
  const PieceCode (&board)[10][10];
  const Influence& t;
  const int (&before)[10][10];  // ComputerReachBefore
  PieceCode captured;
  int fromX;
  int fromY;
  int x;
  int y;
  bool drop;
};

// Each table below adds its terms to s one at a time, in the order of the rows,
// so that the floating-point sum never depends on how the terms are grouped.

void pawnTerms(const Candidate& m, double& s) {
  const auto& b = m.board;
  const Influence& t = m.t;
  const Position& pos = m.g.pos;
  const int x = m.x;
  const int y = m.y;
  if (pos.ComputerHand[2] > 0) s += 調査_香狙い(m.g, x, y);
  if (pos.ComputerHand[3] > 0) s += 調査_桂狙い(m.g, x, y);
  if (y < 9) {
    const PieceCode front = b[x][y + 1];
    if (front == kGold) {
      s += 0.5;
    } else if (front == kRook) {
      s -= 1;
    }
    if (front < -kPawn && 調査_移動可場所数(m.g, x, y + 1, front) == 0) s += std::abs(front);
  }
  if (t.ComputerReach[x][y] > 0 && 1 < x && x < 9 &&
      (b[x + 1][y] == kRook || b[x - 1][y] == kRook)) {
    s -= 1;
  }
  if (m.drop) {
    if (t.ComputerReach[x][y] > 0 && y > 1 && b[x][y - 1] >= kSilver &&
        (pos.HumanHand[1] > 0 || pos.HumanHand[2] > 0)) {
      s += 6;
    }
    return;
  }
  s -= 0.1;
  const int guard = t.ComputerGuardCode[x][y];
  if (guard == kGold || guard == kSilver) s += 0.6;
  if (y < 8) {
    if (guard == kLance) {
      s += 1;
    } else if (guard == kRook && t.ComputerGuardX[x][y] == x &&
               t.ComputerReach[x][y] >= t.HumanReach[x][y] && t.ComputerGuardY[x][y] < y) {
      s += 2;
    }
  }
  if (y < 7) {
    if (x < 9 && b[x + 1][y] == kBishop) {
      s += 0.5;
      if (b[x + 1][y + 2] == -kPawn) s += 5;
    }
    if (x > 1 && x == 7 && y == 4 && b[8][2] == kBishop) s += 10;
    if (x > 1 && b[x - 1][y] == kBishop) {
      s += 0.5;
      if (b[x - 1][y + 2] == -kPawn) s += 5;
    }
  }
  if (y < 8 && m.captured <= -kPawn && t.ComputerReach[m.fromX][m.fromY] == 1) {
    if (y > 2 && t.HumanAttackerCode[x][y] == -kLance && b[x][y - 2] == kBishop) {
      s -= 5;
    } else {
      s += 5;
    }
    if (m.captured == -kPawn &&
        (t.HumanAttackerCode[x][y] == -kLance || t.HumanAttackerCode[x][y] == -kRook)) {
      s += 50;
    }
  }
}

void lanceTerms(const Candidate& m, double& s) {
  if (m.g.pos.ComputerHand[3] > 0) s += 調査_桂狙い(m.g, m.x, m.y);
  if (m.fromX != -1 && m.captured == 0) s -= 0.9;
}

void knightTerms(const Candidate& m, double& s) {
  const int x = m.x;
  const int y = m.y;
  s -= 0.1;
  if (y < 8 && 1 < x && x < 9 && x == 7 && y == 3 && m.board[8][4] == kBishop) s -= 5;
}

void silverTerms(const Candidate& m, double& s) {
  const auto& b = m.board;
  const int x = m.x;
  const int y = m.y;
  if (y <= 1) return;
  if (y > m.fromY && m.fromX == x) s -= 0.1;
  if (b[x][y - 1] == kKnight) s -= 0.5;
  if (x == 7 && y == 3 && b[8][3] == kPawn && b[8][5] == -kPawn) s += 115;
}

// A drop has FromX -1 and FromY 5 (the hand kind), so the diagonal-step row also
// takes 0.5 off every gold drop on rows 6 to 9.
void goldTerms(const Candidate& m, double& s) {
  const auto& b = m.board;
  const Influence& t = m.t;
  const int x = m.x;
  const int y = m.y;
  if (y > m.fromY && x != m.fromX) s -= 0.5;
  if (y == 2 && b[8][3] == kPawn && b[8][6] == -kPawn && t.HumanGuardCode[8][6] == -kRook &&
      x == 7) {
    s += 10;
  }
  if (y == 2 && m.g.pos.HumanHand[6] > 0 && m.before[x][y + 1] == 0 && b[x][y + 1] >= kPawn) {
    s += 2;
    if (m.before[x][y + 2] == 0 && b[x][y + 2] == kBishop) s += 125;
  }
}

// More than one step away; a drop (FromX = -1) always is.
bool farMove(const Candidate& m) {
  return std::abs(m.x - m.fromX) > 1 || std::abs(m.y - m.fromY) > 1;
}

void bishopTerms(const Candidate& m, double& s) {
  const auto& b = m.board;
  const Influence& t = m.t;
  const int x = m.x;
  const int y = m.y;
  s += 調査_周辺状況(m.g, x, y);
  if (y == 3 && x == 9 && b[9][4] == kPawn && b[9][6] == -kPawn && b[9][9] == -kLance) s -= 10;
  if (y == 3 && x == 7 && b[8][5] == -kPawn && t.HumanGuardCode[8][5] == -kRook) s += 9;
  if (m.fromY == 3 && m.fromX == 9 && b[9][4] == kPawn && b[9][6] == -kPawn &&
      t.HumanGuardCode[9][6] == -kLance) {
    s += 10;
  }
  if (m.fromY == 3 && m.fromX == 7 && b[8][5] == -kPawn && t.HumanGuardCode[8][5] == -kRook &&
      m.before[8][4] > t.ComputerReach[8][4]) {
    s -= 10;
  }
  if (farMove(m)) s -= 10;
}

void promotedBishopTerms(const Candidate& m, double& s) {
  s += 調査_周辺状況(m.g, m.x, m.y);
  if (farMove(m)) s -= 10;
}

void rookTerms(const Candidate& m, double& s) {
  const auto& b = m.board;
  const Influence& t = m.t;
  const int x = m.x;
  const int y = m.y;
  s += 調査_周辺状況(m.g, x, y);
  if (m.drop) {
    if (y == 9 && b[x][8] == -kSilver && 1 < x && x < 9 &&
        ((b[x - 1][9] != 0 && b[x + 1][8] == -kGold) ||
         (b[x + 1][9] != 0 && b[x - 1][8] == -kGold))) {
      s -= 1;
    }
    return;
  }
  const int fy = m.fromY;
  if (y < 8 && fy < 9 && b[8][fy + 1] == -kPawn && t.HumanGuardCode[8][fy + 1] == -kRook) {
    if (t.ComputerReach[8][fy] < m.before[8][fy]) s -= 11;
    if (b[7][fy] == kPawn && y != fy) s -= 11;
  }
}

void promotedRookTerms(const Candidate& m, double& s) {
  const auto& b = m.board;
  const int x = m.x;
  const int y = m.y;
  const int fx = m.fromX;
  s += 調査_周辺状況(m.g, x, y);
  // Row 0 holds no piece; the test on y > 1 only keeps the lookups on the board.
  if (y > 1 && b[x][y - 1] == -kSilver && 1 < x && x < 9 &&
      ((b[x - 1][y] != 0 && b[x + 1][y - 1] == -kGold) ||
       (b[x + 1][y] != 0 && b[x - 1][y - 1] == -kGold))) {
    s -= 10;
  }
  if (!m.drop && m.fromY == 9 && b[fx][8] == -kSilver) {
    if (fx > 1 && b[fx - 1][8] == -kGold) s += 2;
    if (fx < 9 && b[fx + 1][8] == -kGold) s += 2;
  }
  if (y == 9 && b[x][8] <= -kPawn &&
      ((x == 3 && b[2][9] <= -kPawn && b[4][8] == -kGold) ||
       (x == 7 && b[8][9] <= -kPawn && b[6][8] == -kGold))) {
    s -= 150;
  }
}

// 調査_周辺状況 for every square at once: minus the number of big computer pieces
// (code 60 or more) next to it. There are at most five such pieces, so spreading
// them out is much cheaper than asking each empty square in turn. The frame of
// row and column 0 and 10 takes the spill from edge pieces and is never read.
struct Crowding {
  int value[11][11] = {};
  explicit Crowding(const PieceCode (&b)[10][10]) {
    for (int x = 1; x <= 9; ++x) {
      for (int y = 1; y <= 9; ++y) {
        if (b[x][y] < kBishop) continue;
        for (int i = x - 1; i <= x + 1; ++i) {
          for (int j = y - 1; j <= y + 1; ++j) {
            if (i != x || j != y) --value[i][j];
          }
        }
      }
    }
  }
};

void kingTerms(const Candidate& m, double& s) {
  const Influence& t = m.t;
  const int x = m.x;
  const int y = m.y;
  if (t.ComputerPiecePinned == 1) s += 10;
  if (t.ComputerReach[x][y] > m.before[x][y]) s += 1;
  if (調査_移動可場所数(m.g, x, y, kKing) < 2) s -= 20;
}

}  // namespace

double 盤評価(Game& g, PieceCode captured, PieceCode placed, int FromX, int FromY, int ToX,
              int ToY) {
  const SearchState& search = g.search;
  const Position& pos = g.pos;
  double s = 0;
  if (FromX < 0) {
    s -= 5;
  } else if (placed > search.CandidatePiece) {
    s += 10;
  }
  s += 盤評価_COM危険座標(g, placed, ToX, ToY);
  if (g.state.ComputerLevel < 2) return s;

  const int dx = std::abs(ToX - pos.HumanKingX);
  const int dy = std::abs(ToY - pos.HumanKingY);
  if (dx > dy) {
    if (search.CandidateKingDistance > dx) s += 1;
  } else {
    if (search.CandidateKingDistance > dy) s += 0.1;
  }
  if (g.state.ComputerLevel < 3) return s;

  const Candidate m{g,        pos.BoardPieces, g.influence, search.ComputerReachBefore,
                    captured, FromX,           FromY,       ToX,
                    ToY,      FromX < 0};
  switch (placed) {
    case kPawn:
      pawnTerms(m, s);
      break;
    case kLance:
      lanceTerms(m, s);
      break;
    case kKnight:
      knightTerms(m, s);
      break;
    case kSilver:
      silverTerms(m, s);
      break;
    case kGold:
      goldTerms(m, s);
      break;
    case kBishop:
      bishopTerms(m, s);
      break;
    case kPromotedBishop:
      promotedBishopTerms(m, s);
      break;
    case kRook:
      rookTerms(m, s);
      break;
    case kPromotedRook:
      promotedRookTerms(m, s);
      break;
    case kKing:
      kingTerms(m, s);
      break;
    default:  // the promoted pawn, lance, knight and silver get no further terms
      break;
  }
  return s;
}

double 盤評価_COM危険座標(Game& g, PieceCode placed, int ToX, int ToY) {
  (void)placed;
  (void)ToX;
  (void)ToY;
  const Position& pos = g.pos;
  const auto& b = pos.BoardPieces;
  const auto& reach = g.influence.ComputerReach;
  const auto& before = g.search.ComputerReachBefore;
  const bool humanHasHand = pos.HumanHandTotal > 0;
  const bool humanHasGoldOrSilver = pos.HumanHand[5] > 0 || pos.HumanHand[4] > 0;
  const bool humanHasSilver = pos.HumanHand[4] > 0;
  // A computer piece on a square no computer piece reaches.
  const auto loose = [&](int i, int j) { return b[i][j] >= kPawn && reach[i][j] == 0; };
  std::optional<Crowding> crowding;  // built on first need
  double d = 0;
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      const PieceCode c = b[x][y];
      if (c == 0) {
        if (!humanHasHand) continue;
        if (humanHasGoldOrSilver && reach[x][y] <= 1) {
          if (!crowding) crowding.emplace(b);
          const int crowd = crowding->value[x][y];
          if (crowd < -1) d -= 5;
          if (reach[x][y] == 0 && crowd < 0) {
            d -= 1;
            if (y < 4) d -= 10;
          }
        }
        if (reach[x][y] != 0) continue;
        if (y == 2 && b[x][1] == kKnight) d -= 5;
        if (y < 4) d -= 0.1;
        // Diagonal pairs of loose pieces a silver dropped here would fork.
        if (humanHasSilver && 1 < x && x < 9 && 1 < y && y < 9) {
          if (loose(x - 1, y - 1) && loose(x + 1, y + 1)) d -= 20;
          if (loose(x - 1, y + 1) && loose(x + 1, y - 1)) d -= 20;
        }
      } else if (c <= -kPawn) {
        if (before[x][y] == 0 && reach[x][y] > 0 && std::abs(x - pos.ComputerKingX) < 3 &&
            std::abs(y - pos.ComputerKingY) < 3) {
          d += 15;
        }
        if (c == -kKnight && y >= 5 && b[x][y - 4] >= kSilver) {
          // The knight's next squares, from which it would attack (x, y - 4).
          if (x > 1 && b[x - 1][y - 2] >= 0 && reach[x - 1][y - 2] == 0) d -= 1;
          if (x < 9 && b[x + 1][y - 2] >= 0 && reach[x + 1][y - 2] == 0) d -= 1;
        } else if ((c == -kRook || c == -kPromotedRook || c == -kLance) && x == pos.ComputerKingX) {
          d -= 1;
        }
      }
    }
  }
  return d;
}

}  // namespace morovan
