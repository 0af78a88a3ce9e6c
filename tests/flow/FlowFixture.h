#pragma once
// A game on the recording fakes with a hand-made position, and mouse clicks by cell.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Game.h"
#include "flow/MouseInput.h"
#include "model/MakeMove.h"
#include "model/Rules.h"
#include "platform/FakePlatform.h"
#include "view/ViewState.h"

namespace morovan::testing {

// Every move the mouse can make for the human in the true position, as the
// cells of its two clicks.
inline std::vector<Move> humanMoves(Position p) {
  std::vector<Move> moves;
  調査_2歩フラグ設定(p);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const PieceCode c = p.BoardPieces[x][y];
      if (!isHumanPiece(c)) continue;
      for (int tx = 1; tx <= 9; ++tx)
        for (int ty = 1; ty <= 9; ++ty) {
          const bool bishopTakes =
              (c == -kBishop || c == -kBishop - 1) && isComputerPiece(p.BoardPieces[tx][ty]);
          if (!bishopTakes && 移動チェック(p, x, y, tx, ty, c) == 1)
            moves.push_back({x, y, tx, ty, c});
        }
    }
  for (int k = 1; k <= kHandKinds; ++k) {
    if (p.HumanHand[k] == 0) continue;
    for (int tx = 1; tx <= 9; ++tx)
      for (int ty = 1; ty <= 9; ++ty)
        if (移動チェック(p, kHumanHandX, k + 2, tx, ty, -handKindPiece(k)) == 1)
          moves.push_back({kHumanHandX, k + 2, tx, ty, -handKindPiece(k)});
  }
  return moves;
}

class FlowTest : public ::testing::Test {
 protected:
  FakePlatform fp;
  Game g{fp.platform(), 7};

  void SetUp() override {
    // Distinct buffer numbers, so the log tells the sounds apart.
    g.sound = SoundState{1, 11, 12, 13, 14, 15};
    g.state.ComputerLevel = 1;
  }

  // An empty board with the game under way, the human to move as Sente.
  void startEmptyGame() {
    g.pos = Position{};
    g.state.Turn = kSente;
    g.state.HumanSide = kSente;
    g.state.ComputerSide = kGote;
    g.state.VsComputer = kOn;
    g.state.SetupOpen = kOff;
    g.state.ScreenOn = kOn;
    手順保存(g, 0, 0, 0, 0);
  }

  void put(int x, int y, PieceCode code) {
    g.pos.BoardPieces[x][y] = code;
    g.pos.EnemyMarks[x][y] = isComputerPiece(code) ? kMarkNone : 0;
    if (code == -kKing) {
      g.pos.HumanKingX = x;
      g.pos.HumanKingY = y;
    }
    if (code == kKing) {
      g.pos.ComputerKingX = x;
      g.pos.ComputerKingY = y;
    }
  }

  void click(double col, double row, int button = kLeftButton) {
    Form_MouseDown(g, button, 0, cellX(col) + 200, cellY(row) + 300);
  }

  int sounds(int buffer) const {
    const std::string line = "dsPlay " + std::to_string(buffer);
    return static_cast<int>(std::count(fp.log.begin(), fp.log.end(), line));
  }
  bool shown(const std::string& titleAndText) const {
    const auto m = fp.messages();
    return std::find(m.begin(), m.end(), titleAndText) != m.end();
  }
};

}  // namespace morovan::testing
