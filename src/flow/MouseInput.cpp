#include "flow/MouseInput.h"

#include <cmath>

#include "Game.h"
#include "flow/ComputerTurn.h"
#include "flow/Startup.h"
#include "flow/TurnCycle.h"
#include "influence/Survey.h"
#include "model/GameEnd.h"
#include "model/MakeMove.h"
#include "model/NewGame.h"
#include "model/Rules.h"
#include "options/TimeKeeping.h"
#include "record/RecordFiles.h"
#include "view/Highlights.h"
#include "view/Pictures.h"
#include "view/SoundModule.h"
#include "view/Texts.h"

namespace morovan {
namespace {

// A flag on a hidden computer piece cycles none -> red -> blue -> none.
void cycleFlag(Game& g, int x, int y) {
  int& mark = g.pos.EnemyMarks[x][y];
  if (mark == kMarkNone || mark == 0) {
    mark = kMarkRed;
  } else if (mark == kMarkRed) {
    mark = kMarkBlue;
  } else if (mark == kMarkBlue) {
    mark = kMarkNone;
  }
  playSound(g, g.sound.旗立);
  描画_絵(g, g.pos.BoardPieces[x][y], x, y);
}

void refuseBeforeStart(Game& g) {
  tell(g, sourceText("Message", "開始"), sourceText("Message", "「対局」で始めて下さい"));
}

// The move itself: rules, promotion, record, clock, judgement, and the reply.
void attemptMove(Game& g, int Button) {
  GameState& st = g.state;
  Move& sel = st.Selection;
  const int dest = g.pos.BoardPieces[sel.ToX][sel.ToY];
  if (移動チェック(g.pos, sel.FromX, sel.FromY, sel.ToX, sel.ToY, sel.Piece) != 1) {
    if (isComputerPiece(dest)) {
      cycleFlag(g, sel.ToX, sel.ToY);
      描画_移動可能桝色(g, sel.FromX, sel.FromY, g.view.GridColour, sel.Piece);
      描画_桝輪郭(g, g.view.GridColour, sel.FromX, sel.FromY);
    } else {
      playSound(g, g.sound.禁止);
      描画_将棋盤桝(g);
    }
    st.SelectState = 0;
    描画_桝輪郭(g, g.view.GridColour, sel.ToX, sel.ToY);
    return;
  }
  if (移動後チェック(sel.ToY, sel.Piece) == 0 && Button == kLeftButton) {
    playSound(g, g.sound.禁止);
    tell(g, sourceText("Message", "成り"), sourceText("Message", "マウスの右をクリックして下さい"));
    return;
  }
  if (!recordHasRoom(g)) {
    // The record holds 500 moves; a move it could not keep is not played, and
    // as on the computer's side the game ends drawn rather than stand forever.
    st.SelectState = 0;
    描画_将棋盤桝(g);
    tell(g, sourceText("Message", "対局"),
         sourceText("Message", "棋譜が一杯のため、これ以上指せません"), Buttons::Ok);
    st.ScreenOn = kOff;
    描画_盤(g);
    描画_敵持盤(g);
    終了(g, "引き分け");
    return;
  }
  if (Button == kRightButton &&
      調査_駒成(sel.FromX, sel.FromY, sel.ToX, sel.ToY, sel.Piece, st.PromotedPiece) == 1) {
    sel.Piece = st.PromotedPiece;
  }
  st.SelectState = 0;
  描画_桝輪郭(g, g.view.GridColour, sel.FromX, sel.FromY);
  描画_桝輪郭(g, g.view.GridColour, sel.ToX, sel.ToY);
  描画_移動可能桝色(g, sel.FromX, sel.FromY, g.view.GridColour, sel.Piece);
  const PieceCode Taken = dest;
  駒移動(g, sel.FromX, sel.FromY, sel.ToX, sel.ToY, sel.Piece);
  playSound(g, g.sound.駒打音);
  描画_移動結果(g, st.HumanSide, sel.ToX, sel.ToY, sel.Piece, g.view.ResultColour);
  st.RecordIndex += 1;
  st.MoveNumber += 1;
  // Counted once played, so that a winning move leaves its own count shown.
  描画_手数(g, st.MoveNumber, g.view.TextColour);
  st.RecordLength = st.RecordIndex;
  readMoveTime(g);
  手順保存(g, st.HumanTime, st.HumanTime + st.MoveTime, st.ComputerTime, st.ComputerTime);
  g.keeping.unkept = true;
  g.platform.timer.stop();
  st.HumanTime += st.MoveTime;
  勢力調査(g.pos, g.influence);
  if (const std::string winner = judgeAfterHumanMove(g, Taken); !winner.empty()) {
    終了(g, winner);
    return;
  }
  if (st.Winner == 0) {
    st.Turn = st.ComputerSide;
    com_ban(g);
  }
}

// First click on the board: pick a human piece, or flag a computer piece.
void chooseOnBoard(Game& g, int c, int r) {
  GameState& st = g.state;
  const PieceCode code = g.pos.BoardPieces[c][r];
  if (code == kEmpty) {
    playSound(g, g.sound.禁止);
    if (st.Turn == 0) refuseBeforeStart(g);
    return;
  }
  if (isHumanPiece(code)) {
    st.Selection.FromX = c;
    st.Selection.FromY = r;
    st.Selection.Piece = code;
    st.SelectState = 1;
    if (st.SetupOpen == kOn) {
      描画_桝輪郭(g, g.view.AccentColour, c, r);
      return;
    }
    描画_移動可能桝色(g, c, r, g.view.GuideColour, code);
    if (st.Turn == st.HumanSide) 描画_桝輪郭(g, g.view.AccentColour, c, r);
    return;
  }
  // A hidden piece is never selected: a later click beside the board would
  // clear the marks of its moves, and so draw where it could go.
  st.Selection = Move{};
  cycleFlag(g, c, r);
  描画_桝輪郭(g, g.view.GridColour, c, r);
}

void redrawAfterSetup(Game& g) {
  g.state.SelectState = 0;
  描画_自持盤(g);
  描画_敵持盤(g);
}

// Second click on the board: the destination of the selected piece.
void chooseDestination(Game& g, int Button, int c, int r) {
  GameState& st = g.state;
  Move& sel = st.Selection;
  sel.ToX = c;
  sel.ToY = r;
  const PieceCode dest = g.pos.BoardPieces[c][r];
  // Before the game only swaps of the human's own pieces are set-up; a move
  // onto an empty square or a capture would be play.
  if (st.SetupOpen == kOn && !isHumanPiece(dest)) {
    redrawAfterSetup(g);
    playSound(g, g.sound.禁止);
    描画_盤(g);
    refuseBeforeStart(g);
    return;
  }
  // The promoted bishop captures with a one-square step; the rules decide that.
  if (sel.Piece == -kBishop && isComputerPiece(dest)) {
    playSound(g, g.sound.駒打音);
    tell(g, sourceText("Message", "Morovanルール"),
         sourceText("Message", "角は相手駒を取ることができません"));
    return;
  }
  if (dest == kEmpty) {
    attemptMove(g, Button);
    return;
  }
  if (isHumanPiece(dest)) {
    if (st.SetupOpen == kOn) {
      // Before the game the human may rearrange the own pieces on the board.
      if (onBoard(sel.FromX, sel.FromY)) {
        g.pos.BoardPieces[c][r] = sel.Piece;
        g.pos.BoardPieces[sel.FromX][sel.FromY] = dest;
      }
      redrawAfterSetup(g);
      playSound(g, g.sound.駒打音);
      描画_盤(g);
      return;
    }
    if (st.Turn != st.HumanSide) {
      attemptMove(g, Button);
      return;
    }
    描画_桝輪郭(g, g.view.GridColour, sel.FromX, sel.FromY);
    sel.FromX = c;
    sel.FromY = r;
    sel.Piece = dest;
    描画_移動可能桝色(g, c, r, g.view.GuideColour, dest);
    描画_桝輪郭(g, g.view.AccentColour, c, r);
    return;
  }
  attemptMove(g, Button);
}

// A click off the board: clear the last selection's marks, or pick a hand piece.
void chooseOffBoard(Game& g, int c, int r) {
  GameState& st = g.state;
  Move& sel = st.Selection;
  if (isHumanPiece(sel.Piece)) {
    描画_移動可能桝色(g, sel.FromX, sel.FromY, g.view.GridColour, sel.Piece);
    描画_桝輪郭(g, g.view.GridColour, sel.FromX, sel.FromY);
  }
  if (c == kHumanHandX && r >= humanHandRow(1) && r <= humanHandRow(kHandKinds)) {
    const int k = humanHandKind(r);
    if (g.pos.HumanHand[k] == 0) return;
    調査_2歩フラグ設定(g.pos);
    st.SelectState = 1;
    sel.FromX = kHumanHandX;
    sel.FromY = r;
    sel.Piece = -handKindPiece(k);
    if (st.Turn == st.HumanSide) {
      描画_桝輪郭(g, g.view.AccentColour, c, r);
    } else if (st.Turn == st.ComputerSide) {
      描画_桝輪郭(g, g.view.GuideColour, c, r);
    }
    描画_移動可能桝色(g, sel.FromX, sel.FromY, g.view.GuideColour, sel.Piece);
  }
  // The computer's hand is not the player's to pick from, and what a click
  // there did would tell what it holds: it is background like any other.
}

}  // namespace

void Form_MouseDown(Game& g, int Button, int Shift, double X, double Y) {
  (void)Shift;
  GameState& st = g.state;
  if (g.ending) return;
  描画_可視(g, false, false, false);
  描画_棋譜_IO(g, 2);
  if (st.TempReveal == kOn) {
    st.TempReveal = kOff;
    st.ScreenOn = kOn;
    g.platform.menu.setChecked(menu::ICHIJI, false);
    playSound(g, g.sound.駒打音);
    描画_盤(g);
    // The hand was shown face up too; left so, it would tell what the
    // computer holds until its next move.
    描画_敵持盤(g);
  }
  if (st.ReplayMode == kOn) {
    if (tell(g, sourceText("Message", "棋譜"), sourceText("Message", "棋譜を '進 'で進めて下さい"),
             Buttons::YesNo) == Answer::No) {
      playSound(g, g.sound.禁止);
      初期設定(g);
    }
    return;
  }
  const int c = static_cast<int>(std::floor((X - kBoardOriginX) / kSquareWidth));
  const int r = static_cast<int>(std::floor((Y - kBoardOriginY) / kSquareHeight));
  if (!clickPrompts(g)) return;
  if (onBoard(c, r)) {
    if (st.SelectState == 0) {
      chooseOnBoard(g, c, r);
    } else {
      chooseDestination(g, Button, c, r);
    }
  } else {
    chooseOffBoard(g, c, r);
  }
}

}  // namespace morovan
