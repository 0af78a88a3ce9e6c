#pragma once
// The first check decides the game; taking the opponent's bishop loses. One
// judgement per side, each run once the move is made and 勢力調査 has surveyed
// the new position. A judgement that ends the game announces why, shows the
// computer's pieces and hand face up, and returns the winner text for 終了
// ("あなた", "コンピュータ", "ｺﾝﾋﾟｭｰﾀ" or "引き分け"); while play goes on it
// shows nothing and returns an empty text.

#include <string>

#include "model/Types.h"

namespace morovan {

class Game;

// How a move leaves the game.
enum class Ending { None, ComputerWins, HumanWins, Draw };

// The judgement itself, for the game and for every look-ahead alike. `taken`
// stood on the move's destination; the flags say whether, after the move, the
// other side reaches each king. After the human's move: taking the computer's
// bishop loses, taking its king wins, then a reached king loses, both a draw.
// After the computer's move: taking the human's bishop loses, then reaching the
// human's king wins; the computer's own king is judged after the human's reply.
Ending endingOfHumanMove(PieceCode taken, bool humanKingReached, bool computerKingReached);
Ending endingOfComputerMove(PieceCode taken, bool humanKingReached);

// Taken is the code that stood on the destination of the human's move.
std::string judgeAfterHumanMove(Game& g, PieceCode Taken);
// Taken is the code that stood on the destination of the computer's move.
std::string judgeAfterComputerMove(Game& g, PieceCode Taken);

// The "王手" announcement.
void announceCheck(Game& g);
// The game is over: the computer's pieces and hand are shown face up.
void revealAll(Game& g);

}  // namespace morovan
