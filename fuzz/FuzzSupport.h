#pragma once
// What the fuzz targets share: a scratch directory to work in, and a headless
// platform whose clock never sleeps, so waits cost no time.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "QtHash.h"
#include "platform/Headless.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace morovan::fuzz {

// Makes a fresh directory under TMPDIR (or /tmp) the working directory, once per
// process, and removes it at exit: the game reads and writes its settings file
// in the working directory, and parallel runs must not share one.
void enterScratchDirectory();

class InstantClock : public HeadlessClock {
 public:
  double timeOfDay() override { return now += 0.25; }
  void sleepBriefly(double seconds) override { now += seconds; }

 private:
  double now = 36000.0;
};

struct FuzzPlatform : HeadlessPlatform {
  FuzzPlatform() : HeadlessPlatform(qtHash()) {}
  InstantClock instantClock;
  Platform platform() {
    return Platform{canvas, dialogs, sound, instantClock, timer, menu, panel, window, hash};
  }
};

// Aborts with the message, so libFuzzer keeps the input as a finding.
[[noreturn]] void fault(const std::string& what);

}  // namespace morovan::fuzz
