#pragma once
// Per-square influence tables, rebuilt in full by 勢力調査 from BoardPieces.

namespace morovan {

inline constexpr int kNoGuard = 999;      // sentinel of the guard tables
inline constexpr int kNoAttacker = -999;  // sentinel of HumanAttackerCode

struct Influence {
  int HumanReach[10][10] = {};
  int ComputerReach[10][10] = {};
  int HumanGuardCode[10][10] = {};
  int ComputerGuardCode[10][10] = {};
  // Not reset between surveys: they keep the square of the last guard that
  // recorded one, possibly from an earlier position.
  int ComputerGuardX[10][10] = {};
  int ComputerGuardY[10][10] = {};
  int HumanAttackerCode[10][10] = {};
  int HumanAttackerX[10][10] = {};
  // Written once per computer turn by 調査_移動不可駒.
  int ComputerPiecePinned = 0;
};

}  // namespace morovan
