#include "record/GameKeeping.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>
#include <tuple>
#include <utility>
#include <vector>

#include "Game.h"
#include "platform/WholeFile.h"
#include "record/KeptGames.h"
#include "record/RecordFormat.h"
#include "view/Texts.h"

namespace morovan {
namespace {

namespace fs = std::filesystem;

constexpr int kMaxSameSecond = 99;

// What a kept game's name says: its stamp, then the number added for a
// second already taken (1 for none). nullopt for any other name, and for a
// stamp that is no real date and time, which the game never wrote.
std::optional<std::pair<std::string, int>> keptOrder(std::string_view name) {
  if (name.size() < kStampLength + kRecordExtension.size() || !name.ends_with(kRecordExtension))
    return std::nullopt;
  const std::string stamp(name.substr(0, kStampLength));
  int fields[6] = {};  // year, month, day, hour, minute, second
  for (std::size_t i = 0, field = 0; i < kStampLength; ++i) {
    const char c = stamp[i];
    const bool separator = i == 4 || i == 7 || i == 10 || i == 13 || i == 16;
    if (separator) {
      if (c != (i == 10 ? '_' : '-')) return std::nullopt;
      ++field;
    } else if (c < '0' || c > '9') {
      return std::nullopt;
    } else {
      fields[field] = fields[field] * 10 + (c - '0');
    }
  }
  const std::chrono::year_month_day date{std::chrono::year(fields[0]),
                                         std::chrono::month(static_cast<unsigned>(fields[1])),
                                         std::chrono::day(static_cast<unsigned>(fields[2]))};
  // A leap second is a real time too.
  if (!date.ok() || fields[3] > 23 || fields[4] > 59 || fields[5] > 60) return std::nullopt;
  const std::string_view rest =
      name.substr(kStampLength, name.size() - kStampLength - kRecordExtension.size());
  if (rest.empty()) return std::pair{stamp, 1};
  if (rest.size() < 2 || rest.size() > 3 || rest[0] != '_') return std::nullopt;
  int number = 0;
  for (std::size_t i = 1; i < rest.size(); ++i) {
    if (rest[i] < '0' || rest[i] > '9') return std::nullopt;
    number = number * 10 + (rest[i] - '0');
  }
  if (number < 2 || number > kMaxSameSecond) return std::nullopt;
  return std::pair{stamp, number};
}

// A kept game in the order of its writing. The names follow the local clock,
// which repeats an hour when daylight saving ends and goes back when set; the
// file system's time of writing goes back only with a clock set back, and a
// file written after "now" was written before that.
struct KeptFile {
  bool beforeClockWentBack = false;
  std::int64_t writtenNs = 0;
  std::pair<std::string, int> name;
  fs::path path;
};

auto age(const KeptFile& f) {
  return std::tuple<bool, std::int64_t, const std::pair<std::string, int>&>(!f.beforeClockWentBack,
                                                                            f.writtenNs, f.name);
}

// Removes the oldest kept games beyond `keep`, never one `spared`. Only the
// game's own files are pruned: regular files under a kept game's name in the
// folder itself, not through a link into a folder of the player's.
void removeOldest(const fs::path& folder, const std::array<fs::path, 2>& spared, int keep) {
  std::error_code error;
  if (!fs::is_directory(fs::symlink_status(folder, error))) return;
  const std::int64_t nowNs = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                 std::chrono::system_clock::now().time_since_epoch())
                                 .count();
  std::vector<KeptFile> kept;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    std::optional<std::pair<std::string, int>> name = keptOrder(entry.path().filename().string());
    struct stat st {};
    if (!name || ::lstat(entry.path().c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    const std::int64_t written =
        std::int64_t{st.st_mtim.tv_sec} * 1'000'000'000 + st.st_mtim.tv_nsec;
    kept.push_back({written > nowNs, written, std::move(*name), entry.path()});
  }
  if (static_cast<int>(kept.size()) <= keep) return;
  std::sort(kept.begin(), kept.end(),
            [](const KeptFile& a, const KeptFile& b) { return age(a) < age(b); });
  std::size_t excess = kept.size() - static_cast<std::size_t>(keep);
  for (const KeptFile& file : kept) {
    if (excess == 0) break;
    if (std::find(spared.begin(), spared.end(), file.path.filename()) != spared.end()) continue;
    fs::remove(file.path, error);
    --excess;
  }
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
  return std::string(side == kSente ? kSenteLine : kGoteLine) + player;
}

}  // namespace

std::string keptGameName(const std::tm& time) {
  char stamp[80];  // room for any int the fields may hold
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d_%02d-%02d-%02d", time.tm_year + 1900,
                time.tm_mon + 1, time.tm_mday, time.tm_hour, time.tm_min, time.tm_sec);
  return std::string(stamp) + std::string(kRecordExtension);
}

bool keepRecordFile(const std::string& folder, const std::string& bytes, const std::tm& time,
                    int keep, std::string* keptName, const std::string& spared) {
  std::error_code error;
  fs::create_directories(folder, error);
  removeStaleTemporaries(folder, [](std::string_view name) { return keptOrder(name).has_value(); });
  const std::string name = keptGameName(time);
  const std::string stem = name.substr(0, kStampLength);
  // A kept game is never written over: two games kept in one second, by one
  // program or two, both stay.
  std::vector<std::string> names{name};
  for (int n = 2; n <= kMaxSameSecond; ++n)
    names.push_back(stem + "_" + std::to_string(n) + std::string(kRecordExtension));
  const std::optional<std::string> written = writeNewFileWhole(folder, names, bytes);
  if (!written) return false;
  if (keptName != nullptr) *keptName = fs::path(*written).filename().string();
  removeOldest(folder, {fs::path(*written).filename(), spared}, keep);
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
      playerLine(st.ComputerSide, std::string(kComputerPlayer) + std::to_string(st.ComputerLevel)),
      playerLine(st.HumanSide, std::string(kHumanPlayer))};
  const EncodedRecord encoded = encodeRecordFile(header, g.record, st.RecordLength);
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  std::string kept;
  if (encoded.problem == RecordProblem::None &&
      keepRecordFile(g.folders.games, encoded.bytes, local, kKeptGames, &kept, g.keeping.opening)) {
    if (noteKeptGame(g.folders.games, keptGameFacts(g, kept, gameName != kAbandonedGame)) ||
        g.keeping.failureTold)
      return;
    // The record is kept; only the history's level, handicap and proof are lost.
    g.keeping.failureTold = true;
    tell(g, sourceText("Message", "棋譜保存"),
         sourceText("Message", "対局履歴の情報を保存できませんでした"), Buttons::Ok, Icon::Warning);
    return;
  }
  if (g.keeping.failureTold) return;
  g.keeping.failureTold = true;
  tell(g, sourceText("Message", "棋譜保存"),
       fillIn(shown(g, "Message", sourceText("Message", "対局の棋譜を %1 に保存できませんでした")),
              {g.folders.games}),
       Buttons::Ok, Icon::Warning);
}

}  // namespace morovan
