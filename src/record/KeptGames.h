#pragma once
// What a kept record cannot carry (the level, the handicap, whether 一時表示 was
// used, the shuffle's fingerprint and secret) is kept in a small index beside
// the games folder, "Morovan.history": one line a kept game, its fields
// separated by tabs. The records themselves stay as every reader knows them.
// The history of kept games is read from the records and that index.

#include <string>
#include <vector>

#include "platform/ReviewWindows.h"
#include "platform/Translator.h"

namespace morovan {

class Game;

// The index line of one kept game.
struct KeptGameFacts {
  std::string file;  // the record's name in the games folder
  int level = 0;
  bool handicapSet = false;
  int handicap = 0;
  bool revealed = false;
  std::string fingerprint;  // hex, empty when the game had none
  std::string secret;       // hex, empty unless the game ended with a result
};

// The index beside `gamesFolder`; lines that do not read are passed over.
std::vector<KeptGameFacts> readKeptGameFacts(const std::string& gamesFolder);

// Adds the facts of a game just kept, dropping lines of records no longer in
// the folder. False when the index could not be written.
bool noteKeptGame(const std::string& gamesFolder, const KeptGameFacts& facts);

// The result of a kept game from the human's side, read from its game name:
// 勝ち, 負け, 引き分け, 中断, or empty for a name that is no result.
std::string resultOfGameName(const std::string& gameName);

// The result of the kept record at `path` (see resultOfGameName); empty when
// it cannot be read.
std::string keptGameResult(const std::string& path);

// Every record in the games folder, newest first, its words in the language of
// `words`.
std::vector<KeptGameRow> keptGameRows(const std::string& gamesFolder, const Translator& words);

// Removes a kept record and its index line. False when it could not be removed.
bool removeKeptGame(const std::string& gamesFolder, const std::string& file);

}  // namespace morovan
