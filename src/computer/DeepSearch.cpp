#include "computer/DeepSearch.h"

#include <algorithm>

#include "Game.h"
#include "computer/MoveList.h"
#include "computer/SideReach.h"
#include "model/GameEnd.h"
#include "model/Rules.h"

namespace morovan {
namespace {

// The level-3 scan scores one placement of a move that may promote; the other
// placement ranks just below it unless the endings tell them apart.
constexpr double kOtherPlacement = 0.001;
// Scores at or above this are wins the endings found.
constexpr double kSomeWin = kDeepWin / 2;

// Moves in scan order with their scores and the evaluation's.
struct RootMoves {
  Move moves[MoveList::kCapacity];
  double scores[MoveList::kCapacity];
  double evaluations[MoveList::kCapacity];
  int count = 0;

  void add(const Move& m, double evaluation) {
    if (count == MoveList::kCapacity) return;
    moves[count] = m;
    scores[count] = evaluation;
    evaluations[count] = evaluation;
    ++count;
  }
  // The first move of the highest score, the evaluation deciding between equal
  // scores; -1 when there is none.
  int best() const {
    int b = -1;
    for (int i = 0; i < count; ++i)
      if (b < 0 || scores[i] > scores[b] ||
          (scores[i] == scores[b] && evaluations[i] > evaluations[b]))
        b = i;
    return b;
  }
};

// The level-3 scan's candidates, with the outer sink's hooks passed on so the
// turn's clock keeps moving.
class ScanRecorder : public CandidateSink {
 public:
  explicit ScanRecorder(CandidateSink* outer) : outer_(outer) {}
  void candidate(const Move& m, double score) override { scanned.add(m, score); }
  void scanStarting() override {
    if (outer_) outer_->scanStarting();
  }
  void scanStep() override {
    if (outer_) outer_->scanStep();
  }

  RootMoves scanned;

 private:
  CandidateSink* outer_;
};

struct Square {
  int x = 0;
  int y = 0;
  bool found = false;
};

Square findPiece(const Position& p, PieceCode code) {
  for (int x = 1; x <= kBoardSize; ++x)
    for (int y = 1; y <= kBoardSize; ++y)
      if (p.BoardPieces[x][y] == code) return Square{x, y, true};
  return {};
}

bool reachesKing(const Position& p, bool byComputer) {
  const Square king = findPiece(p, byComputer ? -kKing : kKing);
  return king.found && sideReaches(p.BoardPieces, king.x, king.y, byComputer);
}

// The game's judgements, asked of the position the move left. A capture that
// decides the game decides it before any check, so the kings' scans are spared.
Ending judgeHumanMove(const Position& p, PieceCode captured) {
  if (const Ending e = endingOfHumanMove(captured, false, false); e != Ending::None) return e;
  return endingOfHumanMove(captured, reachesKing(p, true), reachesKing(p, false));
}

Ending judgeComputerMove(const Position& p, PieceCode captured) {
  if (const Ending e = endingOfComputerMove(captured, false); e != Ending::None) return e;
  return endingOfComputerMove(captured, reachesKing(p, true));
}

class DeepSearch {
 public:
  explicit DeepSearch(const Position& start) : pos_(start) {}

  // The score of the root move m by its own judgement alone: a win or a loss at
  // once, or else `evaluation` with `open` set.
  double judgeAtOnce(const Move& m, double evaluation, bool& open) {
    spend();
    const PlayedMove played = playOnPosition(pos_, m);
    double s = evaluation;
    switch (judgeComputerMove(pos_, played.captured)) {
      case Ending::ComputerWins:
        s = winIn(1);
        break;
      case Ending::HumanWins:
        s = lossIn(1);
        break;
      default:
        // A king left where the human reaches it falls to whatever the human plays.
        if (reachesKing(pos_, false)) s = lossIn(1);
        break;
    }
    takeBackOnPosition(pos_, m, played);
    open = s == evaluation;
    return s;
  }

