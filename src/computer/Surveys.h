#pragma once
// Small read-only measurements of the position the evaluation asks for. They read
// BoardPieces and the influence tables as the last 勢力調査 left them, and change
// nothing. Squares are board squares, x and y in 1..9.

#include "model/Types.h"

namespace morovan {

class Game;

// How many squares the piece (code `piece`, standing on (x, y)) may move to by
// 移動チェック where the opponent's reach is 0. 0..80.
int 調査_移動可場所数(Game& g, int x, int y, PieceCode piece);
// For a computer pawn or lance on (x, y): the sum of the absolute codes of the
// human pieces of code <= -60 that a computer knight dropped on an empty, unreached
// square (x -+ 1, y - 2) would attack on (x -+ 2, y). 0 unless y > 5 and the
// weakest human attacker of (x, y) is a bishop, rook or promoted one.
int 調査_桂狙い(Game& g, int x, int y);
// For a computer pawn on (x, y): the absolute code of the first piece down the
// file a computer lance on (x, y) could take; 0 when the conditions on rows
// y > 6, on (x, y - 1) and on the attacker of (x, y) fail, or nothing is found.
int 調査_香狙い(Game& g, int x, int y);
// Minus the number of the on-board neighbours of (x, y) holding a computer piece
// of code 60 or more (bishop, rook, their promotions, king). -8..0.
int 調査_周辺状況(Game& g, int x, int y);

}  // namespace morovan
