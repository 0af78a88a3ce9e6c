#pragma once
// The sound library's calls as the game makes them. Handles are 32-bit, 0 = none;
// every call given a 0 handle does nothing.

#include <cstddef>
#include <cstdint>

namespace morovan {

class SoundLibrary {
 public:
  virtual ~SoundLibrary() = default;
  virtual std::int32_t dsInitialize() = 0;
  // Copies a whole wave file of `size` bytes; flags 3 effects, 1 music. 0 on failure.
  virtual std::int32_t dsCreateDSB(std::int32_t library, const unsigned char* wave,
                                   std::size_t size, std::int32_t flags) = 0;
  virtual void dsPlay(std::int32_t buffer) = 0;
  virtual void dsPlayLooping(std::int32_t buffer) = 0;
  virtual void dsStop(std::int32_t buffer) = 0;
  virtual void dsFree(std::int32_t buffer) = 0;
  virtual void dsTerminate(std::int32_t library) = 0;
};

}  // namespace morovan
