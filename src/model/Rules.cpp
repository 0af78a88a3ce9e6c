#include "model/Rules.h"

#include <cstdlib>

namespace morovan {
namespace {

// True when every square of column x strictly between rows y1 and y2 is empty.
bool columnClear(const Position& p, int x, int y1, int y2) {
  const int step = y2 > y1 ? 1 : -1;
  for (int y = y1 + step; y != y2; y += step)
    if (p.BoardPieces[x][y] != kEmpty) return false;
  return true;
}

// True when every square of row y strictly between columns x1 and x2 is empty.
bool rowClear(const Position& p, int y, int x1, int x2) {
  const int step = x2 > x1 ? 1 : -1;
  for (int x = x1 + step; x != x2; x += step)
    if (p.BoardPieces[x][y] != kEmpty) return false;
  return true;
}

}  // namespace

int 移動チェック(const Position& p, int FromX, int FromY, int ToX, int ToY, PieceCode Piece) {
  if (!onBoard(ToX, ToY)) return 0;
  if (ToX == FromX && ToY == FromY) return 0;
  // An empty square or an unknown code is not a piece and cannot move.
  if (Piece == kEmpty || !isValidPieceCode(Piece)) return 0;

  const PieceCode target = p.BoardPieces[ToX][ToY];
  if (Piece >= 10) {
    if (target >= 10) return 0;
  } else if (target <= -10) {
    return 0;
  }

  if (FromX == kHumanHandX || FromX == kComputerHandX) {
    if (target != kEmpty) return 0;
    if (Piece == -kPawn && p.HumanPawnFiles[ToX] == 1) return 0;
    if (Piece == kPawn && p.ComputerPawnFiles[ToX] == 1) return 0;
    const int m = std::abs(Piece);
    if (m != kPawn && m != kLance && m != kKnight) return 1;
  }

  // Each rule is written for the computer, moving towards row 9; `forward`
  // mirrors it for the human, whose pieces move towards row 1.
  const int forward = Piece > 0 ? 1 : -1;
  const int dx = ToX - FromX;
  const int dy = (ToY - FromY) * forward;
  // A board move is told from a drop by the origin column as the rules tell it:
  // the computer's pieces by FromX > 0, the human's by FromX other than 11.
  const bool boardMove = Piece > 0 ? FromX > 0 : FromX != kHumanHandX;
  // The row counted from the mover's own back rank: 9 is the far rank.
  const int depth = Piece > 0 ? ToY : kBoardSize + 1 - ToY;
  const bool step = std::abs(dx) <= 1 && std::abs(ToY - FromY) <= 1;

  switch (std::abs(Piece)) {
    case kPawn:
      if (boardMove) return dx == 0 && dy == 1;
      return depth != 9;
    case kLance:
      if (boardMove) return dx == 0 && dy > 0 && columnClear(p, ToX, FromY, ToY);
      return depth != 9;
    case kKnight:
      if (boardMove) return dy == 2 && (dx == 1 || dx == -1);
      return depth <= 7;
    case kSilver:
      return std::abs(dx) <= 1 && (dy == 1 || (dx != 0 && dy == -1));
    case kGold:
    case kPawn + 1:
    case kLance + 1:
    case kKnight + 1:
    case kSilver + 1:
      return (std::abs(dx) <= 1 && (dy == 0 || dy == 1)) || (dx == 0 && dy == -1);
    case kBishop:
      // The bishop of this game never captures.
      return 移動チェック角(p, FromX, FromY, ToX, ToY) == 1 && target == kEmpty;
    case kBishop + 1:
      if (step) return 1;
      return 移動チェック角(p, FromX, FromY, ToX, ToY) == 1 && target == kEmpty;
    case kRook:
      return 移動チェック飛車(p, FromX, FromY, ToX, ToY);
    case kRook + 1:
      if (step) return 1;
      return 移動チェック飛車(p, FromX, FromY, ToX, ToY);
    case kKing:
      return step;
    default:
      return 0;
  }
}

int 移動チェック飛車(const Position& p, int FromX, int FromY, int ToX, int ToY) {
  if (FromX != ToX && FromY != ToY) return 0;
  if (FromY != ToY) return columnClear(p, ToX, FromY, ToY);
  if (FromX != ToX) return rowClear(p, ToY, FromX, ToX);
  return 1;
}

int 移動チェック角(const Position& p, int FromX, int FromY, int ToX, int ToY) {
  const int dx = ToX - FromX;
  const int dy = ToY - FromY;
  if (dx != dy && dx != -dy) return 0;
  const int sx = dx > 0 ? 1 : -1;
  const int sy = dy > 0 ? 1 : -1;
  for (int i = 1; i < std::abs(dx); ++i)
    if (p.BoardPieces[FromX + i * sx][FromY + i * sy] != kEmpty) return 0;
  return 1;
}

int 調査_駒成(int FromX, int FromY, int /*ToX*/, int ToY, PieceCode Piece,
              PieceCode& PromotedPiece) {
  if (FromX == kComputerHandX || FromX == kHumanHandX) return 0;
  switch (Piece) {
    case -kPawn:
    case -kLance:
    case -kKnight:
      if (ToY > 3) return 0;
      break;
    case -kSilver:
    case -kBishop:
    case -kRook:
      if (ToY > 3 && FromY > 3) return 0;
      break;
    case kPawn:
    case kLance:
    case kKnight:
      if (ToY < 7) return 0;
      break;
    case kSilver:
    case kBishop:
    case kRook:
      if (ToY < 7 && FromY < 7) return 0;
      break;
    default:
      return 0;
  }
  PromotedPiece = Piece > 0 ? Piece + 1 : Piece - 1;
  return 1;
}

int 移動後チェック(int ToY, PieceCode Piece) {
  switch (Piece) {
    case kPawn:
    case kLance:
      return ToY == 9 ? 0 : 1;
    case kKnight:
      return ToY >= 8 ? 0 : 1;
    case -kPawn:
    case -kLance:
      return ToY == 1 ? 0 : 1;
    case -kKnight:
      return ToY <= 2 ? 0 : 1;
    default:
      return 1;
  }
}

void 調査_2歩フラグ設定(Position& p) {
  for (int x = 1; x <= kBoardSize; ++x) {
    p.HumanPawnFiles[x] = 0;
    p.ComputerPawnFiles[x] = 0;
    for (int y = 1; y <= kBoardSize; ++y) {
      if (p.BoardPieces[x][y] == -kPawn) p.HumanPawnFiles[x] = 1;
      if (p.BoardPieces[x][y] == kPawn) p.ComputerPawnFiles[x] = 1;
    }
  }
}

int 調査_持駒数(const Position& p, int HumanSide, int ComputerSide, int Side) {
  const int* hand = nullptr;
  if (Side == ComputerSide) {
    hand = p.ComputerHand;
  } else if (Side == HumanSide) {
    hand = p.HumanHand;
  } else {
    return 0;
  }
  int n = 0;
  for (int k = 1; k <= kHandKinds; ++k) n += hand[k];
  return n;
}

}  // namespace morovan
