#pragma once
// Positions the engines met in played games, the mover turned to be the
// computer: the level, rows y = 1..9 of nine codes, then both hands by kind.

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "model/Position.h"

namespace morovan {

inline std::vector<Position> playedPositions() {
  std::ifstream in(MOROVAN_COMPUTER_TEST_DATA "/played-positions.txt");
  std::vector<Position> positions;
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    Position p;
    int level = 0;
    fields >> level;
    for (int y = 1; y <= kBoardSize; ++y)
      for (int x = 1; x <= kBoardSize; ++x) fields >> p.BoardPieces[x][y];
    for (int k = 1; k <= kHandKinds; ++k) fields >> p.HumanHand[k];
    for (int k = 1; k <= kHandKinds; ++k) fields >> p.ComputerHand[k];
    for (int k = 1; k <= kHandKinds; ++k) {
      p.HumanHandTotal += p.HumanHand[k];
      p.ComputerHandTotal += p.ComputerHand[k];
    }
    if (fields) positions.push_back(p);
  }
  return positions;
}

}  // namespace morovan
