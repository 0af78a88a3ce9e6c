#include "model/GameEnd.h"

#include "Game.h"
#include "view/Pictures.h"
#include "view/Texts.h"

namespace morovan {
namespace {

// Taking either bishop, promoted or not, loses for the side that takes it.
bool isBishop(PieceCode c) {
  return c == kBishop || c == kPromotedBishop || c == -kBishop || c == -kPromotedBishop;
}

// The side that took the bishop, as the title of the box that says it lost.
void announceBishopTaken(Game& g, const char* taker) {
  tell(g, taker, sourceText("Message", " ゲゲッ！ 角を取りました\r\r        ( X_X ) \r"), Buttons::Ok);
}

std::string winnerText(Ending e, const char* computer) {
  switch (e) {
    case Ending::ComputerWins:
      return computer;
    case Ending::HumanWins:
      return "あなた";
    case Ending::Draw:
      return "引き分け";
    case Ending::None:
      break;
  }
  return {};
}

}  // namespace

Ending endingOfHumanMove(PieceCode taken, bool humanKingReached, bool computerKingReached) {
  if (isBishop(taken)) return Ending::ComputerWins;
  // A king left where it could be taken has been taken; taking it wins at once.
  if (taken == kKing) return Ending::HumanWins;
  if (humanKingReached && computerKingReached) return Ending::Draw;
  if (humanKingReached) return Ending::ComputerWins;
  if (computerKingReached) return Ending::HumanWins;
  return Ending::None;
}

Ending endingOfComputerMove(PieceCode taken, bool humanKingReached) {
  if (isBishop(taken)) return Ending::HumanWins;
  return humanKingReached ? Ending::ComputerWins : Ending::None;
}

std::string judgeAfterHumanMove(Game& g, PieceCode Taken) {
  const Position& p = g.pos;
  // When the king was taken the survey no longer finds it and its stale square
  // cannot tell the check; the judgement decides on the capture first.
  const Ending e =
      endingOfHumanMove(Taken, g.influence.ComputerReach[p.HumanKingX][p.HumanKingY] > 0,
                        g.influence.HumanReach[p.ComputerKingX][p.ComputerKingY] > 0);
  if (e == Ending::None) return {};
  if (isBishop(Taken))
    announceBishopTaken(g, sourceText("Message", "あなた"));
  else
    announceCheck(g);
  revealAll(g);
  return winnerText(e, "コンピュータ");
}

std::string judgeAfterComputerMove(Game& g, PieceCode Taken) {
  const Position& p = g.pos;
  const Ending e =
      endingOfComputerMove(Taken, g.influence.ComputerReach[p.HumanKingX][p.HumanKingY] > 0);
  if (e == Ending::None) return {};
  if (isBishop(Taken))
    announceBishopTaken(g, sourceText("Message", "コンピュータ"));
  else
    announceCheck(g);
  revealAll(g);
  return winnerText(e, "ｺﾝﾋﾟｭｰﾀ");
}

void announceCheck(Game& g) {
  tell(g, "", sourceText("Message", "   ** 王手 **"), Buttons::Ok);
}

void revealAll(Game& g) {
  g.state.ScreenOn = kOff;
  描画_盤(g);
  描画_敵持盤(g);
}

}  // namespace morovan
