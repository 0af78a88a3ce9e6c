#include "computer/DeepSearch.h"

#include "Game.h"
#include "computer/MoveList.h"
#include "computer/SideReach.h"
#include "model/GameEnd.h"
#include "model/Rules.h"

namespace morovan {
namespace {

constexpr double kWin = kDeepWin;
constexpr double kDraw = kDeepDraw;
// The level-3 scan scores one placement of a move that may promote; the other
// placement ranks just below it unless the endings tell them apart.
constexpr double kOtherPlacement = 0.001;
// How many positions below the human's replies the search may generate moves
// for, which bounds its worst case (some tens of milliseconds). Past it a
// position counts as having no check for the computer and, after a human
// threat, as parried: the search then trusts the evaluation.
constexpr int kDeepBudget = 6000;

// Moves in scan order with their scores.
struct RootMoves {
  Move moves[MoveList::kCapacity];
  double scores[MoveList::kCapacity];
  int count = 0;

  void add(const Move& m, double score) {
    if (count == MoveList::kCapacity) return;
    moves[count] = m;
    scores[count] = score;
    ++count;
  }
  // The first move of the highest score; -1 when there is none.
  int best() const {
    int b = -1;
    for (int i = 0; i < count; ++i)
      if (b < 0 || scores[i] > scores[b]) b = i;
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

// The game's judgements, asked of the position the move left.
Ending judgeHumanMove(const Position& p, PieceCode captured) {
  return endingOfHumanMove(captured, reachesKing(p, true), reachesKing(p, false));
}

Ending judgeComputerMove(const Position& p, PieceCode captured) {
  return endingOfComputerMove(captured, reachesKing(p, true));
}

class DeepSearch {
 public:
  explicit DeepSearch(const Position& start) : pos_(start) {}

  // The score of the computer's root move m, whose evaluation scored `level3`,
  // by the endings up to the computer's next move.
  double score(const Move& m, double level3) {
    const PlayedMove played = playOnPosition(pos_, m);
    double s = level3;
    switch (judgeComputerMove(pos_, played.captured)) {
      case Ending::ComputerWins:
        s = kWin - 1;
        break;
      case Ending::HumanWins:
        s = -kWin + 1;
        break;
      default:
        s = humanReplies(level3);
        break;
    }
    takeBackOnPosition(pos_, m, played);
    return s;
  }

  // Whether, after the root move m, the human has a reply after which every
  // computer move loses at once: a threat the computer cannot meet.
  bool humanForcesWin(const Move& m) {
    const PlayedMove played = playOnPosition(pos_, m);
    bool forced = false;
    MoveList& replies = humanMoves_;
    generateMoves(pos_, false, replies);
    for (int i = 0; i < replies.count && !forced; ++i) {
      const Move& r = replies.moves[i];
      const PlayedMove reply = playOnPosition(pos_, r);
      if (judgeHumanMove(pos_, reply.captured) == Ending::None) forced = !computerCanParry();
      takeBackOnPosition(pos_, r, reply);
    }
    takeBackOnPosition(pos_, m, played);
    return forced;
  }

 private:
  // The human to move: the worst of the replies for the computer.
  double humanReplies(double level3) {
    MoveList& replies = humanMoves_;
    generateMoves(pos_, false, replies);
    bool draw = false;
    int open = 0;
    for (int i = 0; i < replies.count; ++i) {
      const Move& r = replies.moves[i];
      const PlayedMove played = playOnPosition(pos_, r);
      const Ending e = judgeHumanMove(pos_, played.captured);
      takeBackOnPosition(pos_, r, played);
      if (e == Ending::HumanWins) return -kWin + 2;
      if (e == Ending::Draw) draw = true;
      // Replies that end nothing are kept, in order, at the front of the list.
      if (e == Ending::None) replies.moves[open++] = r;
    }
    if (draw) return kDraw;
    if (open == 0) return replies.count > 0 ? kWin - 2 : level3;
    // Every reply that ends nothing must leave the computer a check.
    for (int i = 0; i < open; ++i) {
      const Move& r = replies.moves[i];
      const PlayedMove played = playOnPosition(pos_, r);
      const bool check = computerCanCheck();
      takeBackOnPosition(pos_, r, played);
      if (!check) return level3;
    }
    return kWin - 3;
  }

  // Whether some move of the side, generated into `moves`, passes `test` on the
  // position it leaves; the position is taken back after each try.
  template <typename Test>
  bool someMove(bool computerSide, MoveList& moves, Test test) {
    generateMoves(pos_, computerSide, moves);
    for (int i = 0; i < moves.count; ++i) {
      const Move& m = moves.moves[i];
      const PlayedMove played = playOnPosition(pos_, m);
      const bool passes = test(played);
      takeBackOnPosition(pos_, m, played);
      if (passes) return true;
    }
    return false;
  }

  // Whether some computer move reaches the human's king without taking the bishop.
  bool computerCanCheck() {
    if (!spend()) return false;
    return someMove(true, computerMoves_, [this](const PlayedMove& played) {
      return judgeComputerMove(pos_, played.captured) == Ending::ComputerWins;
    });
  }

  // Whether some computer move wins at once or leaves the human no win at once.
  // Past the budget every position counts as parried.
  bool computerCanParry() {
    if (!spend()) return true;
    return someMove(true, computerMoves_, [this](const PlayedMove& played) {
      const Ending e = judgeComputerMove(pos_, played.captured);
      return e == Ending::ComputerWins || (e == Ending::None && !humanCanWin());
    });
  }

  // Whether some human move wins at once by the human's judgement. Past the
  // budget it counts as none.
  bool humanCanWin() {
    if (!spend()) return false;
    return someMove(false, humanMovesDeeper_, [this](const PlayedMove& played) {
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

}  // namespace

SearchOutcome searchDeepMove(Game& g, CandidateSink* sink) {
  ScanRecorder scan(sink);
  const SearchOutcome outcome = searchComputerMove(g, &scan);
  if (outcome != SearchOutcome::Move) return outcome;

  // Each candidate, and once more for the placement the scan did not choose,
  // scored by the endings up to the computer's next move.
  RootMoves root;
  DeepSearch deep(g.pos);
  const RootMoves& scanned = scan.scanned;
  for (int i = 0; i < scanned.count; ++i) {
    const Move& m = scanned.moves[i];
    root.add(m, deep.score(m, scanned.scores[i]));
    Move other;
    if (otherPlacement(g.pos, m, other))
      root.add(other, deep.score(other, scanned.scores[i] - kOtherPlacement));
  }

  // The best of them, unless the human can answer it with a threat the computer
  // cannot meet: then it loses two moves later, and the next best is asked.
  int best = root.best();
  while (best >= 0 && root.scores[best] > kDraw && root.scores[best] < kWin / 2 &&
         deep.humanForcesWin(root.moves[best])) {
    root.scores[best] = -kWin + 4;
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
