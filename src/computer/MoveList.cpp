#include "computer/MoveList.h"

#include <cstdlib>

#include "model/Rules.h"

namespace morovan {
namespace {

bool isSlider(PieceCode p) {
  const int m = std::abs(p);
  return m == kLance || m == kBishop || m == kBishop + 1 || m == kRook || m == kRook + 1;
}

void add(MoveList& list, int fx, int fy, int tx, int ty, PieceCode piece) {
  list.moves[list.count++] = Move{fx, fy, tx, ty, piece};
}

// One destination already accepted by 移動チェック, with its promotion choices.
void addBoardMove(MoveList& list, int fx, int fy, int tx, int ty, PieceCode p) {
  PieceCode promoted = 0;
  if (調査_駒成(fx, fy, tx, ty, p, promoted) == 0) {
    add(list, fx, fy, tx, ty, p);
    return;
  }
  add(list, fx, fy, tx, ty, promoted);
  if (移動後チェック(ty, p) == 1) add(list, fx, fy, tx, ty, p);
}

void tryDestination(const Position& pos, MoveList& list, int fx, int fy, int tx, int ty,
                    PieceCode p) {
  if (onBoard(tx, ty) && 移動チェック(pos, fx, fy, tx, ty, p) == 1)
    addBoardMove(list, fx, fy, tx, ty, p);
}

// Every square a piece of this game could reach from (x, y) is on one of the
// eight lines (up to and including the first occupied square) for a slider, or
// next to it or a knight's jump away for any other piece: 移動チェック sorts them.
void addPieceMoves(const Position& pos, MoveList& list, int x, int y, PieceCode p) {
  const auto& b = pos.BoardPieces;
  for (const SquareStep& d : kNeighbourSteps) {
    int tx = x + d.dx;
    int ty = y + d.dy;
    if (!isSlider(p)) {
      tryDestination(pos, list, x, y, tx, ty, p);
      continue;
    }
    while (onBoard(tx, ty)) {
      tryDestination(pos, list, x, y, tx, ty, p);
      if (b[tx][ty] != kEmpty) break;
      tx += d.dx;
      ty += d.dy;
    }
  }
  if (std::abs(p) == kKnight) {
    const int forward = p > 0 ? 2 : -2;
    tryDestination(pos, list, x, y, x - 1, y + forward, p);
    tryDestination(pos, list, x, y, x + 1, y + forward, p);
  }
}

}  // namespace

void generateMoves(Position& p, bool forComputer, MoveList& list) {
  list.count = 0;
  const int sign = forComputer ? 1 : -1;
  for (int x = 1; x <= kBoardSize; ++x)
    for (int y = 1; y <= kBoardSize; ++y) {
      const PieceCode piece = p.BoardPieces[x][y];
      if (piece * sign >= kPawn) addPieceMoves(p, list, x, y, piece);
    }

  const int* hand = forComputer ? p.ComputerHand : p.HumanHand;
  if ((forComputer ? p.ComputerHandTotal : p.HumanHandTotal) <= 0) return;
  調査_2歩フラグ設定(p);
  for (int k = 1; k <= kHandKinds; ++k) {
    if (hand[k] <= 0) continue;
    const int fx = forComputer ? kComputerHandX : kHumanHandX;
    const int fy = forComputer ? k : k + 2;
    const PieceCode piece = sign * handKindPiece(k);
    for (int tx = 1; tx <= kBoardSize; ++tx)
      for (int ty = 1; ty <= kBoardSize; ++ty)
        if (p.BoardPieces[tx][ty] == kEmpty && 移動チェック(p, fx, fy, tx, ty, piece) == 1)
          add(list, fx, fy, tx, ty, piece);
  }
}

PlayedMove playOnPosition(Position& p, const Move& m) {
  PlayedMove played;
  played.moved = m.Piece;
  if (m.FromX == kComputerHandX) {
    --p.ComputerHand[m.FromY];
    --p.ComputerHandTotal;
  } else if (m.FromX == kHumanHandX) {
    --p.HumanHand[m.FromY - 2];
    --p.HumanHandTotal;
  } else {
    played.moved = p.BoardPieces[m.FromX][m.FromY];
    p.BoardPieces[m.FromX][m.FromY] = kEmpty;
  }
  const PieceCode captured = p.BoardPieces[m.ToX][m.ToY];
  played.captured = captured;
  p.BoardPieces[m.ToX][m.ToY] = m.Piece;
  if (const int kind = capturedHandKind(captured)) {
    if (captured < 0) {
      ++p.ComputerHand[kind];
      ++p.ComputerHandTotal;
    } else {
      ++p.HumanHand[kind];
      ++p.HumanHandTotal;
    }
  }
  return played;
}

void takeBackOnPosition(Position& p, const Move& m, const PlayedMove& played) {
  const PieceCode captured = played.captured;
  if (const int kind = capturedHandKind(captured)) {
    if (captured < 0) {
      --p.ComputerHand[kind];
      --p.ComputerHandTotal;
    } else {
      --p.HumanHand[kind];
      --p.HumanHandTotal;
    }
  }
  p.BoardPieces[m.ToX][m.ToY] = captured;
  if (m.FromX == kComputerHandX) {
    ++p.ComputerHand[m.FromY];
    ++p.ComputerHandTotal;
  } else if (m.FromX == kHumanHandX) {
    ++p.HumanHand[m.FromY - 2];
    ++p.HumanHandTotal;
  } else {
    p.BoardPieces[m.FromX][m.FromY] = played.moved;
  }
}

}  // namespace morovan
