#include "flow/TurnCycle.h"

#include <algorithm>

#include "Game.h"
#include "flow/ComputerTurn.h"
#include "model/MakeMove.h"
#include "options/Level.h"
#include "record/GameKeeping.h"
#include "record/RecordFiles.h"
#include "record/Review.h"
#include "record/ShuffleProof.h"
#include "view/Pictures.h"
#include "view/SoundModule.h"
#include "view/Texts.h"

namespace morovan {
namespace {

// The part SENTE and GOTE share: close the record text, show the level, store
// the position play starts (or resumes) from as the current record entry.
void startOrResume(Game& g, bool sente) {
  GameState& st = g.state;
  描画_棋譜読込み部分消去(g);
  描画_レベル(g, st.ComputerLevel);
  描画_将棋盤桝(g);
  if (!sente) g.platform.timer.start();
  st.SelectState = 0;
  st.VsComputer = kOn;
  st.ReplayMode = kOff;
  st.SetupOpen = kOff;
  // A flip starts the record afresh at entry 0 but keeps the move count; the
  // record must not reach past the entry shown into the game before the flip.
  const int resumedAt = std::min(st.MoveNumber, st.RecordIndex);
  // Resuming from the start throws every recorded move away: the game as it
  // stood is kept first, as a new game keeps it.
  if (resumedAt == 0 && st.RecordLength > 0) keepGame(g, kAbandonedGame);
  st.RecordLength = resumedAt;
  if (sente) {
    st.TurnStartTimer = g.platform.clock.timeOfDay();
    g.platform.timer.start();
  }
  // Whatever ran before (a replay, the last game) is no move of this one.
  st.MoveTime = 0;
  手順保存(g, st.HumanTime, st.HumanTime + st.MoveTime, st.ComputerTime, st.ComputerTime);
  endReview(g);
  commitToSetup(g);
}

// The human's clock starts here, whichever button resumed: a step back left
// the turn's start where the stepped-over moves had put it.
void humanToMove(Game& g, const char* title) {
  g.state.TurnStartTimer = g.platform.clock.timeOfDay();
  tell(g, title, sourceText("Message", "MANの番です"));
  g.state.ClockPending = kOff;
}

// Starts the clock a replayed position left waiting for the first click.
void startPendingClock(Game& g) {
  g.state.ClockPending = kOff;
  g.state.TurnStartTimer = g.platform.clock.timeOfDay();
  if (g.platform.menu.isChecked(menu::KEIKA)) g.platform.timer.start();
}

// Only a check ends a game, and no check can fall on a king that is not there:
// play from a position without both kings would never end. Such a position
// comes only from a record file.
bool refuseWithoutKings(Game& g) {
  bool computerKing = false, humanKing = false;
  for (int x = 1; x <= kBoardSize; ++x)
    for (int y = 1; y <= kBoardSize; ++y) {
      computerKing = computerKing || g.pos.BoardPieces[x][y] == kKing;
      humanKing = humanKing || g.pos.BoardPieces[x][y] == -kKing;
    }
  if (computerKing && humanKing) return false;
  playSound(g, g.sound.禁止);
  tell(g, sourceText("Message", "対局"), sourceText("Message", "王のいない局面からは対局できません"));
  return true;
}

}  // namespace

void TAIKYOKU_Click(Game& g) { closeRecordPanel(g); }

void SENTE_Click(Game& g) {
  if (refuseWithoutKings(g)) return;
  startOrResume(g, true);
  GameState& st = g.state;
  if (st.Turn == 0 || st.MoveNumber == 0) {
    st.HumanSide = kSente;
    st.ComputerSide = kGote;
    st.Turn = kSente;
    humanToMove(g, " ");
  } else if (st.Turn == st.HumanSide) {
    st.HumanSide = kSente;
    st.ComputerSide = kGote;
    st.Turn = kSente;
    humanToMove(g, sourceText("Message", "対局"));
  } else if (st.Turn == st.ComputerSide) {
    com_ban(g);
  }
}

void GOTE_Click(Game& g) {
  if (refuseWithoutKings(g)) return;
  startOrResume(g, false);
  GameState& st = g.state;
  if (st.Turn == 0 || st.MoveNumber == 0) {
    st.HumanSide = kGote;
    st.ComputerSide = kSente;
    st.Turn = kSente;
    com_ban(g);
  } else if (st.Turn == st.HumanSide) {
    humanToMove(g, sourceText("Message", "対局"));
  } else if (st.Turn == st.ComputerSide) {
    com_ban(g);
  }
}

bool clickPrompts(Game& g) {
  GameState& st = g.state;
  if (st.Turn == 0) {
    if (st.SetupOpen == kOn) return true;
    playSound(g, g.sound.禁止);
    tell(g, sourceText("Message", "開始"), sourceText("Message", "「対局」で始めて下さい"));
    return false;
  }
  if (st.VsComputer == kOff) {
    if (st.ClockPending == kOn) {
      startPendingClock(g);
      tell(g, sourceText("Message", "対局"), st.Turn == kSente ? sourceText("Message", "先手の番です") : sourceText("Message", "後手の番です"));
    }
    return true;
  }
  if (st.Turn == st.ComputerSide) {
    st.ClockPending = kOff;
    tell(g, sourceText("Message", "再開(COM)"), sourceText("Message", "OKですか？"));
    com_ban(g);
  } else if (st.Turn == st.HumanSide && st.ClockPending == kOn) {
    startPendingClock(g);
    tell(g, sourceText("Message", "対局"), sourceText("Message", "MANの番です"));
  }
  // The program may have ended in the computer's turn just played.
  return !g.ending;
}

}  // namespace morovan
