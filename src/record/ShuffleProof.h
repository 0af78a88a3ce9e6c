#pragma once
// A fingerprint that binds the program to a game's starting position before the
// first move, and that only the secret opens: SHA-256 over the position's text
// and a 128-bit secret. The set-ups are few enough to try them all, so without
// the secret the fingerprint tells nothing of them.

#include <string>

#include "model/GameRecord.h"
#include "platform/Entropy.h"
#include "platform/Hash.h"

namespace morovan {

class Game;

// Digits of the fingerprint the window shows.
inline constexpr std::size_t kShownFingerprintDigits = 8;

// 32 hex digits of fresh entropy.
std::string newSecret(Entropy& entropy);

// 64 hex digits: SHA-256 of entry 0's board and hands, as an entry line of the
// record file writes them, followed by the secret.
std::string fingerprintOf(Hash& hash, const GameRecord& record, const std::string& secret);

// Commits the game about to start to its starting position (entry 0), unless
// it already is, and shows the fingerprint.
void commitToSetup(Game& g);

// Forgets the commitment: a new game or a record read has a starting position of its own.
void dropCommitment(Game& g);

}  // namespace morovan
