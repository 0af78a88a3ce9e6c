#include "model/NewGame.h"

#include <random>
#include <utility>

#include "Game.h"
#include "record/GameKeeping.h"
#include "record/RecordFiles.h"
#include "record/Review.h"
#include "record/ShuffleProof.h"
#include "view/Highlights.h"
#include "view/Pictures.h"
#include "view/Screen.h"
#include "view/SoundModule.h"
#include "view/Texts.h"

namespace morovan {
namespace {

// The standard starting layout, [x][y] as on the board.
constexpr PieceCode kBackRank[10] = {0, 20, 30, 40, 50, 80, 50, 40, 30, 20};

void layOutStart(Position& p) {
  for (int x = 1; x <= kBoardSize; ++x) {
    for (int y = 1; y <= kBoardSize; ++y) p.BoardPieces[x][y] = kEmpty;
  }
  for (int x = 1; x <= kBoardSize; ++x) {
    p.BoardPieces[x][1] = kBackRank[x];
    p.BoardPieces[x][3] = kPawn;
    p.BoardPieces[x][7] = -kPawn;
    p.BoardPieces[x][9] = -kBackRank[x];
  }
  p.BoardPieces[2][2] = kRook;
  p.BoardPieces[8][2] = kBishop;
  p.BoardPieces[2][8] = -kBishop;
  p.BoardPieces[8][8] = -kRook;
}

// One step of the handicap scale: the square it empties.
struct HandicapStep {
  int x;
  int y;
};

// Step n is taken on reaching level n (the computer's pieces) or -n (the
// human's) and given back on leaving that level towards 0.
constexpr HandicapStep kComputerSteps[11] = {{0, 0}, {8, 2}, {2, 2}, {9, 1}, {1, 1}, {8, 1},
                                             {2, 1}, {7, 1}, {3, 1}, {6, 1}, {4, 1}};
constexpr HandicapStep kHumanSteps[11] = {{0, 0}, {2, 8}, {8, 8}, {1, 9}, {9, 9}, {2, 9},
                                          {8, 9}, {3, 9}, {7, 9}, {4, 9}, {6, 9}};

// The king's home square of the side a step belongs to; it is never a step's
// square.
HandicapStep kingHome(const HandicapStep& s) {
  return {5, s.y <= 3 ? 1 : kBoardSize};
}

void redrawSquare(Game& g, int x, int y) {
  描画_絵(g, g.pos.BoardPieces[x][y], x, y);
  描画_桝輪郭(g, g.view.BackColour, x, y);
}

// Two squares change pieces. The flags stay where the player put them: a flag
// that moved with the king would show where the hidden king had stood.
void exchange(Game& g, const HandicapStep& a, const HandicapStep& b) {
  Position& p = g.pos;
  std::swap(p.BoardPieces[a.x][a.y], p.BoardPieces[b.x][b.y]);
}

// Empties the step's square, whatever the shuffle or the set-up swaps put
// there, and nothing else: what stands where tells nothing the player cannot
// see. Only the king may not leave the board, so a king on the square first
// goes home and the piece from home is the one taken. The home square is
// redrawn at every step, so that the screen does not tell when it was.
HandicapTaking takeStep(Game& g, const HandicapStep& s) {
  Position& p = g.pos;
  HandicapTaking t;
  const PieceCode here = p.BoardPieces[s.x][s.y];
  const HandicapStep home = kingHome(s);
  if (here == kKing || here == -kKing) {
    exchange(g, s, home);
    t.kingWentHome = true;
  }
  redrawSquare(g, home.x, home.y);
  t.piece = p.BoardPieces[s.x][s.y];
  t.mark = p.EnemyMarks[s.x][s.y];
  p.BoardPieces[s.x][s.y] = kEmpty;
  p.EnemyMarks[s.x][s.y] = 0;
  return t;
}

// Undoes takeStep: the piece taken comes back with its flag, and a king that
// went home returns to the step's square.
void giveBackStep(Game& g, const HandicapStep& s, const HandicapTaking& t) {
  Position& p = g.pos;
  if (p.BoardPieces[s.x][s.y] != kEmpty) return;  // set-up swaps never fill an empty square
  p.BoardPieces[s.x][s.y] = t.piece;
  p.EnemyMarks[s.x][s.y] = t.mark;
  const HandicapStep home = kingHome(s);
  const PieceCode atHome = p.BoardPieces[home.x][home.y];
  // The human may have swapped the own king away from home since.
  if (t.kingWentHome && (atHome == kKing || atHome == -kKing)) exchange(g, s, home);
  redrawSquare(g, home.x, home.y);
}

// The refusals both handicap buttons share; true when the handicap may change.
bool handicapAllowed(Game& g) {
  closeRecordPanel(g);
  int refusal = 0;
  if (g.state.ReplayMode == kOn) {
    refusal = 1;
  } else if (g.state.RecordIndex > 0) {
    refusal = 2;
  } else if (g.state.Flipped == kOn) {
    refusal = 3;
  } else if (g.state.Turn != 0) {
    // A side chosen has recorded the starting position: a step now would
    // change the game under its own record.
    refusal = 2;
  }
  if (refusal == 0) return true;
  playSound(g, g.sound.禁止);
  描画_メッセージ(g, refusal);
  return false;
}

void showStep(Game& g, const HandicapStep& s) {
  redrawSquare(g, s.x, s.y);
  playSound(g, g.sound.駒打音);
}

// A step may take or move the piece the human has selected, and the next board
// click would then put the remembered piece back or overwrite another one. So
// the selection ends, its highlights cleared as a click beside the board does.
void dropSelection(Game& g) {
  GameState& st = g.state;
  if (st.SelectState == 0) return;
  const Move& sel = st.Selection;
  描画_移動可能桝色(g, sel.FromX, sel.FromY, g.view.GridColour, sel.Piece);
  描画_桝輪郭(g, g.view.GridColour, sel.FromX, sel.FromY);
  st.SelectState = 0;
}

}  // namespace

void 初期設定(Game& g) {
  // A new game abandons the one on the board: it is kept first.
  keepGame(g, kAbandonedGame);
  endReview(g);
  dropCommitment(g);
  GameState& st = g.state;
  Position& p = g.pos;
  st.HandicapLevel = 0;
  st.HandicapSet = kOff;
  st.VsComputer = kOff;
  st.Winner = 0;
  st.Turn = 0;
  st.RecordIndex = 0;
  st.MoveNumber = 0;
  st.Flipped = kOff;

  g.platform.timer.stop();
  g.platform.menu.setChecked(menu::ICHIJI, false);

  st.ComputerTime = 0;
  st.HumanTime = 0;
  st.MoveTime = 0;
  st.ClockPending = kOff;
  st.ReplayMode = kOff;
  st.LastShownSecond = 0;

  st.ScreenOn = kOn;
  st.SetupOpen = kOn;
  st.TempReveal = kOff;
  st.SelectState = 0;

  for (int k = 1; k <= kHandKinds; ++k) {
    p.HumanHand[k] = 0;
    p.ComputerHand[k] = 0;
  }
  layOutStart(p);

  recountHandTotals(p);
  // One shuffle pass per hand kind, seven in all. It looks like a pass that
  // strayed into a loop over the hands, but seven passes is how the game
  // shuffles: fewer would deal other layouts from the same seed.
  for (int pass = 1; pass <= kHandKinds; ++pass) 敵駒シャッフル(g);

  for (int x = 1; x <= kBoardSize; ++x) {
    for (int y = 1; y <= kBoardSize; ++y) {
      p.EnemyMarks[x][y] = p.BoardPieces[x][y] >= 10 ? kMarkNone : 0;
    }
  }
  画面_再描画(g);
}

void 敵駒シャッフル(Game& g) {
  PieceCode(&b)[10][10] = g.pos.BoardPieces;
  for (int i = 1; i <= kBoardSize; ++i) {
    for (int j = 1; j <= 3; ++j) {
      if (b[i][j] == kEmpty) continue;
      const int x = 乱数(g, 9);
      const int y = 乱数(g, 3);
      if (b[x][y] == kEmpty) continue;
      // The king never goes to the front row.
      if ((j == 3 && b[x][y] == kKing) || (y == 3 && b[i][j] == kKing)) continue;
      // A bishop in the front row does not leave it by its own visit.
      if (j == 3 && b[i][j] == kBishop && y != 3) continue;
      std::swap(b[i][j], b[x][y]);
    }
  }
}

int 乱数(Game& g, int n) {
  // There is no whole number in 1..n below 1; give the smallest one rather
  // than draw from an empty range.
  if (n < 1) return 1;
  std::uniform_int_distribution<int> digit(1, n);
  return digit(g.random);
}

void LBEL_UP_Click(Game& g) {
  if (!handicapAllowed(g)) return;
  GameState& st = g.state;
  st.RecordLength = 0;
  if (st.HandicapLevel < 10) {
    const int level = ++st.HandicapLevel;
    描画_ハンデレベル(g, level);
    dropSelection(g);
    if (level > 0) {
      st.HandicapTaken[level] = takeStep(g, kComputerSteps[level]);
      showStep(g, kComputerSteps[level]);
    } else {
      giveBackStep(g, kHumanSteps[1 - level], st.HandicapTaken[1 - level]);
      showStep(g, kHumanSteps[1 - level]);
    }
  }
  st.HandicapSet = kOn;
}

void LEBEL_DOWN_Click(Game& g) {
  if (!handicapAllowed(g)) return;
  GameState& st = g.state;
  st.RecordLength = 0;
  if (st.HandicapLevel > -10) {
    const int level = --st.HandicapLevel;
    描画_ハンデレベル(g, level);
    dropSelection(g);
    if (level >= 0) {
      giveBackStep(g, kComputerSteps[level + 1], st.HandicapTaken[level + 1]);
      showStep(g, kComputerSteps[level + 1]);
    } else {
      st.HandicapTaken[-level] = takeStep(g, kHumanSteps[-level]);
      showStep(g, kHumanSteps[-level]);
    }
  }
  st.HandicapSet = kOn;
}

}  // namespace morovan
