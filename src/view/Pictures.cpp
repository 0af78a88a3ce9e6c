#include "view/Pictures.h"

#include <cmath>

#include "Game.h"
#include "model/Rules.h"
#include "view/Texts.h"

namespace morovan {
namespace {

// A pixel and a half in twips: room for an outline's line at any scale, and
// within a pixel of the cell's edge.
constexpr double kLineRoom = 22.5;

// The outline of a cell of the face-up hand. An outline's bottom line lies on
// the first pixel row of the cell below, and below the lowest cell nothing of
// the hidden hand covers it again: that cell's bottom line stays inside it.
void outlineComputerHandCell(Game& g, int row) {
  if (row < kHandKinds) {
    描画_桝輪郭(g, g.view.BackColour, kComputerHandX, row);
    return;
  }
  g.platform.canvas.outline(cellX(kComputerHandX), cellY(row), cellX(kComputerHandX + 1),
                            cellY(row + 1) - kLineRoom, g.view.BackColour);
}

// The tiles of the hand's count column are a pixel wider than their cells and
// cover the left edge of the board's squares beside them: draw it again.
void redrawBoardEdgeBesideTheHand(Game& g) {
  for (int row = 1; row <= kHandKinds; ++row) 描画_桝輪郭(g, g.view.BackColour, 1, row);
}

}  // namespace

void 描画_絵(Game& g, int code, double col, double row) {
  int picture = code;
  if (g.state.ScreenOn == kOn && isComputerPiece(code)) {
    if (onBoard(col, row)) {
      // The flag a human put on the square stands in for the hidden piece.
      const int mark = g.pos.EnemyMarks[std::lround(col)][std::lround(row)];
      picture = mark == kMarkBlue  ? kPictureBlueFlag
                : mark == kMarkRed ? kPictureRedFlag
                                   : kPictureUnknown;
    } else if (col == kComputerHandX) {
      picture = kPictureUnknown;
    }
  }
  // Only a piece shown face up changes with its labels; flags and backs do not.
  if (g.view.LatinPieces && std::abs(picture) >= kPawn) {
    picture += picture > 0 ? kLatinPictureShift : -kLatinPictureShift;
  }
  g.platform.canvas.drawPicture(picture, cellX(col), cellY(row));
}

void 描画_桝輪郭(Game& g, int colour, double col, double row) {
  g.platform.canvas.outline(cellX(col), cellY(row), cellX(col + 1), cellY(row + 1), colour);
}

void 描画_盤(Game& g) {
  for (int col = 1; col <= kBoardSize; ++col) {
    for (int row = 1; row <= kBoardSize; ++row) {
      描画_絵(g, g.pos.BoardPieces[col][row], col, row);
      描画_桝輪郭(g, g.view.BackColour, col, row);
    }
  }
}

void 描画_将棋盤桝(Game& g) {
  for (int col = 1; col <= kBoardSize; ++col) {
    for (int row = 1; row <= kBoardSize; ++row) 描画_桝輪郭(g, g.view.GridColour, col, row);
  }
}

void 描画_背景(Game& g, int code) {
  for (int col = -3; col <= 28; ++col) {
    for (int row = -2; row <= 18; ++row) {
      if (!onBoard(col, row)) 描画_絵(g, code, col, row);
    }
  }
}

void 描画_自持盤(Game& g) {
  const ViewState& v = g.view;
  for (int k = 1; k <= kHandKinds; ++k) {
    const int row = humanHandRow(k);
    描画_絵(g, kPictureEmpty, kHumanHandX, row);
    描画_絵(g, v.BackgroundPicture, kHumanHandX + 1, row);
    描画_桝輪郭(g, v.BackColour, kHumanHandX, row);
    const int count = g.pos.HumanHand[k];
    if (count > 0) {
      描画_絵(g, -handKindPiece(k), kHumanHandX, row);
      描画_桝輪郭(g, v.BackColour, kHumanHandX, row);
      描画_数値(g, 12.1, row + 0.3, count, v.ShadowColour, 0, 14);
      描画_数値(g, 12, row + 0.2, count, v.AccentColour, 0, 14);
    }
  }
}

void 描画_敵持盤(Game& g) {
  if (g.state.ScreenOn == kOn) {
    描画_敵持盤_ついたて有り(g);
  } else if (g.state.ScreenOn == kOff) {
    描画_敵持盤_ついたて無し(g);
  }
}

void 描画_敵持盤_ついたて無し(Game& g) {
  const ViewState& v = g.view;
  for (int row = 1; row <= kHandKinds; ++row) {
    const int k = computerHandKind(row);
    描画_絵(g, kPictureEmpty, kComputerHandX, row);
    描画_絵(g, v.BackgroundPicture, kComputerHandX + 1, row);
    outlineComputerHandCell(g, row);
    const int count = g.pos.ComputerHand[k];
    if (count > 0) {
      描画_絵(g, handKindPiece(k), kComputerHandX, row);
      outlineComputerHandCell(g, row);
      描画_数値(g, 0.1, row + 0.3, count, v.ShadowColour, 0, 14);
      描画_数値(g, 0, row + 0.2, count, v.AccentColour, 0, 14);
    }
  }
  redrawBoardEdgeBesideTheHand(g);
}

void 描画_敵持盤_ついたて有り(Game& g) {
  const ViewState& v = g.view;
  for (int row = 1; row <= kHandKinds; ++row) {
    描画_絵(g, v.BackgroundPicture, kComputerHandX, row);
    描画_絵(g, v.BackgroundPicture, kComputerHandX + 1, row);
  }
  redrawBoardEdgeBesideTheHand(g);
  // Behind the screen the human learns only how many pieces the computer holds.
  const int n = 調査_持駒数(g.pos, g.state.HumanSide, g.state.ComputerSide, g.state.ComputerSide);
  if (n == 0) {
    描画_絵(g, kPictureEmpty, kComputerHandX, 1);
  } else {
    描画_絵(g, kPictureUnknown, kComputerHandX, 1);
    描画_数値(g, 0.1, 1.3, n, v.ShadowColour, 0, 14);
    描画_数値(g, 0, 1.2, n, v.AccentColour, 0, 14);
  }
  描画_桝輪郭(g, v.BackColour, kComputerHandX, 1);
}

}  // namespace morovan
