#pragma once
// Carrying out an accepted move on the game's state, with the repaint of exactly
// the squares and hands that changed, and the game record writer.

#include "model/Types.h"

namespace morovan {

class Game;

// Applies the move; Piece is the code that ends on the destination. Checks nothing.
void 駒移動(Game& g, int FromX, int FromY, int ToX, int ToY, PieceCode Piece);
// Puts a captured piece, unpromoted, into the captor's hand; a king sets Winner.
void 駒取得(Game& g, PieceCode Captured);
// Writes GameRecord entry RecordIndex. Returns false, writing nothing, when
// RecordIndex lies past the last entry (500).
bool 手順保存(Game& g, double Time1, double Time2, double Time3, double Time4);
// True while the record has room for the entry a move would add.
bool recordHasRoom(const Game& g);

}  // namespace morovan
