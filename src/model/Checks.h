#pragma once
// The core's checks of its own invariants as it plays: the position after every
// move, and the board the computer's search leaves. They run in the test
// programs and the sanitizer build; the shipped game and the tools link them off
// (see src/CMakeLists.txt), so they cost it a test of one flag.

#include "model/Position.h"

namespace morovan {

extern const bool kChecksOn;

// With checks on, stops the program with what broke when p is not a sound
// position; `after` names what produced it.
void checkPosition(const Position& p, const char* after);
// With checks on, stops the program when the board differs from `before`;
// `by` names what should have left it as it was.
void checkBoardUnchanged(const Position& p, const PieceCode (&before)[10][10], const char* by);

}  // namespace morovan
