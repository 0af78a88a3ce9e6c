#include "record/GameKeeping.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

#include "Game.h"
#include "platform/WholeFile.h"
#include "record/KeptGames.h"
#include "record/RecordFormat.h"

namespace morovan {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kExtension = ".棋譜";
constexpr std::size_t kStampLength = 19;  // 2026-12-08_21-04-33
constexpr int kMaxSameSecond = 99;

// Where a kept game's name sorts among the others: its stamp, then the number
// added for a second already taken (1 for none). nullopt for any other name.
std::optional<std::pair<std::string, int>> keptOrder(const std::string& name) {
  if (name.size() < kStampLength + kExtension.size() || !name.ends_with(kExtension))
    return std::nullopt;
  const std::string stamp = name.substr(0, kStampLength);
  for (std::size_t i = 0; i < kStampLength; ++i) {
    const char c = stamp[i];
    const bool separator = i == 4 || i == 7 || i == 10 || i == 13 || i == 16;
    if (separator ? c != (i == 10 ? '_' : '-') : (c < '0' || c > '9')) return std::nullopt;
  }
  const std::string rest =
      name.substr(kStampLength, name.size() - kStampLength - kExtension.size());
  if (rest.empty()) return std::pair{stamp, 1};
  if (rest.size() < 2 || rest.size() > 3 || rest[0] != '_') return std::nullopt;
  int number = 0;
  for (std::size_t i = 1; i < rest.size(); ++i) {
    if (rest[i] < '0' || rest[i] > '9') return std::nullopt;
    number = number * 10 + (rest[i] - '0');
  }
  return std::pair{stamp, number};
}

void removeOldest(const fs::path& folder, int keep) {
  std::vector<std::pair<std::pair<std::string, int>, fs::path>> kept;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    if (!entry.is_regular_file(error)) continue;
    if (auto order = keptOrder(entry.path().filename().string()))
      kept.emplace_back(std::move(*order), entry.path());
  }
  if (static_cast<int>(kept.size()) <= keep) return;
  std::sort(kept.begin(), kept.end());
  const std::size_t excess = kept.size() - static_cast<std::size_t>(keep);
  for (std::size_t i = 0; i < excess; ++i) fs::remove(kept[i].second, error);
}

// The secret goes with a game that has a result; one left unfinished may
// still be played on from its record, and keeps it back.
KeptGameFacts keptGameFacts(const Game& g, const std::string& file, bool finished) {
  const GameState& st = g.state;
  return KeptGameFacts{file,
                       st.ComputerLevel,
                       st.HandicapSet == kOn,
                       st.HandicapLevel,
                       g.review.revealUsed,
                       g.review.fingerprint,
                       finished ? g.review.secret : std::string()};
}

std::string playerLine(int side, const std::string& player) {
  return (side == kSente ? "先手 " : "後手 ") + player;
}

}  // namespace

std::string keptGameName(const std::tm& time) {
  char stamp[80];  // room for any int the fields may hold
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d_%02d-%02d-%02d", time.tm_year + 1900,
                time.tm_mon + 1, time.tm_mday, time.tm_hour, time.tm_min, time.tm_sec);
  return std::string(stamp) + std::string(kExtension);
}

bool keepRecordFile(const std::string& folder, const std::string& bytes, const std::tm& time,
                    int keep, std::string* keptName) {
  std::error_code error;
  fs::create_directories(folder, error);
  const std::string name = keptGameName(time);
  const std::string stem = name.substr(0, kStampLength);
  fs::path target = fs::path(folder) / name;
  // A kept game is never written over: two games kept in one second both stay.
  for (int n = 2; fs::exists(fs::symlink_status(target, error)); ++n) {
    if (n > kMaxSameSecond) return false;
    target = fs::path(folder) / (stem + "_" + std::to_string(n) + std::string(kExtension));
  }
  if (!writeFileWhole(target.string(), bytes)) return false;
  if (keptName != nullptr) *keptName = target.filename().string();
  removeOldest(folder, keep);
  return true;
}

void keepGame(Game& g, const std::string& gameName) {
  if (!g.keeping.unkept) return;
  g.keeping.unkept = false;
  const GameState& st = g.state;
  if (g.folders.games.empty() || st.Flipped == kOn || st.RecordLength < 1) return;

  // The upper player is the computer, as when the record panel writes a game.
  const RecordHeader header{
      gameName,
      playerLine(st.ComputerSide, "コンピュータ LEVEL" + std::to_string(st.ComputerLevel)),
      playerLine(st.HumanSide, "あなた")};
  const EncodedRecord encoded = encodeRecordFile(header, g.record, st.RecordLength);
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  std::string kept;
  if (encoded.problem == RecordProblem::None &&
      keepRecordFile(g.folders.games, encoded.bytes, local, kKeptGames, &kept)) {
    if (noteKeptGame(g.folders.games, keptGameFacts(g, kept, gameName != kAbandonedGame)) ||
        g.keeping.failureTold)
      return;
    // The record is kept; only the history's level, handicap and proof are lost.
    g.keeping.failureTold = true;
    g.platform.dialogs.message("棋譜保存", "対局履歴の情報を保存できませんでした", Buttons::Ok,
                               Icon::Warning);
    return;
  }
  if (g.keeping.failureTold) return;
  g.keeping.failureTold = true;
  g.platform.dialogs.message("棋譜保存",
                             "対局の棋譜を " + g.folders.games + " に保存できませんでした",
                             Buttons::Ok, Icon::Warning);
}

}  // namespace morovan
