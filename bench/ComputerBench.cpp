// Times the computer's decision (decideComputerMove) on fixed positions at each
// level, and prints a signature of the decisions on standard error so that a
// change of behaviour shows: the same code and positions always give the same
// signature, and a CTest compares it with the one kept in bench/CMakeLists.txt.
// LevelFourOnPlayedPositions gives LEVEL4's median and worst decision over the
// positions of played games that the tests keep.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "Game.h"
#include "QtHash.h"
#include "computer/DeepSearch.h"
#include "computer/MoveSearch.h"
#include "computer/PlayedPositions.h"
#include "model/Position.h"
#include "platform/Headless.h"

namespace morovan {
namespace {

// A position with the computer to move: rows y = 1..9 of nine codes (x = 1..9),
// and the hands by kind 1..7.
struct BenchPosition {
  const char* name;
  const char* rows[9];
  int humanHand[8];
  int computerHand[8];
};

const BenchPosition kPositions[] = {
    {"opening",
     {"20 30 40 50 80 50 40 30 20", "0 70 0 0 0 0 0 60 0", "10 10 10 10 10 10 10 10 10",
      "0 0 0 0 0 0 0 0 0", "0 0 0 0 0 0 0 0 0", "0 0 0 0 0 0 0 0 0",
      "-10 -10 -10 -10 -10 -10 -10 -10 -10", "0 -60 0 0 0 0 0 -70 0",
      "-20 -30 -40 -50 -80 -50 -40 -30 -20"},
     {0, 0, 0, 0, 0, 0, 0, 0},
     {0, 0, 0, 0, 0, 0, 0, 0}},
    {"middle game",
     {"20 30 0 50 80 0 0 30 20", "0 70 0 0 40 50 0 60 0", "10 0 10 10 0 10 0 0 0",
      "0 10 0 0 10 0 10 10 0", "0 0 0 0 0 0 0 0 0", "0 0 -10 0 -10 0 0 -10 0",
      "-10 -10 0 -10 0 -10 -10 0 0", "0 -60 0 0 0 0 0 -70 0", "-20 -30 -40 0 -80 -50 -40 0 -20"},
     {0, 1, 0, 0, 1, 0, 0, 0},
     {0, 1, 0, 1, 0, 1, 0, 0}},
    {"end game",
     {"0 0 0 80 0 0 0 0 0", "0 0 50 0 40 0 0 0 0", "0 0 10 10 0 0 0 0 0", "0 0 0 0 0 0 0 0 0",
      "0 0 0 0 0 0 70 0 0", "0 -71 0 0 0 0 0 0 0", "0 0 0 0 0 -10 -10 0 0", "0 0 0 0 -50 0 0 0 0",
      "0 0 0 0 0 -80 0 0 -20"},
     {0, 2, 0, 1, 0, 0, 0, 0},
     {0, 3, 0, 0, 1, 1, 1, 0}},
};
constexpr int kPositionCount = sizeof(kPositions) / sizeof(kPositions[0]);

// A headless game holding the position; stops the program on a position that
// breaks the game's invariants, since its timings would mean nothing.
struct BenchGame {
  HeadlessPlatform platform{qtHash()};
  std::unique_ptr<Game> game;

