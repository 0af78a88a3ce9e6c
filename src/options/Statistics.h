#pragma once
// Results per level and side, kept in "Morovan.stats" in the data folder so
// that they outlive the pruning of kept games. The file is written whole after
// each game and read back tolerantly: a damaged one is set aside as
// "Morovan.stats.bad" ("…bad2" and on beside an earlier one), the player is
// warned, and counting starts afresh.

#include <optional>
#include <string>
#include <vector>

#include "platform/ReviewWindows.h"
#include "platform/Translator.h"

namespace morovan {

class Game;

inline constexpr int kStatisticsLevels = 4;
// The best handicap beaten when none has been: above every level.
inline constexpr int kNoHandicapBeaten = 11;

struct LevelResults {
  int games = 0, wins = 0, draws = 0, losses = 0;
  int streak = 0, bestStreak = 0;
  // The strongest handicap level (-10..10, lower is stronger) won at.
  int bestHandicapBeaten = kNoHandicapBeaten;
};

// By level 1..4 (slot 0 unused), side (0 Sente, 1 Gote) and whether 一時表示 was used.
struct Statistics {
  LevelResults results[kStatisticsLevels + 1][2][2];
};

enum class GameResult { Win, Draw, Loss };

// Counts one game into `s`.
void countResult(Statistics& s, int level, int humanSide, bool revealed, int handicapLevel,
                 GameResult result);

// The file's text, and back. nullopt for a text that is not wholly a statistics file.
std::string statisticsText(const Statistics& s);
std::optional<Statistics> parseStatistics(const std::string& text);

// Counts the game that just ended (`WinnerText` as 終了 has it) and writes the
// file; a failure to write is told.
void countGame(Game& g, const std::string& WinnerText);

// The rows the 戦績 window shows: every level and side with a game, their
// words in the language of `words`.
std::vector<StatisticsRow> statisticsRows(const Statistics& s, const Translator& words);

// 戦績: shows the statistics.
void SEISEKI_Click(Game& g);

}  // namespace morovan
