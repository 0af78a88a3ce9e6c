#pragma once
// Looking back at kept games: the history (棋譜 → 対局履歴) and the review of a
// game opened from it, with its move list beside the board. A game that ended
// with a result opens face up, as its end showed it, with its shuffle's secret
// and the check against its fingerprint; one left unfinished opens hidden, as
// it may be played on.

#include <string>

#include "platform/Translator.h"

namespace morovan {

class Game;

// 対局履歴: lists the kept games and opens the one the player chooses.
void RIREKI_Click(Game& g);

// Opens the kept game `file` of the games folder for review. False when it
// could not be read (the player has been told).
bool openKeptGame(Game& g, const std::string& file);

// Shows the position after move n (0: the start) of the game under review.
void showReviewMove(Game& g, int n);

// Marks the entry on the board in the move list, after 進 or 戻.
void followReview(Game& g);

// Closes the move list: a new game, a game resumed or another record read.
void endReview(Game& g);

// The line under the move list, in the language of `words`: the fingerprint,
// and for a finished game its secret and whether the two make the fingerprint
// (✓) or not (✗).
std::string proofLine(const Translator& words, const std::string& fingerprint,
                      const std::string& secret, bool finished, const std::string& madeFingerprint);

}  // namespace morovan
