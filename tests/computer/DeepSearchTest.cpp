#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "Game.h"
#include "computer/BoardFlip.h"
#include "computer/DeepSearch.h"
#include "computer/MoveList.h"
#include "computer/PlayedPositions.h"
#include "computer/SideReach.h"
#include "influence/Survey.h"
#include "model/MakeMove.h"
#include "model/Rules.h"
#include "platform/FakePlatform.h"

namespace morovan {
namespace {

using testing::FakePlatform;

using MoveKey = std::tuple<int, int, int, int, int>;

MoveKey keyOf(const Move& m) {
  return {m.FromX, m.FromY, m.ToX, m.ToY, m.Piece};
}

// Every move of a side by asking 移動チェック about every pair of squares.
std::set<MoveKey> movesByTheRules(Position p, bool computer) {
  調査_2歩フラグ設定(p);
  std::set<MoveKey> moves;
  const int sign = computer ? 1 : -1;
  auto tryAll = [&](int fx, int fy, PieceCode piece) {
    for (int tx = 1; tx <= kBoardSize; ++tx)
      for (int ty = 1; ty <= kBoardSize; ++ty) {
        if (移動チェック(p, fx, fy, tx, ty, piece) != 1) continue;
        PieceCode promoted = 0;
        if (調査_駒成(fx, fy, tx, ty, piece, promoted) == 1) {
          moves.insert({fx, fy, tx, ty, promoted});
          if (移動後チェック(ty, piece) == 0) continue;
        }
        moves.insert({fx, fy, tx, ty, piece});
      }
  };
  for (int x = 1; x <= kBoardSize; ++x)
    for (int y = 1; y <= kBoardSize; ++y)
      if (p.BoardPieces[x][y] * sign >= kPawn) tryAll(x, y, p.BoardPieces[x][y]);
  const int* hand = computer ? p.ComputerHand : p.HumanHand;
  for (int k = 1; k <= kHandKinds; ++k)
    if (hand[k] > 0)
      tryAll(computer ? kComputerHandX : kHumanHandX, computer ? k : k + 2,
             sign * handKindPiece(k));
  return moves;
}

TEST(DeepSearch, ReachAndMovesAgreeWithTheSurveyAndTheRules) {
  std::vector<Position> positions = playedPositions();
  ASSERT_GE(positions.size(), 100u);
  int compared = 0;
  for (Position p : positions) {
    for (int turn = 0; turn < 2; ++turn, flipPosition(p)) {
      Influence t;
      Position surveyed = p;
      勢力調査(surveyed, t);
      for (int x = 1; x <= kBoardSize; ++x)
        for (int y = 1; y <= kBoardSize; ++y) {
          ASSERT_EQ(sideReaches(p.BoardPieces, x, y, true), t.ComputerReach[x][y] > 0);
          ASSERT_EQ(sideReaches(p.BoardPieces, x, y, false), t.HumanReach[x][y] > 0);
        }
      for (bool computer : {true, false}) {
        auto list = std::make_unique<MoveList>();
        Position q = p;
        generateMoves(q, computer, *list);
        std::set<MoveKey> generated;
        for (int i = 0; i < list->count; ++i) {
          generated.insert(keyOf(list->moves[i]));
          // Playing and taking back restores the position exactly.
          const PlayedMove played = playOnPosition(q, list->moves[i]);
          ASSERT_TRUE(positionFault(q).empty());
          takeBackOnPosition(q, list->moves[i], played);
          ASSERT_EQ(std::memcmp(q.BoardPieces, p.BoardPieces, sizeof p.BoardPieces), 0);
          ASSERT_EQ(std::memcmp(q.HumanHand, p.HumanHand, sizeof p.HumanHand), 0);
          ASSERT_EQ(std::memcmp(q.ComputerHand, p.ComputerHand, sizeof p.ComputerHand), 0);
        }
        EXPECT_EQ(static_cast<std::size_t>(list->count), generated.size());
        ASSERT_EQ(generated, movesByTheRules(p, computer));
        ++compared;
      }
    }
  }
  EXPECT_EQ(compared, static_cast<int>(positions.size()) * 4);
}

TEST(DeepSearch, ACaptureGoesToTheCaptorsHandAsInTheGame) {
  // Every code either side can lose, taken by the other side's rook.
  for (int side : {1, -1})
    for (PieceCode code : {10, 11, 20, 21, 30, 31, 40, 41, 50, 60, 61, 70, 71}) {
      FakePlatform fp;
      auto g = std::make_unique<Game>(fp.platform(), 1);
      Position& p = g->pos;
      p.BoardPieces[5][1] = kKing;
      p.BoardPieces[5][9] = -kKing;
      p.BoardPieces[1][5] = side * kRook;
      p.BoardPieces[1][3] = -side * code;
      const Position before = p;
      Position q = p;
      const Move m{1, 5, 1, 3, side * kRook};
      const PlayedMove played = playOnPosition(q, m);
      駒移動(*g, m.FromX, m.FromY, m.ToX, m.ToY, m.Piece);
      EXPECT_EQ(std::memcmp(q.BoardPieces, p.BoardPieces, sizeof p.BoardPieces), 0) << code;
      EXPECT_EQ(std::memcmp(q.HumanHand, p.HumanHand, sizeof p.HumanHand), 0) << code;
      EXPECT_EQ(std::memcmp(q.ComputerHand, p.ComputerHand, sizeof p.ComputerHand), 0) << code;
      EXPECT_EQ(q.HumanHandTotal, p.HumanHandTotal) << code;
      EXPECT_EQ(q.ComputerHandTotal, p.ComputerHandTotal) << code;
      takeBackOnPosition(q, m, played);
      EXPECT_EQ(std::memcmp(q.HumanHand, before.HumanHand, sizeof p.HumanHand), 0) << code;
      EXPECT_EQ(std::memcmp(q.ComputerHand, before.ComputerHand, sizeof p.ComputerHand), 0) << code;
      EXPECT_EQ(q.HumanHandTotal + q.ComputerHandTotal, 0) << code;
    }
}

// A game on the fakes at LEVEL4 with the rows laid out, the computer to move.
struct DeepTable {
  FakePlatform fp;
  Game g{fp.platform(), 1};
  std::vector<std::pair<Move, double>> scored;

