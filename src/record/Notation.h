#pragma once
// The move list of a record in the notation shogi players read: ▲ for the side
// that moved first, △ for the other, the destination as the board's labels show
// it (full-width file, kanji rank; 同 on the last move's square), the piece as it
// stood, 成 or 不成 where promotion was open, and the origin (77) or 打.
//
// The record holds positions, not moves, so each move is read off two
// consecutive entries.

#include <optional>
#include <string>
#include <vector>

#include "model/GameRecord.h"
#include "platform/Translator.h"

namespace morovan {

// A move as two consecutive entries show it: a board move (FromX, FromY on the
// board) or a drop (FromX = kHumanHandX or kComputerHandX). `before` is the
// piece that left the origin or the hand; Move::Piece the one on the destination.
struct RecordedMove {
  Move move;
  PieceCode before = 0;
};

// The move that turns entry n - 1 into entry n (1 <= n <= 500), or nullopt when
// the two entries differ by anything other than one move.
std::optional<RecordedMove> recordedMove(const GameRecord& record, int n);

// The notation of moves 1..RecordLength; a move the entries do not show as one
// move reads "？" after its side's mark. Its words are in the language of
// `words` (under English 成 is +, 不成 =, 打 *, and 同 the square written out),
// its pieces in kanji or, with `latinPieces`, in the board's Latin labels.
std::vector<std::string> moveNotation(const GameRecord& record, int RecordLength,
                                      const Translator& words = untranslated(),
                                      bool latinPieces = false);

}  // namespace morovan
