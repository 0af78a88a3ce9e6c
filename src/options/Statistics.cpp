#include "options/Statistics.h"

#include <filesystem>
#include <sstream>

#include "Game.h"
#include "platform/WholeFile.h"
#include "view/Texts.h"

namespace morovan {
namespace {

constexpr const char* kStatisticsFile = "Morovan.stats";
constexpr const char* kDamagedSuffix = ".bad";
constexpr int kDamagedCopies = 9;
constexpr const char* kFirstLine = "Morovan statistics 1";
constexpr const char* kTitle = sourceText("Message", "戦績");

// Beside the games folder, in the data folder, like the index of kept games.
std::string statisticsPath(const Game& g) {
  return (std::filesystem::path(g.folders.games).parent_path() / kStatisticsFile).string();
}

int sideSlot(int humanSide) {
  return humanSide == kSente ? 0 : 1;
}

// The statistics on file: none yet gives a fresh start; a damaged file is set
// aside, told, and also gives a fresh start.
Statistics readStatistics(Game& g) {
  const std::string path = statisticsPath(g);
  const std::optional<std::string> bytes = readFileWhole(path);
  if (!bytes) return {};
  if (std::optional<Statistics> s = parseStatistics(*bytes)) return *s;
  // The damaged file is replaced only once its copy is safe, beside any copy
  // set aside before; otherwise it stays, and counting into it fails and says so.
  std::vector<std::string> asides{std::string(kStatisticsFile) + kDamagedSuffix};
  for (int n = 2; n <= kDamagedCopies; ++n) asides.push_back(asides.front() + std::to_string(n));
  if (writeNewFileWhole(std::filesystem::path(path).parent_path().string(), asides, *bytes) &&
      writeFileWhole(path, statisticsText(Statistics{})))
    tell(g, kTitle,
         sourceText("Message", "戦績のファイルが壊れていたため、戦績を最初から数え直します"),
         Buttons::Ok, Icon::Warning);
  return {};
}

}  // namespace

void countResult(Statistics& s, int level, int humanSide, bool revealed, int handicapLevel,
                 GameResult result) {
  if (level < 1 || level > kStatisticsLevels) return;
  LevelResults& r = s.results[level][sideSlot(humanSide)][revealed ? 1 : 0];
  r.games += 1;
  switch (result) {
    case GameResult::Win:
      r.wins += 1;
      r.streak += 1;
      r.bestStreak = std::max(r.bestStreak, r.streak);
      r.bestHandicapBeaten = std::min(r.bestHandicapBeaten, handicapLevel);
      break;
    case GameResult::Draw:
      r.draws += 1;
      r.streak = 0;
      break;
    case GameResult::Loss:
      r.losses += 1;
      r.streak = 0;
      break;
  }
}

std::string statisticsText(const Statistics& s) {
  std::string text = std::string(kFirstLine) + "\n";
  for (int level = 1; level <= kStatisticsLevels; ++level)
    for (int side = 0; side < 2; ++side)
      for (int revealed = 0; revealed < 2; ++revealed) {
        const LevelResults& r = s.results[level][side][revealed];
        text += std::to_string(level) + ' ' + std::to_string(side) + ' ' +
                std::to_string(revealed) + ' ' + std::to_string(r.games) + ' ' +
                std::to_string(r.wins) + ' ' + std::to_string(r.draws) + ' ' +
                std::to_string(r.losses) + ' ' + std::to_string(r.streak) + ' ' +
                std::to_string(r.bestStreak) + ' ' + std::to_string(r.bestHandicapBeaten) + '\n';
      }
  return text;
}

std::optional<Statistics> parseStatistics(const std::string& text) {
  const std::vector<std::string_view> lines = splitLines(text);
  constexpr std::size_t kLines = 1 + kStatisticsLevels * 2 * 2;
  if (lines.size() != kLines || lines[0] != kFirstLine) return std::nullopt;
  Statistics s;
  for (std::size_t i = 1; i < kLines; ++i) {
    std::istringstream in{std::string(lines[i])};
    int level = 0, side = 0, revealed = 0;
    LevelResults r;
    std::string rest;
    if (!(in >> level >> side >> revealed >> r.games >> r.wins >> r.draws >> r.losses >> r.streak >>
          r.bestStreak >> r.bestHandicapBeaten) ||
        (in >> rest))
      return std::nullopt;
    const int expected = static_cast<int>(i - 1);
    if (level != 1 + expected / 4 || side != (expected / 2) % 2 || revealed != expected % 2)
      return std::nullopt;
    const bool sound = r.games >= 0 && r.wins >= 0 && r.draws >= 0 && r.losses >= 0 &&
                       0LL + r.wins + r.draws + r.losses == r.games && r.streak >= 0 &&
                       r.streak <= r.bestStreak && r.bestStreak <= r.wins &&
                       r.bestHandicapBeaten >= -10 && r.bestHandicapBeaten <= kNoHandicapBeaten;
    if (!sound) return std::nullopt;
    s.results[level][side][revealed] = r;
  }
  return s;
}

void countGame(Game& g, const std::string& WinnerText) {
  // A run that keeps no games (a test, a tool) keeps no statistics either.
  if (g.folders.games.empty()) return;
  readStatistics(g);  // sets a damaged file aside first
  const GameResult result = WinnerText == "あなた"     ? GameResult::Win
                            : WinnerText == "引き分け" ? GameResult::Draw
                                                       : GameResult::Loss;
  const GameState& st = g.state;
  // Counted into the file as it is now: a second program may have counted a
  // game since.
  const bool counted =
      updateFileWhole(statisticsPath(g), [&](const std::string& old) -> std::optional<std::string> {
        std::optional<Statistics> s = old.empty() ? Statistics{} : parseStatistics(old);
        if (!s) return std::nullopt;
        countResult(*s, st.ComputerLevel, st.HumanSide, g.review.revealUsed,
                    st.HandicapSet == kOn ? st.HandicapLevel : 0, result);
        return statisticsText(*s);
      });
  if (!counted)
    tell(g, kTitle, sourceText("Message", "戦績を保存できませんでした"), Buttons::Ok,
         Icon::Warning);
}

std::vector<StatisticsRow> statisticsRows(const Statistics& s, const Translator& words) {
  std::vector<StatisticsRow> rows;
  for (int revealed = 0; revealed < 2; ++revealed)
    for (int level = 1; level <= kStatisticsLevels; ++level)
      for (int side = 0; side < 2; ++side) {
        const LevelResults& r = s.results[level][side][revealed];
        if (r.games == 0) continue;
        StatisticsRow row;
        row.level = level;
        row.side = sideName(side == 0 ? kSente : kGote, words);
        row.revealed = revealed == 1;
        row.games = r.games;
        row.wins = r.wins;
        row.draws = r.draws;
        row.losses = r.losses;
        row.streak = r.streak;
        row.bestStreak = r.bestStreak;
        if (r.bestHandicapBeaten < kNoHandicapBeaten)
          row.bestHandicapBeaten = gradeName(r.bestHandicapBeaten, words);
        rows.push_back(row);
      }
  return rows;
}

void SEISEKI_Click(Game& g) {
  if (g.folders.games.empty()) {
    g.platform.review->showStatistics({});
    return;
  }
  g.platform.review->showStatistics(statisticsRows(readStatistics(g), g.platform.words));
}

}  // namespace morovan
