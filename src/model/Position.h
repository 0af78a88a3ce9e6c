#pragma once
// The true position: board, flag marks, hands, pawn-file flags and king squares.

#include <string>

#include "model/Types.h"

namespace morovan {

struct Position {
  // [x][y], x = column 1..9 (left to right), y = row 1..9 (top to bottom).
  PieceCode BoardPieces[10][10] = {};
  // Per square: 0 or 9 no mark, 8 red, 7 blue. Belongs to the square and
  // travels with the piece on a board move.
  int EnemyMarks[10][10] = {};

  int HumanHand[8] = {};     // by HandKind 1..7
  int ComputerHand[8] = {};  // by HandKind 1..7
  int HumanHandTotal = 0;
  int ComputerHandTotal = 0;

  // Rebuilt by 調査_2歩フラグ設定 before a drop, not kept current in between.
  int HumanPawnFiles[10] = {};
  int ComputerPawnFiles[10] = {};

  int HumanKingX = 0;
  int HumanKingY = 0;
  int ComputerKingX = 0;
  int ComputerKingY = 0;
};

// Checks what every applied move must keep: valid codes on squares 1..9, empty
// row and column 0, hand counts 0 or more with totals equal to their sums, at most
// one king per side, and no more pieces of a kind than the game has. Returns an
// empty text when the position is sound, else which invariant broke.
std::string positionFault(const Position& p);

// Sets HumanHandTotal and ComputerHandTotal to the sums of their hands.
void recountHandTotals(Position& p);

// True for 0 and every code of the piece table (both signs, promoted or not).
bool isValidPieceCode(int code);

}  // namespace morovan
