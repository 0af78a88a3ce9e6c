#pragma once
// Unpredictable bytes: what seeds the shuffle and makes each game's secret.

#include <cstddef>

namespace morovan {

class Entropy {
 public:
  virtual ~Entropy() = default;
  // Fills `size` bytes. Never fails: a system without a source of randomness
  // cannot run the game fairly, and the program stops rather than guess.
  virtual void fill(unsigned char* bytes, std::size_t size) = 0;
};

// The system's source (getrandom), shared by every game of the run.
Entropy& systemEntropy();

}  // namespace morovan
