#pragma once
// The scalar state of the game under way: turn, sides, counters, mode flags, clocks.

#include "model/Types.h"

namespace morovan {

// What one handicap step took off the board, so that the step back puts exactly
// that back: the piece with its flag, and the king where it stood.
struct HandicapTaking {
  PieceCode piece = 0;
  int mark = 0;
  bool kingWentHome = false;  // the king stood on the step's square and went home first
};

struct GameState {
  int Turn = 0;           // 1 Sente, -1 Gote, 0 no game under way
  int HumanSide = kGote;  // label the human plays
  int ComputerSide = kSente;
  int MoveNumber = 0;
  int RecordIndex = 0;    // newest GameRecord entry
  int RecordLength = 0;   // last entry of the game, end of replay
  int SelectState = 0;    // 1 while the human has a piece selected
  Move Selection;         // the human's pending move; Piece is the MovingPiece
  PieceCode PromotedPiece = 0;
  int ScreenOn = kOn;     // 1 while the computer's pieces are hidden
  int TempReveal = kOff;
  int SetupOpen = kOff;
  int VsComputer = kOff;
  int ClockPending = kOff;
  int ReplayMode = kOff;
  int Winner = 0;
  int HandicapLevel = 0;  // -10..10
  int HandicapSet = kOff;
  // By the level's distance from 0: the steps taken on the way to the level.
  HandicapTaking HandicapTaken[11] = {};
  int Flipped = kOff;
  double MoveTime = 0;
  double HumanTime = 0;
  double ComputerTime = 0;
  double TurnStartTimer = 0;
  int LastShownSecond = 0;  // whole seconds of MoveTime at the last clock display
  int ComputerLevel = 3;
};

}  // namespace morovan
