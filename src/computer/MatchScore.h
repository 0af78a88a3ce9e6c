#pragma once
// The score of a match and the rating difference it shows.

#include <string>

namespace morovan {

struct MatchTally {
  int wins = 0;  // of engine A
  int draws = 0;
  int losses = 0;
};

struct EloEstimate {
  double score = 0;     // A's share of the points, 0..1
  double elo = 0;       // A's rating above B's
  double margin = 0;    // half the width of the 95% interval of elo, when marginKnown
  bool bounded = true;  // false when A took all the points or none: elo is infinite
  // False when the games show no spread (all scored alike) or the interval
  // reaches a clean sweep, whose rating is infinite.
  bool marginKnown = false;
};

// A win counts 1, a draw 1/2. The interval comes from the spread of the games'
// scores about their mean, turned into rating through the logistic curve.
EloEstimate estimateElo(const MatchTally& t);

// "W 12 D 3 L 5  score 13.5/20 (67.5%)  Elo +127 ± 160 (95%)"; an even match
// reads "Elo 0", an unknown margin "± n/a", and the unbounded difference
// "Elo +inf" / "Elo -inf".
std::string describeMatch(const MatchTally& t);

}  // namespace morovan
