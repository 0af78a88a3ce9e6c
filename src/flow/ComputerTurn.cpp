#include "flow/ComputerTurn.h"

#include <string>

#include "Game.h"
#include "computer/DeepSearch.h"
#include "flow/Startup.h"
#include "influence/Survey.h"
#include "model/GameEnd.h"
#include "model/MakeMove.h"
#include "options/TimeKeeping.h"
#include "view/Highlights.h"
#include "view/Pictures.h"
#include "view/Texts.h"

namespace morovan {
namespace {

constexpr int kBlinkRounds = 3;

// The turn's side of the search: the repaint that puts the caption on screen
// before the scan, and the clock display kept moving while it runs.
class TurnSink : public CandidateSink {
 public:
  explicit TurnSink(Game& g) : g_(g) {}
  void scanStarting() override { g_.platform.canvas.repaintNow(); }
  void scanStep() override { Timer1_Timer(g_); }

 private:
  Game& g_;
};

}  // namespace

void com_ban(Game& g) {
  GameState& st = g.state;
  const ViewState& v = g.view;
  Platform& pf = g.platform;

  st.TurnStartTimer = pf.clock.timeOfDay();
  if (pf.menu.isChecked(menu::KEIKA)) pf.timer.start();

  // The computer's last-move text gives way to the thinking caption.
  消去_移動結果(g, st.ComputerSide);
  const std::string thinking = shown(g, "Board", sourceText("Board", "思考中"));
  描画_数値(g, -1.5, 8.5, thinking, v.ShadowColour, 0, 12);
  描画_数値(g, -1.6, 8.4, thinking, kWhite, 0, 12);

  TurnSink sink(g);
  const SearchOutcome outcome = decideComputerMove(g, &sink);
  // The pad counts from the start of the turn, so that nothing the turn did
  // before the search can lengthen it by what the hidden position asked.
  if (st.ComputerLevel == kDeepLevel)
    待ち時間(g, kDeepThinkingSeconds - 調査_経過秒(st.TurnStartTimer, pf.clock.timeOfDay()));
  // The thinking is over, whether a move follows or the game ends.
  消去_移動結果(g, st.ComputerSide);
  switch (outcome) {
    case SearchOutcome::CheckAlready:
      pf.sound.dsPlay(g.sound.禁止);
      announceCheck(g);
      revealAll(g);
      終了(g, "ｺﾝﾋﾟｭｰﾀ");
      return;
    case SearchOutcome::NoMove:
      // Nothing of the computer can move and nothing can be dropped: it resigns.
      tell(g, sourceText("Message", "コンピュータ"), sourceText("Message", "指せる手がありません"), Buttons::Ok);
      revealAll(g);
      終了(g, "あなた");
      return;
    case SearchOutcome::Move:
      break;
  }

  // A move that could not be recorded would be lost from the game, so the game
  // ends drawn before the board changes.
  if (!recordHasRoom(g)) {
    tell(g, sourceText("Message", "コンピュータ"), sourceText("Message", "棋譜が一杯のため、これ以上指せません"), Buttons::Ok);
    revealAll(g);
    終了(g, "引き分け");
    return;
  }

  const Move m = g.search.BestMove;

  // A drop blinks where the computer's hand is shown: the one hidden cell while
  // the screen is up (the kind's own row would give the kind away), else the
  // kind's row.
  int blinkRow = m.FromY;
  if (m.FromX == kComputerHandX) blinkRow = st.ScreenOn == kOn ? 1 : computerHandRow(m.FromY);
  描画_駒点滅(g, m.Piece, m.FromX, blinkRow, kBlinkRounds);
  駒移動(g, m.FromX, m.FromY, m.ToX, m.ToY, m.Piece);
  待ち時間(g, 0.5);
  pf.sound.dsPlay(g.sound.駒打音);
  // The computer is charged its whole turn as the player saw it: the thinking,
  // the blink and the pause, up to the move shown.
  readMoveTime(g);

  st.RecordIndex += 1;
  st.MoveNumber += 1;
  st.RecordLength = st.RecordIndex;
  手順保存(g, st.HumanTime, st.HumanTime, st.ComputerTime, st.ComputerTime + st.MoveTime);
  g.keeping.unkept = true;
  描画_手数(g, st.MoveNumber, kWhite);
  pf.timer.stop();
  勢力調査(g.pos, g.influence);

  const PieceCode taken = g.search.TurnStartBoard[m.ToX][m.ToY];
  if (const std::string winner = judgeAfterComputerMove(g, taken); !winner.empty()) {
    終了(g, winner);
    return;
  }

  描画_移動結果(g, st.ComputerSide, m.ToX, m.ToY, m.Piece, kWhite);
  描画_桝輪郭(g, kWhite, m.ToX, m.ToY);
  st.ComputerTime += st.MoveTime;
  // The clock shows what was charged, not where the last tick of the search left it.
  描画_所有時間(g, st.ComputerSide, st.ComputerTime);
  st.TurnStartTimer = pf.clock.timeOfDay();
  st.Turn = st.HumanSide;
  if (pf.menu.isChecked(menu::KEIKA)) pf.timer.start();
}

}  // namespace morovan
