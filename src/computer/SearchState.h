#pragma once
// What the computer's turn keeps between its steps and hands to the evaluation.

#include "model/Types.h"

namespace morovan {

struct SearchState {
  int ComputerReachBefore[10][10] = {};
  PieceCode CandidatePiece = 0;
  int CandidateKingDistance = 0;
  PieceCode TurnStartBoard[10][10] = {};
  double BestScore = 0;
  Move BestMove;
  bool HasBestMove = false;  // false while no candidate has been accepted
};

}  // namespace morovan
