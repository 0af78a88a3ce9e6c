#include "record/Replay.h"

#include "Game.h"
#include "options/TimeKeeping.h"
#include "record/RecordFiles.h"
#include "record/Review.h"
#include "view/Pictures.h"
#include "view/SoundModule.h"
#include "view/Texts.h"

namespace morovan {
namespace {

// RecordTimes values of an entry.
constexpr int kHumanBefore = 1;
constexpr int kHumanAfter = 2;
constexpr int kComputerBefore = 3;
constexpr int kComputerAfter = 4;

constexpr int kMoveNumberColour = kWhite;

void refuse(Game& g, const char* title, const char* text) {
  playSound(g, g.sound.禁止);
  tell(g, title, text, Buttons::Ok);
}

void showClocks(Game& g, int humanValue, int computerValue) {
  const int n = g.state.RecordIndex;
  g.state.ComputerTime = g.record.RecordTimes[n][computerValue];
  描画_所有時間(g, g.state.ComputerSide, g.state.ComputerTime);
  g.state.HumanTime = g.record.RecordTimes[n][humanValue];
  描画_所有時間(g, g.state.HumanSide, g.state.HumanTime);
}

// The clock waits for the next board click after every step.
void startStep(Game& g) {
  g.state.SelectState = 0;
  g.platform.timer.stop();
  描画_将棋盤桝(g);
}

void finishStep(Game& g) {
  描画_自持盤(g);
  描画_敵持盤(g);
  描画_盤(g);
  playSound(g, g.sound.駒打音);
  g.state.Turn = -g.state.Turn;
  描画_手数(g, g.state.MoveNumber, kMoveNumberColour);
}

// The last-move texts of both sides belong to the entry being left.
void clearLastMoves(Game& g) {
  const int tile = g.view.BackgroundPicture;
  for (int col = -2; col <= 0; ++col) 描画_絵(g, tile, col, 8);
  for (int col = 12; col <= 14; ++col) 描画_絵(g, tile, col, 2);
}

}  // namespace

void REPLAY_Click(Game& g) {
  closeRecordPanel(g);
  GameState& s = g.state;
  s.ClockPending = kOn;
  if (s.RecordIndex <= 0) {
    refuse(g, sourceText("Message", "戻る"), sourceText("Message", "できません"));
    return;
  }
  s.RecordIndex -= 1;
  s.MoveNumber -= 1;
  startStep(g);
  loadRecordEntry(g.pos, g.record, s.RecordIndex);
  showRecordEntry(g);
  playSound(g, g.sound.駒打音);
  s.Turn = -s.Turn;
  followReview(g);
}

void showRecordEntry(Game& g) {
  clearLastMoves(g);
  showClocks(g, kHumanBefore, kComputerBefore);
  描画_自持盤(g);
  描画_敵持盤(g);
  描画_盤(g);
  描画_手数(g, g.state.MoveNumber, kMoveNumberColour);
}

void AFTER_Click(Game& g) {
  closeRecordPanel(g);
  GameState& s = g.state;
  if (s.Turn == 0) {
    refuse(g, sourceText("Message", "開始"), sourceText("Message", "「対局」で始めて下さい"));
    return;
  }
  s.ClockPending = kOn;
  // The record has no entry past 500, whatever RecordLength says.
  if (s.RecordIndex >= s.RecordLength || s.RecordIndex >= kLastRecordIndex) {
    refuse(g, sourceText("Message", "進む"),
           s.ReplayMode == kOn ? sourceText("Message", "終わり")
                               : sourceText("Message", "できません"));
    return;
  }
  s.RecordIndex += 1;
  startStep(g);
  s.MoveNumber += 1;
  描画_手数(g, s.MoveNumber, kMoveNumberColour);
  loadRecordEntry(g.pos, g.record, s.RecordIndex);
  showClocks(g, kHumanAfter, kComputerAfter);
  finishStep(g);
  followReview(g);
}

void jumpToRecordEntry(Game& g, int n) {
  closeRecordPanel(g);
  GameState& s = g.state;
  if (s.Turn == 0 || n < 0 || n > s.RecordLength || n > kLastRecordIndex) return;
  s.ClockPending = kOn;
  const int steps = n - s.RecordIndex;
  s.RecordIndex = n;
  s.MoveNumber += steps;
  startStep(g);
  clearLastMoves(g);
  loadRecordEntry(g.pos, g.record, n);
  showClocks(g, kHumanAfter, kComputerAfter);
  // Each step passes the turn; finishStep passes it once.
  if (steps % 2 == 0) s.Turn = -s.Turn;
  finishStep(g);
}

}  // namespace morovan
