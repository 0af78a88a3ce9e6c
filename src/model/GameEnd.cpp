#include "model/GameEnd.h"

#include "Game.h"
#include "flow/Startup.h"
#include "model/NewGame.h"
#include "record/GameKeeping.h"
#include "view/Pictures.h"

namespace morovan {
namespace {

// The game is over: the computer's pieces and hand are shown face up.
void revealAll(Game& g) {
  g.state.ScreenOn = kOff;
  描画_盤(g);
  描画_敵持盤(g);
}

}  // namespace

bool judgeAfterHumanMove(Game& g, PieceCode Taken) {
  if (Taken == kBishop || Taken == kBishop + 1) {
    g.platform.dialogs.message("あなた", " ゲゲッ！ 角を取りました\r\r        ( X_X ) \r",
                               Buttons::Ok);
    revealAll(g);
    終了(g, "コンピュータ");
    return true;
  }

  const Position& p = g.pos;
  const int humanKingAttacked = g.influence.ComputerReach[p.HumanKingX][p.HumanKingY];
  const int computerKingAttacked = g.influence.HumanReach[p.ComputerKingX][p.ComputerKingY];
  // A king left where it could be taken has been taken: the survey no longer
  // finds it, so its stale square cannot tell the check. Taking it wins at once.
  const bool kingTaken = Taken == kKing;
  if (kingTaken || humanKingAttacked > 0 || computerKingAttacked > 0) {
    g.platform.dialogs.message("", "   ** 王手 **", Buttons::Ok);
    revealAll(g);
    if (kingTaken) {
      終了(g, "あなた");
    } else if (humanKingAttacked > 0 && computerKingAttacked > 0) {
      終了(g, "引き分け");
    } else if (humanKingAttacked > 0) {
      終了(g, "コンピュータ");
    } else {
      終了(g, "あなた");
    }
    return true;
  }
  return false;
}

void 終了(Game& g, const std::string& WinnerText) {
  const std::string result =
      WinnerText == "引き分け" ? WinnerText + "です" : WinnerText + "の勝ちです";
  g.platform.dialogs.message("終了", result, Buttons::Ok);
  keepGame(g, result);

  if (g.platform.dialogs.message("再ゲーム", "続けますか？", Buttons::YesNo) == Answer::Yes) {
    初期設定(g);
    return;
  }
  // 終了処理 marks the game as ending; the program ends once this event returns.
  終了処理(g);
  g.platform.window.endProgram();
}

}  // namespace morovan