  BenchGame(const BenchPosition& b, int level)
      : game(std::make_unique<Game>(platform.platform(), 0)) {
    Position& p = game->pos;
    for (int y = 1; y <= kBoardSize; ++y) {
      std::istringstream row(b.rows[y - 1]);
      for (int x = 1; x <= kBoardSize; ++x) row >> p.BoardPieces[x][y];
    }
    for (int k = 1; k <= kHandKinds; ++k) {
      p.HumanHand[k] = b.humanHand[k];
      p.ComputerHand[k] = b.computerHand[k];
    }
    recountHandTotals(p);
    const std::string fault = positionFault(p);
    if (!fault.empty()) {
      std::fprintf(stderr, "bench position '%s': %s\n", b.name, fault.c_str());
      std::exit(1);
    }
    game->state.ComputerLevel = level;
  }
};

void BM_ComputerDecision(benchmark::State& state, int position) {
  BenchGame bench(kPositions[position], static_cast<int>(state.range(0)));
  for (auto _ : state) {
    const SearchOutcome outcome = decideComputerMove(*bench.game);
    benchmark::DoNotOptimize(outcome);
    benchmark::DoNotOptimize(bench.game->search.BestScore);
  }
}

// Every played position's LEVEL4 decision, each timed at its fastest over the
// iterations so that a busy machine does not count as the search's worst case.
// Reports the median and the worst decision, and the position of the worst.
void BM_PlayedPositions(benchmark::State& state) {
  const std::vector<Position> positions = playedPositions();
  HeadlessPlatform platform{qtHash()};
  auto game = std::make_unique<Game>(platform.platform(), 0);
  game->state.ComputerLevel = kDeepLevel;
  std::vector<double> fastest(positions.size(), 1e9);
  for (auto _ : state) {
    for (std::size_t i = 0; i < positions.size(); ++i) {
      game->pos = positions[i];
      const auto start = std::chrono::steady_clock::now();
      const SearchOutcome outcome = decideComputerMove(*game);
      const std::chrono::duration<double, std::milli> took =
          std::chrono::steady_clock::now() - start;
      benchmark::DoNotOptimize(outcome);
      fastest[i] = std::min(fastest[i], took.count());
    }
  }
  const auto worst = std::max_element(fastest.begin(), fastest.end());
  std::vector<double> sorted = fastest;
  std::sort(sorted.begin(), sorted.end());
  state.counters["median_ms"] = sorted[sorted.size() / 2];
  state.counters["worst_ms"] = *worst;
  state.counters["worst_position"] = static_cast<double>(worst - fastest.begin()) + 1;
}

void registerBenchmarks() {
  benchmark::RegisterBenchmark("LevelFourOnPlayedPositions", BM_PlayedPositions)
      ->Iterations(5)
      ->Unit(benchmark::kMillisecond);
  for (int i = 0; i < kPositionCount; ++i) {
    const std::string name = std::string("ComputerDecision/") + kPositions[i].name;
    benchmark::RegisterBenchmark(name.c_str(), BM_ComputerDecision, i)
        ->DenseRange(1, kDeepLevel)
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
  }
}

// FNV-1a over the decisions of every position at every level; scores enter as
// whole millionths, as the analysis tool prints them.
std::uint64_t printDecisions() {
  std::uint64_t hash = 1469598103934665603ull;
  auto mix = [&hash](long long v) {
    for (int i = 0; i < 8; ++i) {
      hash ^= static_cast<std::uint64_t>(v >> (8 * i)) & 0xff;
      hash *= 1099511628211ull;
    }
  };
  for (int i = 0; i < kPositionCount; ++i)
    for (int level = 1; level <= 3; ++level) {
      BenchGame bench(kPositions[i], level);
      Game& g = *bench.game;
      const SearchOutcome outcome = searchComputerMove(g);
      const Move& m = g.search.BestMove;
      const long long micro = std::llround(g.search.BestScore * 1e6);
      mix(static_cast<int>(outcome));
      if (outcome == SearchOutcome::Move) {
        for (long long v : {m.FromX, m.FromY, m.ToX, m.ToY, m.Piece}) mix(v);
        mix(micro);
        std::fprintf(stderr, "decision %-12s level %d: %d %d %d %d %d %.6f\n", kPositions[i].name,
                     level, m.FromX, m.FromY, m.ToX, m.ToY, m.Piece, g.search.BestScore + 0.0);
      } else {
        std::fprintf(stderr, "decision %-12s level %d: %s\n", kPositions[i].name, level,
                     outcome == SearchOutcome::CheckAlready ? "check" : "none");
      }
    }
  std::fprintf(stderr, "decision signature: %016llx\n", static_cast<unsigned long long>(hash));
  return hash;
}

}  // namespace
}  // namespace morovan

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  // On standard error, so that standard output holds only the report a tool may
  // read (--benchmark_format=json).
  morovan::printDecisions();
  morovan::registerBenchmarks();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
