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
  // Games that all scored alike show no spread, and an interval that reaches a
  // clean sweep has no rating at its end: neither gives a margin.
  if (spread <= 0 || p - spread <= 0 || p + spread >= 1) return e;
  e.margin = (eloOf(p + spread) - eloOf(p - spread)) / 2;
  e.marginKnown = true;
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
    return text;
  }
  // Rounded before the sign is chosen, so that an even match reads "Elo 0".
  const long elo = std::lround(e.elo);
  used += elo == 0 ? std::snprintf(text + used, sizeof text - used, "Elo 0")
                   : std::snprintf(text + used, sizeof text - used, "Elo %+ld", elo);
  if (e.marginKnown)
    std::snprintf(text + used, sizeof text - used, " ± %.0f (95%%)", e.margin);
  else
    std::snprintf(text + used, sizeof text - used, " ± n/a");
  return text;
}

}  // namespace morovan
