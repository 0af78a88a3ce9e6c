#include "view/Highlights.h"

#include "Game.h"
#include "model/Rules.h"
#include "options/TimeKeeping.h"
#include "view/Pictures.h"
#include "view/Texts.h"

namespace morovan {
namespace {

constexpr double kBlinkPhaseSeconds = 0.2;
constexpr double kWaitPollSeconds = 0.01;

// Where one part of a move text stands: its shadow's cell and its coloured copy's.
struct TextSpot {
  double shadowCol, shadowRow, col, row;
};

void printTwice(Game& g, const TextSpot& spot, const std::string& text, int colour) {
  描画_移動駒種類(g, spot.shadowCol, spot.shadowRow, text, g.view.ShadowColour);
  描画_移動駒種類(g, spot.col, spot.row, text, colour);
}

}  // namespace

void 描画_移動可能桝色(Game& g, int fromCol, int fromRow, int colour, PieceCode piece) {
  描画_将棋盤桝(g);
  if (g.view.MoveGuidance == 0) return;
  for (int col = 1; col <= kBoardSize; ++col) {
    for (int row = 1; row <= kBoardSize; ++row) {
      if (移動チェック(g.pos, fromCol, fromRow, col, row, piece) == 1) {
        描画_桝輪郭(g, colour, col, row);
      }
    }
  }
}

void 描画_駒点滅(Game& g, int code, int col, int row, int times) {
  // 待ち時間 puts each phase on screen before it blocks.
  for (int i = 0; i < times; ++i) {
    描画_絵(g, kPictureEmpty, col, row);
    描画_桝輪郭(g, g.view.BackColour, col, row);
    待ち時間(g, kBlinkPhaseSeconds);
    描画_絵(g, code, col, row);
    描画_桝輪郭(g, g.view.BackColour, col, row);
    待ち時間(g, kBlinkPhaseSeconds);
  }
}

void 待ち時間(Game& g, double seconds) {
  g.platform.canvas.repaintNow();
  // Also guards against NaN, which would never compare as elapsed.
  if (!(seconds > 0)) return;
  Clock& clock = g.platform.clock;
  const double start = clock.timeOfDay();
  while (調査_経過秒(start, clock.timeOfDay()) < seconds) clock.sleepBriefly(kWaitPollSeconds);
}

void 描画_移動結果(Game& g, int side, int col, int row, PieceCode piece, int colour) {
  消去_移動結果(g, side);
  const std::string file = 文字列変換(10 - col);
  const std::string rank = 文字列変換(1000 + row);
  const std::string name = pieceLabel(g, piece);
  if (side == g.state.ComputerSide) {
    printTwice(g, {-1.5, 8.5, -1.6, 8.4}, file, colour);
    printTwice(g, {-1.1, 8.5, -1.2, 8.4}, rank, colour);
    printTwice(g, {-0.5, 8.5, -0.6, 8.4}, name, colour);
    // The text runs up to the board's edge; keep square (1, 8) framed.
    描画_桝輪郭(g, g.view.BackColour, 1, 8);
  } else if (side == g.state.HumanSide) {
    printTwice(g, {12.5, 2.5, 12.4, 2.4}, file, colour);
    printTwice(g, {12.9, 2.5, 12.8, 2.4}, rank, colour);
    printTwice(g, {13.5, 2.5, 13.4, 2.4}, name, colour);
  }
}

void 消去_移動結果(Game& g, int side) {
  const int tile = g.view.BackgroundPicture;
  if (side == g.state.ComputerSide) {
    for (int col = -2; col <= 0; ++col) 描画_絵(g, tile, col, 8);
    描画_桝輪郭(g, g.view.BackColour, 1, 8);
  } else if (side == g.state.HumanSide) {
    for (int col = 12; col <= 14; ++col) 描画_絵(g, tile, col, 2);
  }
}

void 描画_移動駒種類(Game& g, double col, double row, const std::string& text, int colour) {
  g.platform.canvas.setFontSize(12);
  g.platform.canvas.setTextColour(colour);
  g.platform.canvas.printText(cellX(col), cellY(row), text);
}

}  // namespace morovan
