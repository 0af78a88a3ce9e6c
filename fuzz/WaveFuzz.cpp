// The sound library's wave loading: any bytes are refused or held, never overrun.

#include <cstdlib>

#include "FuzzSupport.h"
#include "MorovanSound.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::int32_t library = [] {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const std::int32_t handle = dsInitialize(0);
    if (handle == 0) morovan::fuzz::fault("no audio device, even the dummy one");
    return handle;
  }();
  const std::int32_t buffer = dsCreateDSB(library, data, size, 3);
  if (buffer != 0) {
    dsPlay(buffer);
    dsFree(buffer);
  }
  return 0;
}