  // The score of the root move m, which the game survives at once and whose
  // evaluation is `level3`, by the endings up to the computer's next move.
  double judgeReplies(const Move& m, double level3) {
    const PlayedMove played = playOnPosition(pos_, m);
    const double s = humanReplies(level3);
    takeBackOnPosition(pos_, m, played);
    return s;
  }

  // Whether, after the root move m, the human has a reply after which every
  // computer move loses at once: a threat the computer cannot meet. Past the
  // budget, none is found.
  bool humanForcesWin(const Move& m) {
    const PlayedMove played = playOnPosition(pos_, m);
    bool forced = false;
    MoveList& replies = humanMoves_;
    generateMoves(pos_, false, replies);
    for (int i = 0; i < replies.count && !forced && spend(); ++i) {
      const Move& r = replies.moves[i];
      const PlayedMove reply = playOnPosition(pos_, r);
      if (judgeHumanMove(pos_, reply.captured) == Ending::None) forced = !computerCanParry();
      takeBackOnPosition(pos_, r, reply);
    }
    takeBackOnPosition(pos_, m, played);
    return forced;
  }

  bool spent() const { return budget_ <= 0; }

 private:
  // The human to move: the worst of the replies for the computer. Past the
  // budget before every reply is judged, kDeepUnjudged.
  double humanReplies(double level3) {
    MoveList& replies = humanMoves_;
    generateMoves(pos_, false, replies);
    bool draw = false;
    int open = 0;
    for (int i = 0; i < replies.count; ++i) {
      if (!spend()) return kDeepUnjudged;
      const Move& r = replies.moves[i];
      const PlayedMove played = playOnPosition(pos_, r);
      const Ending e = judgeHumanMove(pos_, played.captured);
      takeBackOnPosition(pos_, r, played);
      if (e == Ending::HumanWins) return lossIn(2);
      if (e == Ending::Draw) draw = true;
      // Replies that end nothing are kept, in order, at the front of the list.
      if (e == Ending::None) replies.moves[open++] = r;
    }
    if (draw) return kDeepDraw;
    if (open == 0) return replies.count > 0 ? winIn(2) : level3;
    // Every reply that ends nothing must leave the computer a check.
    for (int i = 0; i < open; ++i) {
      const Move& r = replies.moves[i];
      const PlayedMove played = playOnPosition(pos_, r);
      const bool check = computerCanCheck();
      takeBackOnPosition(pos_, r, played);
      if (!check) return level3;
    }
    return winIn(3);
  }

  // Whether some move of the side, generated into `moves`, passes `test` on the
  // position it leaves; the position is taken back after each try. Each move
  // played is paid for; past the budget the answer is `whenSpent`.
  template <typename Test>
  bool someMove(bool computerSide, MoveList& moves, bool whenSpent, Test test) {
    generateMoves(pos_, computerSide, moves);
    for (int i = 0; i < moves.count; ++i) {
      if (!spend()) return whenSpent;
      const Move& m = moves.moves[i];
      const PlayedMove played = playOnPosition(pos_, m);
      const bool passes = test(played);
      takeBackOnPosition(pos_, m, played);
      if (passes) return true;
    }
    return false;
  }

  // Whether some computer move reaches the human's king without taking the
  // bishop. Past the budget, none is found and the evaluation is trusted.
  bool computerCanCheck() {
    return someMove(true, computerMoves_, false, [this](const PlayedMove& played) {
      return judgeComputerMove(pos_, played.captured) == Ending::ComputerWins;
    });
  }

  // Whether some computer move wins at once or leaves the human no win at once.
  // Past the budget the threat counts as parried.
  bool computerCanParry() {
    return someMove(true, computerMoves_, true, [this](const PlayedMove& played) {
      const Ending e = judgeComputerMove(pos_, played.captured);
      return e == Ending::ComputerWins || (e == Ending::None && !humanCanWin());
    });
  }

