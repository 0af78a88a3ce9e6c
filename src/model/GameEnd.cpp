#include "model/GameEnd.h"

#include "Game.h"
#include "view/Pictures.h"

namespace morovan {
namespace {

bool isBishop(PieceCode c) {
  return c == kBishop || c == kBishop + 1;
}

// The side that took the bishop, as the title of the box that says it lost.
void announceBishopTaken(Game& g, const char* taker) {
  g.platform.dialogs.message(taker, " ゲゲッ！ 角を取りました\r\r        ( X_X ) \r", Buttons::Ok);
}

}  // namespace

std::string judgeAfterHumanMove(Game& g, PieceCode Taken) {
  if (isBishop(Taken)) {
    announceBishopTaken(g, "あなた");
    revealAll(g);
    return "コンピュータ";
  }

  const Position& p = g.pos;
  const int humanKingAttacked = g.influence.ComputerReach[p.HumanKingX][p.HumanKingY];
  const int computerKingAttacked = g.influence.HumanReach[p.ComputerKingX][p.ComputerKingY];
  // A king left where it could be taken has been taken: the survey no longer
  // finds it, so its stale square cannot tell the check. Taking it wins at once.
  const bool kingTaken = Taken == kKing;
  if (kingTaken || humanKingAttacked > 0 || computerKingAttacked > 0) {
    announceCheck(g);
    revealAll(g);
    if (kingTaken) return "あなた";
    if (humanKingAttacked > 0 && computerKingAttacked > 0) return "引き分け";
    if (humanKingAttacked > 0) return "コンピュータ";
    return "あなた";
  }
  return {};
}

std::string judgeAfterComputerMove(Game& g, PieceCode Taken) {
  if (isBishop(-Taken)) {
    announceBishopTaken(g, "コンピュータ");
    revealAll(g);
    return "あなた";
  }
  const Position& p = g.pos;
  if (g.influence.ComputerReach[p.HumanKingX][p.HumanKingY] > 0) {
    announceCheck(g);
    revealAll(g);
    return "ｺﾝﾋﾟｭｰﾀ";
  }
  return {};
}

void announceCheck(Game& g) {
  g.platform.dialogs.message("", "   ** 王手 **", Buttons::Ok);
}

void revealAll(Game& g) {
  g.state.ScreenOn = kOff;
  描画_盤(g);
  描画_敵持盤(g);
}

}  // namespace morovan
