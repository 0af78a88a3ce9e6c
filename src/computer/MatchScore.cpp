#include "computer/MatchScore.h"

#include <cmath>
#include <cstdio>

namespace morovan {
namespace {

double eloOf(double score) {
  return -400.0 * std::log10(1.0 / score - 1.0);
}

}  // namespace

EloEstimate estimateElo(const MatchTally& t) {
  EloEstimate e;
  const int n = t.wins + t.draws + t.losses;
  if (n == 0) return e;
  const double p = (t.wins + 0.5 * t.draws) / n;
  e.score = p;
  if (p <= 0 || p >= 1) {
    e.bounded = false;
    return e;
  }
  e.elo = eloOf(p);
  const double variance =
      (t.wins * (1 - p) * (1 - p) + t.draws * (0.5 - p) * (0.5 - p) + t.losses * p * p) / n;
  const double spread = 1.96 * std::sqrt(variance / n);
  const double low = std::fmax(p - spread, 1e-9);
  const double high = std::fmin(p + spread, 1 - 1e-9);
  e.margin = (eloOf(high) - eloOf(low)) / 2;
  return e;
}

std::string describeMatch(const MatchTally& t) {
  const int n = t.wins + t.draws + t.losses;
  const EloEstimate e = estimateElo(t);
  char text[160];
  int used = std::snprintf(text, sizeof text, "W %d D %d L %d  score %.1f/%d (%.1f%%)  ", t.wins,
                           t.draws, t.losses, t.wins + 0.5 * t.draws, n, 100 * e.score);
  if (!e.bounded) {
    std::snprintf(text + used, sizeof text - used, "Elo %s", e.score >= 1 ? "+inf" : "-inf");
  } else {
    std::snprintf(text + used, sizeof text - used, "Elo %+.0f ± %.0f (95%%)", e.elo, e.margin);
  }
  return text;
}

}  // namespace morovan
