#pragma once
// What looking back needs of the game on the board: the commitment to its
// shuffle, whether its hidden pieces were shown, and the review under way.

#include <string>
#include <vector>

namespace morovan {

struct ReviewState {
  // The secret and the fingerprint of the game's starting position, made when
  // it starts; the secret leaves the program only once the game has a result.
  std::string secret;
  std::string fingerprint;
  bool revealUsed = false;  // 一時表示 was switched on during the game
  bool reviewing = false;   // a kept game is open with its move list
};

}  // namespace morovan
