#pragma once
// Move legality: pure questions about BoardPieces and the pawn-file flags. They
// are the search's hot path: no allocation, nothing touched but what they name.
// Results are 1 (yes) or 0 (no).

#include "model/Position.h"

namespace morovan {

// 1 if Piece may go from (FromX, FromY) to (ToX, ToY); drops have FromX 11 or -1.
// Pawn drops read the pawn-file flags as they are: call 調査_2歩フラグ設定 first.
int 移動チェック(const Position& p, int FromX, int FromY, int ToX, int ToY, PieceCode Piece);
// 1 if the squares share a file or rank with nothing strictly between them.
int 移動チェック飛車(const Position& p, int FromX, int FromY, int ToX, int ToY);
// 1 if the squares share a diagonal with nothing strictly between them.
int 移動チェック角(const Position& p, int FromX, int FromY, int ToX, int ToY);
// 1 if the piece may promote on this move; then PromotedPiece is written.
int 調査_駒成(int FromX, int FromY, int ToX, int ToY, PieceCode Piece, PieceCode& PromotedPiece);
// 0 if Piece left unpromoted on row ToY could never move again.
int 移動後チェック(int ToY, PieceCode Piece);
// Rebuilds HumanPawnFiles and ComputerPawnFiles from the board.
void 調査_2歩フラグ設定(Position& p);
// Pieces in the hand of Side (a HumanSide or ComputerSide label); 0 for any other.
int 調査_持駒数(const Position& p, int HumanSide, int ComputerSide, int Side);

}  // namespace morovan
