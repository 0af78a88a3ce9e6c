#pragma once
// Every move and drop of one side in a position, with each promotion choice as a
// move of its own, gathered into a fixed array: the deeper search's generator.

#include "model/Position.h"

namespace morovan {

struct MoveList {
  // More than any position can hold: at most 40 pieces' moves, twice where a
  // promotion is optional, and seven kinds dropped on at most 81 squares.
  static constexpr int kCapacity = 1600;
  Move moves[kCapacity];
  int count = 0;
};

// Fills `list` with every move 移動チェック accepts for the computer's pieces
// (forComputer) or the human's, board moves first (by source column, then row)
// and then drops by hand kind. A move that may promote appears promoted and, when
// the piece may stay unpromoted there, once more unpromoted. When the side
// holds a piece, rebuilds the pawn-file flags of p for its drops; with an empty
// hand it leaves them as they are. Allocation-free.
void generateMoves(Position& p, bool forComputer, MoveList& list);

// What playing a move changed on the board, for taking it back.
struct PlayedMove {
  PieceCode captured = kEmpty;  // what stood on the destination
  PieceCode moved = kEmpty;     // the code that left the source (before promotion)
};

// Plays m on p, as 駒移動 does for the board and the hands. Kings' squares in p
// are not kept.
PlayedMove playOnPosition(Position& p, const Move& m);
void takeBackOnPosition(Position& p, const Move& m, const PlayedMove& played);

}  // namespace morovan
