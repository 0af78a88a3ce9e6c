#include <gtest/gtest.h>

#include <string>

#include "computer/MatchScore.h"

namespace morovan {
namespace {

TEST(MatchScore, ScoresWinsDrawsAndLossesWithARatingAndItsMargin) {
  const EloEstimate even = estimateElo({10, 0, 10});
  EXPECT_DOUBLE_EQ(even.score, 0.5);
  EXPECT_NEAR(even.elo, 0, 1e-9);
  const EloEstimate three = estimateElo({60, 30, 10});  // 75% of the points
  EXPECT_DOUBLE_EQ(three.score, 0.75);
  EXPECT_NEAR(three.elo, 190.85, 0.01);
  EXPECT_GT(three.margin, 0);
  // Four times the games halve the margin, near enough.
  EXPECT_NEAR(estimateElo({240, 120, 40}).margin, three.margin / 2, three.margin * 0.05);
  EXPECT_NEAR(estimateElo({10, 30, 60}).elo, -three.elo, 1e-9);
  EXPECT_FALSE(estimateElo({5, 0, 0}).bounded);
  EXPECT_EQ(describeMatch({5, 0, 0}), "W 5 D 0 L 0  score 5.0/5 (100.0%)  Elo +inf");
  EXPECT_EQ(describeMatch({1, 2, 1}).substr(0, 38), "W 1 D 2 L 1  score 2.0/4 (50.0%)  Elo ");
}

// The rating part of the match line.
std::string ratingOf(const MatchTally& t) {
  const std::string line = describeMatch(t);
  return line.substr(line.find("Elo"));
}

TEST(MatchScore, AnEvenMatchReadsZeroAndAMarginIsGivenOnlyWhereItMeansSomething) {
  // An even score whose rating rounds from a hair below zero.
  EXPECT_EQ(ratingOf({200, 0, 200}), "Elo 0 ± 34 (95%)");
  // All drawn: no spread, so no margin.
  EXPECT_FALSE(estimateElo({0, 6, 0}).marginKnown);
  EXPECT_EQ(ratingOf({0, 6, 0}), "Elo 0 ± n/a");
  // Nine wins in ten: the interval reaches a clean sweep.
  EXPECT_FALSE(estimateElo({9, 0, 1}).marginKnown);
  EXPECT_EQ(ratingOf({9, 0, 1}), "Elo +382 ± n/a");
}

}  // namespace
}  // namespace morovan
