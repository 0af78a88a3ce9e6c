// morovan-match: plays one computer level against another from shuffled starts
// and prints the result with the rating difference it shows.
//
//   morovan-match --a LEVEL --b LEVEL --games N [--seed S] [--positions FILE]
//
// Games come in pairs from one new game's start, the computer's pieces shuffled:
// A moves first in the first game and B in the second. The shuffled side moves
// first in every other pair, the standard side in the others. --positions writes every position an
// engine moved in, turned so that the engine is the computer: one line each, the level, then rows
// y = 1..9 of nine codes (x = 1..9), then the human's and the computer's hands by
// kind 1..7. The decisions' median and longest times follow the result, by
// level. --help prints the usage. Errors, a --positions path that cannot be
// written among them (told before the first game): one line on stderr, exit
// status 2.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "Game.h"
#include "QtHash.h"
#include "computer/BoardFlip.h"
#include "computer/DeepSearch.h"
#include "computer/EngineMatch.h"
#include "computer/MatchScore.h"
#include "model/NewGame.h"
#include "platform/Headless.h"
#include "platform/WholeFile.h"

namespace morovan {
namespace {

constexpr int kUsageError = 2;

[[noreturn]] void fail(const std::string& text) {
  std::fprintf(stderr, "morovan-match: %s\n", text.c_str());
  std::exit(kUsageError);
}

std::optional<long> parseWholeNumber(const std::string& text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

struct Options {
  int a = 0;
  int b = 0;
  int games = 0;
  unsigned seed = 1;
  std::string positions;
};

const char* const kUsage =
    "usage: morovan-match --a LEVEL --b LEVEL --games N [--seed S] [--positions FILE]";

Options parseArguments(int argc, char** argv) {
  const std::string usage = kUsage;
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--help" || a == "-h") {
      std::printf("%s\n", kUsage);
      std::exit(std::fflush(stdout) == 0 ? 0 : 1);
    }
    if (i + 1 >= argc) fail(a + " needs a value; " + usage);
    const std::string value = argv[++i];
    if (a == "--positions") {
      o.positions = value;
      continue;
    }
    const std::optional<long> n = parseWholeNumber(value);
    if (!n) fail(a + " needs a whole number, not '" + value + "'; " + usage);
    if (a == "--a" || a == "--b") {
      if (*n < 1 || *n > kDeepLevel) fail(a + " must be a level from 1 to 4");
      (a == "--a" ? o.a : o.b) = static_cast<int>(*n);
    } else if (a == "--games") {
      if (*n < 1) fail("--games must be 1 or more");
      o.games = static_cast<int>(*n);
    } else if (a == "--seed") {
      o.seed = static_cast<unsigned>(*n);
    } else {
      fail("unknown option '" + a + "'; " + usage);
    }
  }
  if (o.a == 0 || o.b == 0 || o.games == 0) fail(usage);
  return o;
}

// Times every decision by level, and writes the positions when asked to.
class DecisionLog : public DecisionSink {
 public:
  explicit DecisionLog(bool keepPositions) : keep_(keepPositions) {}
  void deciding(const Position& p, int level) override {
    start_ = std::chrono::steady_clock::now();
    if (keep_) write(p, level);
  }
  void decided(int level) override {
    const std::chrono::duration<double, std::milli> took =
        std::chrono::steady_clock::now() - start_;
    times_[level].push_back(took.count());
  }
  // The positions met, one line each, when kept.
  const std::string& positions() const { return positions_; }
  // "LEVEL4 decisions 1234: median 3.2 ms, longest 41.0 ms"
  void print() {
    for (auto& [level, times] : times_) {
      std::sort(times.begin(), times.end());
      std::printf("LEVEL%d decisions %zu: median %.1f ms, longest %.1f ms\n", level, times.size(),
                  times[times.size() / 2], times.back());
    }
  }

 private:
  void write(const Position& p, int level) {
    positions_ += std::to_string(level);
    auto field = [this](int v) { positions_ += ' ' + std::to_string(v); };
    for (int y = 1; y <= kBoardSize; ++y)
      for (int x = 1; x <= kBoardSize; ++x) field(p.BoardPieces[x][y]);
    for (int k = 1; k <= kHandKinds; ++k) field(p.HumanHand[k]);
    for (int k = 1; k <= kHandKinds; ++k) field(p.ComputerHand[k]);
    positions_ += '\n';
  }

  bool keep_;
  std::string positions_;
  std::chrono::steady_clock::time_point start_;
  std::map<int, std::vector<double>> times_;
};

// Whether a file could be written whole at `path`: a regular file or none
// there, its bits letting this user write it, and a temporary file creatable
// beside it. Leaves nothing behind.
bool canWriteAt(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) == 0) {
    if (!S_ISREG(st.st_mode) || !modeLetsWrite(st.st_mode, st.st_uid, st.st_gid, thisUser()))
      return false;
  } else if (errno != ENOENT) {
    return false;
  }
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
  std::string probe = folder + "/.morovan-match-XXXXXX";
  const int fd = mkstemp(probe.data());
  if (fd < 0) return false;
  close(fd);
  unlink(probe.c_str());
  return true;
}

int run(int argc, char** argv) {
  const Options o = parseArguments(argc, argv);
  // A match runs for minutes: a path it cannot write is told before the first game.
  if (!o.positions.empty() && !canWriteAt(o.positions)) fail("cannot write '" + o.positions + "'");
  DecisionLog log(!o.positions.empty());

  HeadlessPlatform headless{qtHash()};
  std::mt19937 starts(o.seed);
  unsigned startSeed = 0;
  MatchTally tally;
  for (int i = 0; i < o.games; ++i) {
    if (i % 2 == 0) startSeed = starts();
    const bool aFirst = i % 2 == 0;
    auto g = std::make_unique<Game>(headless.platform(), startSeed);
    初期設定(*g);
    if (i % 4 >= 2) flipPosition(g->pos);
    const GameOutcome r = playEngineGame(*g, aFirst ? o.a : o.b, aFirst ? o.b : o.a, &log);
    const char* result = "draw";
    if (r == GameOutcome::Draw) {
      ++tally.draws;
    } else if ((r == GameOutcome::FirstWins) == aFirst) {
      ++tally.wins;
      result = "A wins";
    } else {
      ++tally.losses;
      result = "B wins";
    }
    std::fprintf(stderr, "game %d (%s first): %s\n", i + 1, aFirst ? "A" : "B", result);
  }
  if (!o.positions.empty() && !writeFileWhole(o.positions, log.positions()))
    fail("cannot write '" + o.positions + "'");

  std::printf("A LEVEL%d vs B LEVEL%d, %d games, seed %u\n", o.a, o.b, o.games, o.seed);
  std::printf("%s\n", describeMatch(tally).c_str());
  log.print();
  return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace
}  // namespace morovan

int main(int argc, char** argv) {
  return morovan::run(argc, argv);
}
