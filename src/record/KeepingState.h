#pragma once
// Whether the game on the board has moves that no kept record holds yet.

#include <string>

namespace morovan {

struct KeepingState {
  bool unkept = false;       // a move was played since the game was last kept, begun or read
  bool failureTold = false;  // a failed keep has been reported; later ones stay silent
  std::string opening;       // a kept game being opened, which keeping the last one spares
};

}  // namespace morovan
