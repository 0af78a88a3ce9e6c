#pragma once
// Whether the game on the board has moves that no kept record holds yet.

namespace morovan {

struct KeepingState {
  bool unkept = false;       // a move was played since the game was last kept, begun or read
  bool failureTold = false;  // a failed keep has been reported; later ones stay silent
};

}  // namespace morovan
