#pragma once
// A game on the recording fakes with a hand-made position, and mouse clicks by cell.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "Game.h"
#include "flow/MouseInput.h"
#include "model/MakeMove.h"
#include "platform/FakePlatform.h"
#include "view/ViewState.h"

namespace morovan::testing {

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