  explicit DeepTable(const std::vector<std::string>& rows) {
    for (int y = 1; y <= kBoardSize; ++y) {
      std::istringstream row(rows[y - 1]);
      for (int x = 1; x <= kBoardSize; ++x) row >> g.pos.BoardPieces[x][y];
    }
    g.state.ComputerLevel = kDeepLevel;
  }
  double scoreOf(int fx, int fy, int tx, int ty) const {
    for (const auto& [m, s] : scored)
      if (m.FromX == fx && m.FromY == fy && m.ToX == tx && m.ToY == ty) return s;
    ADD_FAILURE() << "no candidate " << fx << fy << tx << ty;
    return 0;
  }
};

class Scores : public CandidateSink {
 public:
  explicit Scores(std::vector<std::pair<Move, double>>& out) : out_(out) {}
  void candidate(const Move& m, double score) override { out_.push_back({m, score}); }

 private:
  std::vector<std::pair<Move, double>>& out_;
};

TEST(DeepSearch, TheGamesEndingsScoreTheMoves) {
  // The bishop shields the king from the human's rook, which may not take it;
  // the silver may take the human's bishop, whose way to the king the gold bars.
  DeepTable t({"0 0 0 0 80 0 0 0 0", "0 0 0 0 60 0 50 40 0", "0 0 0 0 0 0 0 -60 10",
               "0 0 0 0 0 0 0 0 0", "0 0 0 0 0 0 0 0 0", "0 0 0 0 0 0 0 0 0", "0 0 0 0 0 0 0 0 0",
               "0 0 0 0 -70 0 0 0 0", "-80 0 0 0 0 0 0 0 0"});
  Scores sink(t.scored);
  ASSERT_EQ(searchDeepMove(t.g, &sink), SearchOutcome::Move);
  EXPECT_EQ(t.scoreOf(8, 2, 8, 3), lossIn(1));  // takes the bishop
  EXPECT_EQ(t.scoreOf(5, 2, 4, 3), lossIn(1));  // opens the rook's file to the king
  EXPECT_GT(t.scoreOf(9, 3, 9, 4), lossIn(2));  // keeps the shield
  EXPECT_LT(t.scoreOf(9, 3, 9, 4), winIn(3));   // but checks nothing after every reply
  EXPECT_GT(t.g.search.BestScore, lossIn(2));

  // The silver shields the human's king from the rook; taking it checks at once.
  DeepTable w({"0 0 0 0 0 0 0 0 70", "0 0 0 0 0 0 0 0 0", "10 0 0 0 0 0 80 0 0",
               "0 0 0 0 0 0 0 0 0", "0 0 0 0 0 0 0 0 -40", "0 0 0 0 0 0 0 0 0", "0 0 0 0 0 0 0 0 0",
               "0 0 0 0 0 0 0 0 0", "0 0 0 0 0 0 0 0 -80"});
  Scores winSink(w.scored);
  ASSERT_EQ(searchDeepMove(w.g, &winSink), SearchOutcome::Move);
  EXPECT_EQ(w.scoreOf(9, 1, 9, 5), winIn(1));
  EXPECT_EQ(keyOf(w.g.search.BestMove), (MoveKey{9, 1, 9, 5, 70}));

  // Now the human's bishop shields the king, and taking it loses. Pushing the
  // far pawn lets the bishop check the computer's king from (8, 6) and uncover
  // the rook on its own king at once: a draw. The king can step out of reach.
  DeepTable d({"0 0 0 0 0 0 0 0 70", "0 0 0 0 0 0 0 0 0", "10 0 0 0 80 0 0 0 0",
               "0 0 0 0 0 0 0 0 0", "0 0 0 0 0 0 0 0 -60", "0 0 0 0 0 0 0 0 0", "0 0 0 0 0 0 0 0 0",
               "0 0 0 0 0 0 0 0 0", "0 0 0 0 0 0 0 0 -80"});
  Scores drawSink(d.scored);
  ASSERT_EQ(searchDeepMove(d.g, &drawSink), SearchOutcome::Move);
  EXPECT_EQ(d.scoreOf(9, 1, 9, 5), lossIn(1));
  EXPECT_EQ(d.scoreOf(1, 3, 1, 4), kDeepDraw);
  EXPECT_GT(d.g.search.BestScore, kDeepDraw);
}

TEST(DeepSearch, InALostPositionLosesAsLateAsItCan) {
  // The human holds a gold to drop beside the king wherever it stands, and the
  // silver shields the king from the rook: every move loses, but the silver's,
  // first in scan order, lose at once.
  DeepTable t({"-70 0 40 0 80 0 0 0 0", "0 0 0 0 0 0 0 0 0", "0 0 0 0 0 0 0 0 0",
               "0 0 0 0 0 0 0 0 0", "0 0 0 0 0 0 0 0 0", "0 0 0 0 0 0 0 0 0", "0 0 0 0 0 0 0 0 0",
               "0 0 0 0 0 0 0 0 0", "0 0 0 0 0 0 0 0 -80"});
  t.g.pos.HumanHand[5] = 1;
  t.g.pos.HumanHandTotal = 1;
  Scores sink(t.scored);
  ASSERT_EQ(searchDeepMove(t.g, &sink), SearchOutcome::Move);
  EXPECT_EQ(t.scoreOf(3, 1, 2, 2), lossIn(1));
  EXPECT_EQ(t.scoreOf(5, 1, 5, 2), lossIn(2));
  EXPECT_EQ(t.g.search.BestMove.FromX, 5) << "the king steps, the silver stays";
  EXPECT_EQ(t.g.search.BestScore, lossIn(2));
}

// The game's own judgement of a computer move, by the survey: +1 it wins at
// once, -1 it loses at once (the bishop taken, or its own king left where the
// human reaches it, which any reply turns into a loss), 0 the game goes on.
int judgeComputerMoveBySurvey(Position p, const Move& m) {
  const PieceCode taken = m.FromX > 0 ? p.BoardPieces[m.ToX][m.ToY] : 0;
  playOnPosition(p, m);
  if (taken == -kBishop || taken == -(kBishop + 1)) return -1;
  Influence t;
  勢力調査(p, t);
  if (t.ComputerReach[p.HumanKingX][p.HumanKingY] > 0) return 1;
  return t.HumanReach[p.ComputerKingX][p.ComputerKingY] > 0 ? -1 : 0;
}

// Whether the human, to move after m, has a reply the game judges a human win.
bool humanWinsAfter(Position p, const Move& m) {
  playOnPosition(p, m);
  for (const MoveKey& k : movesByTheRules(p, false)) {
    const Move r{std::get<0>(k), std::get<1>(k), std::get<2>(k), std::get<3>(k), std::get<4>(k)};
    Position q = p;
    const PieceCode taken = r.FromX != kHumanHandX ? q.BoardPieces[r.ToX][r.ToY] : 0;
    playOnPosition(q, r);
    if (taken == kBishop || taken == kBishop + 1) continue;
    if (taken == kKing) return true;
    Influence t;
    勢力調査(q, t);
    if (t.HumanReach[q.ComputerKingX][q.ComputerKingY] > 0 &&
        t.ComputerReach[q.HumanKingX][q.HumanKingY] == 0)
      return true;
  }
  return false;
}

TEST(DeepSearch, OnPlayedPositionsTakesEveryWinAndAvoidsEveryAvoidableLoss) {
  FakePlatform fp;
  auto g = std::make_unique<Game>(fp.platform(), 1);
  g->state.ComputerLevel = kDeepLevel;
  int winning = 0, avoidable = 0, lost = 0, taken = 0, avoided = 0, heldOn = 0;
  for (const Position& p : playedPositions()) {
    g->pos = p;
    if (decideComputerMove(*g) != SearchOutcome::Move) continue;
    const Move chosen = g->search.BestMove;
    const std::set<MoveKey> moves = movesByTheRules(p, true);
    ASSERT_TRUE(moves.count(keyOf(chosen)));
    Position surveyed = p;
    Influence t;
    勢力調査(surveyed, t);  // finds the kings
    bool canWin = false, canBeSafe = false, canHoldOn = false;
    for (const MoveKey& k : moves) {
      const Move m{std::get<0>(k), std::get<1>(k), std::get<2>(k), std::get<3>(k), std::get<4>(k)};
      const int judged = judgeComputerMoveBySurvey(surveyed, m);
      canWin = canWin || judged == 1;
      canHoldOn = canHoldOn || judged == 0;
      if (!canBeSafe && judged == 0) canBeSafe = !humanWinsAfter(surveyed, m);
      if (canWin) break;
    }
    const int chosenJudged = judgeComputerMoveBySurvey(surveyed, chosen);
    if (canWin) {
      ++winning;
      taken += chosenJudged == 1;
      EXPECT_EQ(chosenJudged, 1) << "a win was missed";
    } else if (canBeSafe) {
      ++avoidable;
      const bool safe = chosenJudged == 0 && !humanWinsAfter(surveyed, chosen);
      avoided += safe;
      EXPECT_TRUE(safe) << "an avoidable loss was chosen";
    } else if (canHoldOn) {
      // Every move loses, but not every one at once: the human may miss the win.
      ++lost;
      heldOn += chosenJudged == 0;
      EXPECT_EQ(chosenJudged, 0) << "gave up in a lost position";
    }
  }
  std::printf(
      "winning moves taken %d/%d, avoidable losses avoided %d/%d, "
      "lost positions held on %d/%d\n",
      taken, winning, avoided, avoidable, heldOn, lost);
  EXPECT_GE(winning, 10);
  EXPECT_GE(avoidable, 50);
  EXPECT_GE(lost, 5);
}

}  // namespace
}  // namespace morovan
