#pragma once
// The influence survey: reach counts, guards and attackers of every square.

#include "influence/Influence.h"
#include "model/Position.h"

namespace morovan {

// Rebuilds the tables from p.BoardPieces and refreshes both king squares in p.
void 勢力調査(Position& p, Influence& t);

// The pattern procedures: add the reaches of one piece on (x, y).
void 勢力確定上直進(const Position& p, Influence& t, int c, int x, int y);
void 勢力確定下直進(const Position& p, Influence& t, int c, int x, int y);
void 勢力確定左直進(const Position& p, Influence& t, int c, int x, int y);
void 勢力確定右直進(const Position& p, Influence& t, int c, int x, int y);
void 勢力確定自金(const Position& p, Influence& t, int c, int x, int y);
void 勢力確定敵金(const Position& p, Influence& t, int x, int y);
void 勢力確定自角(const Position& p, Influence& t, int x, int y);
void 勢力確定敵角(const Position& p, Influence& t, int c, int x, int y);

// Sets t.ComputerPiecePinned: 1 if lifting some computer piece lets a human
// long-range piece move onto the computer king's square. The board is as before.
void 調査_移動不可駒(Position& p, Influence& t);

}  // namespace morovan
