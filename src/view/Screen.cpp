#include "view/Screen.h"

#include "Game.h"
#include "options/Level.h"
#include "options/TimeKeeping.h"
#include "view/Pictures.h"
#include "view/Texts.h"

namespace morovan {

void 画面_再描画(Game& g) {
  const GameState& s = g.state;
  描画_背景(g, g.view.BackgroundPicture);
  描画_桝_数値(g);
  描画_自持盤(g);
  描画_敵持盤(g);
  描画_盤(g);
  描画_所有時間(g, s.ComputerSide, s.ComputerTime);
  描画_所有時間(g, s.HumanSide, s.HumanTime);
  if (s.VsComputer == kOn) 描画_レベル(g, s.ComputerLevel);
  if (s.HandicapSet == kOn) 描画_ハンデレベル(g, s.HandicapLevel);
  描画_絵(g, kPictureTitle, 11.1, 0);
}

}  // namespace morovan
