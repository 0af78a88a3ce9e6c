#include "computer/MoveSearch.h"

#include <algorithm>
#include <cstdlib>

#include "Game.h"
#include "computer/Evaluation.h"
#include "influence/Pins.h"
#include "influence/Survey.h"
#include "model/Checks.h"
#include "model/Rules.h"

namespace morovan {
namespace {

constexpr double kNoScoreYet = -99999;

// A fresh survey of the candidate position on the board, then its score.
double scoreCandidate(Game& g, PieceCode captured, PieceCode placed, int FromX, int FromY, int ToX,
                      int ToY) {
  勢力調査(g.pos, g.influence);
  return 盤評価(g, captured, placed, FromX, FromY, ToX, ToY);
}

// Keeps the first candidate of the best score: a later one must beat it strictly.
bool offer(Game& g, CandidateSink* sink, const Move& m, double score) {
  if (sink) sink->candidate(m, score);
  if (score > g.search.BestScore) {
    g.search.BestScore = score;
    g.search.BestMove = m;
    g.search.HasBestMove = true;
    return true;
  }
  return false;
}

// A board move's score and the code it places, already made on the board with
// the piece unpromoted: where it may promote, each placement the rules allow is
// scored and the better one kept.
struct Scored {
  double score;
  PieceCode placed;
};

Scored scorePlacements(Game& g, PieceCode c, PieceCode p, int FromX, int FromY, int ToX, int ToY) {
  Position& pos = g.pos;
  if (調査_駒成(FromX, FromY, ToX, ToY, p, g.state.PromotedPiece) == 0)
    return {scoreCandidate(g, c, p, FromX, FromY, ToX, ToY), p};
  const PieceCode promoted = g.state.PromotedPiece;
  if (移動後チェック(ToY, p) == 0) {
    pos.BoardPieces[ToX][ToY] = promoted;
    return {scoreCandidate(g, c, promoted, FromX, FromY, ToX, ToY), promoted};
  }
  const double s1 = scoreCandidate(g, c, p, FromX, FromY, ToX, ToY);
  pos.BoardPieces[ToX][ToY] = promoted;
  const double s2 = scoreCandidate(g, c, promoted, FromX, FromY, ToX, ToY);
  // Pawn, bishop and rook lose nothing by promoting, so they always do,
  // whichever placement scored better.
  const bool alwaysPromotes = p == kPawn || p == kBishop || p == kRook;
  return {std::max(s1, s2), (s2 > s1 || alwaysPromotes) ? promoted : p};
}

// Tries the board move of p from (FromX, FromY) to (ToX, ToY), already accepted
// by 移動チェック, and takes it back. Returns true when it captured the human's
// king and improved the best score: the search stops there.
bool tryBoardMove(Game& g, CandidateSink* sink, int FromX, int FromY, int ToX, int ToY,
                  PieceCode p) {
  Position& pos = g.pos;
  g.search.CandidatePiece = p;
  g.search.CandidateKingDistance =
      std::max(std::abs(FromX - pos.HumanKingX), std::abs(FromY - pos.HumanKingY));

  const PieceCode c = pos.BoardPieces[ToX][ToY];
  pos.BoardPieces[FromX][FromY] = kEmpty;
  pos.BoardPieces[ToX][ToY] = p;

  const Scored scored = scorePlacements(g, c, p, FromX, FromY, ToX, ToY);

  // The tables are left describing this candidate; the next one re-surveys.
  pos.BoardPieces[ToX][ToY] = c;
  pos.BoardPieces[FromX][FromY] = p;

  const bool improved = offer(g, sink, Move{FromX, FromY, ToX, ToY, scored.placed}, scored.score);
  return improved && c == -kKing;
}

SearchOutcome search(Game& g, CandidateSink* sink) {
  Position& pos = g.pos;
  SearchState& s = g.search;

  s.BestScore = kNoScoreYet;
  s.HasBestMove = false;
  copySquares(s.TurnStartBoard, pos.BoardPieces);

  調査_2歩フラグ設定(pos);
  勢力調査(pos, g.influence);
  if (g.influence.ComputerReach[pos.HumanKingX][pos.HumanKingY] > 0)
    return SearchOutcome::CheckAlready;

  調査_移動不可駒(pos, g.influence);
  copySquares(s.ComputerReachBefore, g.influence.ComputerReach);
  if (sink) sink->scanStarting();

  for (int FromX = 1; FromX <= kBoardSize; ++FromX) {
    if (sink) sink->scanStep();
    for (int FromY = 1; FromY <= kBoardSize; ++FromY) {
      const PieceCode p = pos.BoardPieces[FromX][FromY];
      if (!isComputerPiece(p)) continue;
      for (int ToX = 1; ToX <= kBoardSize; ++ToX)
        for (int ToY = 1; ToY <= kBoardSize; ++ToY) {
          if (移動チェック(pos, FromX, FromY, ToX, ToY, p) != 1) continue;
          if (tryBoardMove(g, sink, FromX, FromY, ToX, ToY, p)) return SearchOutcome::Move;
        }
    }
  }

  if (pos.ComputerHandTotal > 0) {
    const int FromX = kComputerHandX;
    for (int k = 1; k <= kHandKinds; ++k) {
      if (sink) sink->scanStep();
      if (pos.ComputerHand[k] <= 0) continue;
      const PieceCode p = handKindPiece(k);
      for (int ToX = 1; ToX <= kBoardSize; ++ToX)
        for (int ToY = 1; ToY <= kBoardSize; ++ToY) {
          if (移動チェック(pos, FromX, k, ToX, ToY, p) != 1) continue;
          // CandidateKingDistance keeps the last board move's value on purpose.
          s.CandidatePiece = p;
          pos.BoardPieces[ToX][ToY] = p;
          const double score = scoreCandidate(g, kEmpty, p, FromX, k, ToX, ToY);
          pos.BoardPieces[ToX][ToY] = kEmpty;
          offer(g, sink, Move{FromX, k, ToX, ToY, p}, score);
        }
    }
  }

  return s.HasBestMove ? SearchOutcome::Move : SearchOutcome::NoMove;
}

}  // namespace

SearchOutcome searchComputerMove(Game& g, CandidateSink* sink) {
  const SearchOutcome outcome = search(g, sink);
  checkBoardUnchanged(g.pos, g.search.TurnStartBoard, "the computer's search");
  return outcome;
}

}  // namespace morovan
