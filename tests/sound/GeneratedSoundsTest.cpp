// The five sounds the build synthesises into the run directory: the library takes
// each, levels are sane and balanced, and the music loops without a seam.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "MorovanSound.h"
#include "MorovanSoundTesting.h"

namespace {

struct Wave {
  std::vector<unsigned char> bytes;
  int channels = 0, rate = 0, bits = 0;
  std::vector<double> samples;  // -1..1
};

// Reads a mono or stereo 16-bit file as the generator writes it: a 44-byte header.
Wave readWave(const std::string& name) {
  Wave w;
  std::ifstream in(std::string(MOROVAN_RUN_DIR) + "/" + name, std::ios::binary);
  w.bytes.assign(std::istreambuf_iterator<char>(in), {});
  if (w.bytes.size() < 44) return w;
  const auto u16 = [&](std::size_t at) { return w.bytes[at] | w.bytes[at + 1] << 8; };
  w.channels = u16(22);
  w.rate = u16(24) | u16(26) << 16;
  w.bits = u16(34);
  for (std::size_t at = 44; at + 1 < w.bytes.size(); at += 2)
    w.samples.push_back(std::int16_t(u16(at)) / 32768.0);
  return w;
}

double peakDb(const std::vector<double>& s) {
  double peak = 0;
  for (double v : s) peak = std::max(peak, std::fabs(v));
  return 20 * std::log10(peak);
}

// The RMS level in dBFS of `count` samples from `first`.
double rmsDb(const std::vector<double>& s, std::size_t first, std::size_t count) {
  double sum = 0;
  for (std::size_t i = first; i < first + count; ++i) sum += s[i] * s[i];
  return 10 * std::log10(sum / double(count));
}

// The level of the loudest stretch of `seconds`, stepping by a tenth of it.
double loudestDb(const std::vector<double>& s, double seconds) {
  const std::size_t n = std::size_t(seconds * 22050);
  double loudest = -200;
  for (std::size_t i = 0; i + n <= s.size(); i += n / 10)
    loudest = std::max(loudest, rmsDb(s, i, n));
  return loudest;
}

TEST(GeneratedSounds, AreSmallSaneAndPlayable) {
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  const std::int32_t library = dsInitialize(0);
  ASSERT_NE(library, 0);
  for (const char* name : {"その他.wav", "禁止.wav", "駒打音.wav", "旗立.wav", "BGM.wav"}) {
    SCOPED_TRACE(name);
    const Wave w = readWave(name);
    ASSERT_FALSE(w.samples.empty()) << "not generated";
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.rate, 22050);
    EXPECT_EQ(w.bits, 16);
    // About -3 dBFS at the peak: loud enough, and nowhere near clipping; the
    // music, which plays under everything, lower.
    EXPECT_NEAR(peakDb(w.samples), std::string(name) == "BGM.wav" ? -9.0 : -3.0, 0.1);
    // No offset that would thump when a sound starts.
    double mean = 0;
    for (double v : w.samples) mean += v;
    EXPECT_LT(std::fabs(mean / double(w.samples.size())), 0.005);
    const std::int32_t buffer = dsCreateDSB(library, w.bytes.data(), w.bytes.size(),
                                            std::string(name) == "BGM.wav" ? 1 : 3);
    EXPECT_NE(buffer, 0);
    // The device runs at the sounds' own format: each is held as it is, where a
    // conversion would take time at start-up and two to four times the memory.
    EXPECT_EQ(dsTestHeldBytes(buffer), w.bytes.size() - 44);
    dsFree(buffer);
  }
  dsTerminate(library);
}

TEST(GeneratedSounds, EffectsAreShortAndTheMusicLoopsCleanly) {
  for (const char* name : {"禁止.wav", "駒打音.wav", "旗立.wav"})
    EXPECT_LT(readWave(name).samples.size(), 22050u / 2) << name;

  const Wave music = readWave("BGM.wav");
  ASSERT_FALSE(music.samples.empty());
  EXPECT_GE(music.samples.size(), 30u * 22050);
  // The loop's join is as smooth as any step inside the music, and neither the
  // end nor the start fades: both play at the music's usual level.
  const std::vector<double>& s = music.samples;
  const std::size_t n = s.size(), twoSeconds = 2 * 22050;
  double largestStep = 0;
  for (std::size_t i = 1; i < n; ++i)
    largestStep = std::max(largestStep, std::fabs(s[i] - s[i - 1]));
  EXPECT_LE(std::fabs(s[0] - s[n - 1]), largestStep);
  std::vector<double> levels;
  for (std::size_t i = 0; i + twoSeconds <= n; i += twoSeconds)
    levels.push_back(rmsDb(s, i, twoSeconds));
  std::nth_element(levels.begin(), levels.begin() + levels.size() / 2, levels.end());
  const double usual = levels[levels.size() / 2];
  EXPECT_GT(rmsDb(s, n - twoSeconds, twoSeconds), usual - 6);
  EXPECT_GT(rmsDb(s, 0, twoSeconds), usual - 6);

  // The piece's click, the most frequent sound, carries over the music's loud passages.
  EXPECT_GT(loudestDb(readWave("駒打音.wav").samples, 0.05), loudestDb(s, 0.4) + 6);
}

}  // namespace