  // Whether some human move wins at once by the human's judgement. Past the
  // budget it counts as none.
  bool humanCanWin() {
    return someMove(false, humanMovesDeeper_, false, [this](const PlayedMove& played) {
      return judgeHumanMove(pos_, played.captured) == Ending::HumanWins;
    });
  }

  bool spend() {
    if (budget_ <= 0) return false;
    --budget_;
    return true;
  }

  Position pos_;
  MoveList humanMoves_;
  MoveList computerMoves_;
  MoveList humanMovesDeeper_;
  int budget_ = kDeepBudget;
};

// The placement of m that the scan did not choose, when the piece may both
// promote and stay as it is there; else false.
bool otherPlacement(const Position& p, const Move& m, Move& other) {
  if (m.FromX == kComputerHandX) return false;
  const PieceCode original = p.BoardPieces[m.FromX][m.FromY];
  PieceCode promoted = 0;
  if (調査_駒成(m.FromX, m.FromY, m.ToX, m.ToY, original, promoted) == 0) return false;
  if (移動後チェック(m.ToY, original) == 0) return false;
  other = m;
  other.Piece = m.Piece == promoted ? original : promoted;
  return true;
}

// Every root move scored by the endings: first each by its own judgement, then,
// unless one wins at once, the replies to the rest, the best evaluated first so
// that the budget goes where the evaluation would play.
void scoreRootMoves(DeepSearch& deep, RootMoves& root) {
  bool open[MoveList::kCapacity];
  int order[MoveList::kCapacity];
  bool winsAtOnce = false;
  for (int i = 0; i < root.count; ++i) {
    root.scores[i] = deep.judgeAtOnce(root.moves[i], root.evaluations[i], open[i]);
    winsAtOnce = winsAtOnce || root.scores[i] == winIn(1);
    order[i] = i;
  }
  if (winsAtOnce) return;
  std::sort(order, order + root.count, [&root](int a, int b) {
    return root.evaluations[a] != root.evaluations[b] ? root.evaluations[a] > root.evaluations[b]
                                                      : a < b;
  });
  for (int k = 0; k < root.count; ++k) {
    const int i = order[k];
    if (!open[i]) continue;
    root.scores[i] =
        deep.spent() ? kDeepUnjudged : deep.judgeReplies(root.moves[i], root.evaluations[i]);
  }
}

}  // namespace

SearchOutcome searchDeepMove(Game& g, CandidateSink* sink) {
  ScanRecorder scan(sink);
  const SearchOutcome outcome = searchComputerMove(g, &scan);
  if (outcome != SearchOutcome::Move) return outcome;

  // Each candidate, and once more for the placement the scan did not choose.
  RootMoves root;
  const RootMoves& scanned = scan.scanned;
  for (int i = 0; i < scanned.count; ++i) {
    const Move& m = scanned.moves[i];
    root.add(m, scanned.scores[i]);
    Move other;
    if (otherPlacement(g.pos, m, other)) root.add(other, scanned.scores[i] - kOtherPlacement);
  }
  DeepSearch deep(g.pos);
  scoreRootMoves(deep, root);

  // The best of them, unless the human can answer it with a threat the computer
  // cannot meet: then it loses four moves on, and the next best is asked.
  int best = root.best();
  while (best >= 0 && root.scores[best] > kDeepDraw && root.scores[best] < kSomeWin &&
         deep.humanForcesWin(root.moves[best])) {
    root.scores[best] = lossIn(4);
    best = root.best();
  }

  SearchState& s = g.search;
  for (int i = 0; i < root.count; ++i)
    if (sink) sink->candidate(root.moves[i], root.scores[i]);
  s.BestMove = root.moves[best];
  s.BestScore = root.scores[best];
  s.HasBestMove = true;
  return SearchOutcome::Move;
}

SearchOutcome decideComputerMove(Game& g, CandidateSink* sink) {
  return g.state.ComputerLevel == kDeepLevel ? searchDeepMove(g, sink)
                                             : searchComputerMove(g, sink);
}

}  // namespace morovan
