#include "model/MakeMove.h"

#include "Game.h"
#include "model/Checks.h"
#include "view/Pictures.h"

namespace morovan {

void 駒移動(Game& g, int FromX, int FromY, int ToX, int ToY, PieceCode Piece) {
  Position& p = g.pos;
  const PieceCode captured = p.BoardPieces[ToX][ToY];
  // A captured king goes to no hand, so only a piece that 駒取得 puts into a
  // hand counts towards that hand's total.
  if (captured <= -10) {
    if (capturedHandKind(captured) != 0) p.ComputerHandTotal += 1;
    駒取得(g, captured);
    描画_敵持盤(g);
  } else if (captured >= 10) {
    if (capturedHandKind(captured) != 0) p.HumanHandTotal += 1;
    駒取得(g, captured);
    描画_自持盤(g);
  }

  描画_絵(g, kPictureEmpty, FromX, FromY);
  描画_桝輪郭(g, g.view.BackColour, FromX, FromY);

  p.BoardPieces[ToX][ToY] = Piece;
  const bool boardMove = FromX >= 1 && FromX <= kBoardSize;
  if (boardMove) p.EnemyMarks[ToX][ToY] = p.EnemyMarks[FromX][FromY];
  if (Piece == -kKing) {
    p.HumanKingX = ToX;
    p.HumanKingY = ToY;
  }

  if (FromX == kComputerHandX) {
    p.ComputerHandTotal -= 1;
    p.ComputerHand[FromY] -= 1;
    描画_敵持盤(g);
  } else if (FromX == kHumanHandX) {
    p.HumanHandTotal -= 1;
    p.HumanHand[humanHandKind(FromY)] -= 1;
    描画_自持盤(g);
  } else {
    p.BoardPieces[FromX][FromY] = kEmpty;
    p.EnemyMarks[FromX][FromY] = 0;
  }

  描画_絵(g, Piece, ToX, ToY);
  // Outlined twice on purpose, as the game has always drawn it: not a slip to tidy.
  描画_桝輪郭(g, g.view.BackColour, ToX, ToY);
  描画_桝輪郭(g, g.view.BackColour, ToX, ToY);

  checkPosition(p, "a move");
}

void 駒取得(Game& g, PieceCode Captured) {
  const int kind = capturedHandKind(Captured);
  if (kind != 0) {
    if (Captured > 0) {
      g.pos.HumanHand[kind] += 1;
    } else {
      g.pos.ComputerHand[kind] += 1;
    }
  } else if (Captured == kKing) {
    g.state.Winner = g.state.HumanSide;
  } else if (Captured == -kKing) {
    g.state.Winner = g.state.ComputerSide;
  }
}

bool 手順保存(Game& g, double Time1, double Time2, double Time3, double Time4) {
  const int n = g.state.RecordIndex;
  if (n < 0 || n > kLastRecordIndex) return false;
  GameRecord& r = g.record;
  storeRecordEntry(r, n, g.pos);
  r.RecordTimes[n][1] = Time1;
  r.RecordTimes[n][2] = Time2;
  r.RecordTimes[n][3] = Time3;
  r.RecordTimes[n][4] = Time4;
  return true;
}

bool recordHasRoom(const Game& g) {
  return g.state.RecordIndex >= 0 && g.state.RecordIndex < kLastRecordIndex;
}

}  // namespace morovan
