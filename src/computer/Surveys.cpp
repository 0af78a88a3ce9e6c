#include "computer/Surveys.h"

#include <cstdlib>

#include "Game.h"
#include "model/Rules.h"

namespace morovan {

namespace {

bool isHumanBigPiece(int code) {
  return code >= -kPromotedRook && code <= -kBishop;
}

}  // namespace

int 調査_移動可場所数(Game& g, int x, int y, PieceCode piece) {
  const Influence& t = g.influence;
  // The reach that makes a destination unsafe is the opponent's.
  const int(&opponentReach)[10][10] = piece >= kPawn ? t.HumanReach : t.ComputerReach;
  int n = 0;
  for (int i = 1; i <= 9; ++i) {
    for (int j = 1; j <= 9; ++j) {
      if (移動チェック(g.pos, x, y, i, j, piece) == 1 && opponentReach[i][j] == 0) ++n;
    }
  }
  return n;
}

int 調査_桂狙い(Game& g, int x, int y) {
  const Influence& t = g.influence;
  const auto& board = g.pos.BoardPieces;
  if (!isHumanBigPiece(t.HumanAttackerCode[x][y]) || y <= 5) return 0;
  int sum = 0;
  // A computer knight dropped on (x -+ 1, y - 2) reaches (x -+ 2, y).
  if (x > 2 && board[x - 1][y - 2] == 0 && t.HumanReach[x - 1][y - 2] == 0 &&
      board[x - 2][y] <= -kBishop && t.HumanAttackerX[x][y] != x - 2) {
    sum += std::abs(board[x - 2][y]);
  }
  if (x < 8 && board[x + 1][y - 2] == 0 && t.HumanReach[x + 1][y - 2] == 0 &&
      board[x + 2][y] <= -kBishop && t.HumanAttackerX[x][y] != x + 2) {
    sum += std::abs(board[x + 2][y]);
  }
  return sum;
}

int 調査_香狙い(Game& g, int x, int y) {
  const Influence& t = g.influence;
  const auto& board = g.pos.BoardPieces;
  if (y <= 6 || t.ComputerReach[x][y - 1] <= 0 || t.HumanReach[x][y - 1] != 0 ||
      !isHumanBigPiece(t.HumanAttackerCode[x][y])) {
    return 0;
  }
  for (int j = y + 1; j <= 9; ++j) {
    if (board[x][j] == 0) continue;
    return 移動チェック(g.pos, x, y, x, j, kLance) == 1 ? std::abs(board[x][j]) : 0;
  }
  return 0;
}

int 調査_周辺状況(Game& g, int x, int y) {
  const auto& board = g.pos.BoardPieces;
  int n = 0;
  for (const SquareStep& d : kNeighbourSteps) {
    const int i = x + d.dx;
    const int j = y + d.dy;
    if (onBoard(i, j) && board[i][j] >= kBishop) ++n;
  }
  return -n;
}

}  // namespace morovan
