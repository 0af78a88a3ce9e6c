#include "flow/PositionMenu.h"

#include <utility>

#include "Game.h"
#include "model/MakeMove.h"
#include "model/NewGame.h"
#include "options/TimeKeeping.h"
#include "record/GameKeeping.h"
#include "view/Pictures.h"
#include "view/Screen.h"
#include "view/SoundModule.h"
#include "view/Texts.h"

namespace morovan {

void CANCEL_Click(Game& g) {
  初期設定(g);
  playSound(g, g.sound.駒打音);
}

void REVERSE_Click(Game& g) {
  GameState& s = g.state;
  Position& p = g.pos;
  if (s.ReplayMode == kOn) {
    playSound(g, g.sound.禁止);
    tell(g, sourceText("Message", "反転"), sourceText("Message", "棋譜ﾓｰﾄﾞではできません"),
         Buttons::Ok);
    return;
  }
  // The thinking so far was the side to move's; after the turn it would be
  // billed to the other. Nothing thinks again until the next click.
  chargeRunningMove(g);
  g.platform.timer.stop();
  // The record starts anew from the flipped position; the game as it stood
  // is kept before its moves are dropped.
  keepGame(g, kAbandonedGame);
  // The human now holds the pieces they could not see: the rest of the game
  // counts as played with them shown.
  g.review.revealUsed = true;
  s.Flipped = kOn;
  s.SelectState = 0;
  // Turn the board half round; every piece changes owner.
  PieceCode before[10][10];
  copySquares(before, p.BoardPieces);
  for (int col = 1; col <= kBoardSize; ++col) {
    for (int row = 1; row <= kBoardSize; ++row) {
      p.BoardPieces[10 - col][10 - row] = -before[col][row];
    }
  }
  for (int k = 1; k <= kHandKinds; ++k) std::swap(p.HumanHand[k], p.ComputerHand[k]);
  // The totals go with their hands, or drops and captures would count wrongly.
  std::swap(p.HumanHandTotal, p.ComputerHandTotal);

  画面_再描画(g);
  描画_手数(g, s.MoveNumber, g.view.TextColour);
  if (s.HandicapSet == kOn) {
    s.HandicapLevel = -s.HandicapLevel;
    描画_ハンデレベル(g, s.HandicapLevel);
  }
  playSound(g, g.sound.駒打音);
  s.Turn = -s.Turn;
  s.RecordIndex = 0;
  s.RecordLength = 0;
  // Nobody thinks until the side to move starts to: a second flip meanwhile
  // must not bill the idle time to either side.
  s.ClockPending = kOn;
  // The record starts anew here, so its first entry must be this position:
  // stepping back to it would otherwise bring back the position before the flip.
  手順保存(g, s.HumanTime, s.HumanTime, s.ComputerTime, s.ComputerTime);
}

void ICHIJI_Click(Game& g) {
  GameState& s = g.state;
  Menu& menu = g.platform.menu;
  if (!menu.isChecked(menu::ICHIJI)) {
    menu.setChecked(menu::ICHIJI, true);
    s.ScreenOn = kOff;
    g.review.revealUsed = true;
    描画_盤(g);
    描画_敵持盤(g);
    s.TempReveal = kOn;
  } else {
    menu.setChecked(menu::ICHIJI, false);
    s.ScreenOn = kOn;
    描画_盤(g);
    描画_敵持盤(g);
    s.TempReveal = kOff;
  }
}

}  // namespace morovan
