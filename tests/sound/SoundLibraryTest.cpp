// The sound library itself, on SDL's dummy audio driver. The library's test-only
// views show what it has set sounding, and let a test run the mixer by hand.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

#include "MorovanSound.h"
#include "MorovanSoundTesting.h"
#include "WaveFile.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes tone(double seconds, double freq = 440) {
  std::vector<float> samples(std::size_t(seconds * 22050));
  for (std::size_t i = 0; i < samples.size(); ++i)
    samples[i] = float(0.5 * std::sin(2 * 3.14159265 * freq * double(i) / 22050));
  return wavgen::encodeWave16(samples, 22050);
}

void set16(Bytes& b, std::size_t at, unsigned v) {
  b[at] = v & 0xff;
  b[at + 1] = (v >> 8) & 0xff;
}
void set32(Bytes& b, std::size_t at, std::uint32_t v) {
  set16(b, at, v & 0xffff);
  set16(b, at + 2, v >> 16);
}

// The device's output over the next `seconds`, mixed by hand: mono 16-bit samples.
std::vector<std::int16_t> mix(double seconds) {
  std::vector<std::int16_t> out(std::size_t(seconds * 22050));
  dsTestMix(reinterpret_cast<unsigned char*>(out.data()), int(out.size() * 2));
  return out;
}

std::int16_t sampleAt(const Bytes& wave, std::size_t i) {
  return std::int16_t(wave[44 + 2 * i] | wave[45 + 2 * i] << 8);
}

class SoundLibraryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_AUDIODRIVER", "dummy", 0);  // so the binary also runs on its own
    library = dsInitialize(0);
    ASSERT_NE(library, 0) << "the dummy audio driver should always open";
    dsTestHoldDevice();  // the tests alone move the sounds on, through mix()
  }
  void TearDown() override { dsTerminate(library); }

  std::int32_t load(const Bytes& wave, std::int32_t flags = 3) {
    return dsCreateDSB(library, wave.data(), wave.size(), flags);
  }

  std::int32_t library = 0;
};

TEST_F(SoundLibraryTest, PlaysOnceLoopsStopsAndFrees) {
  const std::int32_t click = load(tone(0.05));
  const std::int32_t music = load(tone(0.05, 330), 1);
  ASSERT_NE(click, 0);
  ASSERT_NE(music, 0);
  EXPECT_NE(click, music);
  EXPECT_NE(click, library);

  dsPlay(click);
  dsPlayLooping(music);
  EXPECT_EQ(dsTestSoundingCount(), 2);  // both sound together
  // The effect ends by itself; the music runs on well past its own length.
  mix(0.06);
  EXPECT_EQ(dsTestSoundingCount(), 1);
  mix(0.15);
  EXPECT_EQ(dsTestSoundingCount(), 1);

  dsStop(music);
  EXPECT_EQ(dsTestSoundingCount(), 0);
  dsStop(music);  // stopping what is not playing does nothing

  // Playing a sound again while it sounds restarts it rather than doubling it.
  const std::int32_t long_ = load(tone(1.0));
  dsPlay(long_);
  dsPlay(long_);
  EXPECT_EQ(dsTestSoundingCount(), 1);

  // Freeing a sound that is playing silences it, and the handle is dead afterwards.
  dsFree(long_);
  EXPECT_EQ(dsTestSoundingCount(), 0);
  dsPlay(long_);
  dsPlayLooping(long_);
  EXPECT_EQ(dsTestSoundingCount(), 0);
  dsFree(long_);
}

TEST_F(SoundLibraryTest, LeavesTheHostsSignalsAlone) {
  // Opening audio must not take Ctrl-C or a polite kill away from the game.
  for (int signal : {SIGINT, SIGTERM}) {
    struct sigaction action {};
    ASSERT_EQ(sigaction(signal, nullptr, &action), 0);
    EXPECT_EQ(action.sa_handler, SIG_DFL) << "signal " << signal;
  }
}

TEST_F(SoundLibraryTest, ManySoundsAtOnceFindAChannelEach) {
  std::vector<std::int32_t> buffers;
  for (int i = 0; i < 24; ++i) buffers.push_back(load(tone(1.0, 200 + 20 * i)));
  for (std::int32_t b : buffers) dsPlay(b);
  EXPECT_EQ(dsTestSoundingCount(), 24);
}

TEST_F(SoundLibraryTest, ZeroAndUnknownHandlesDoNothing) {
  const Bytes wave = tone(0.5);
  const std::int32_t buffer = load(wave);
  ASSERT_NE(buffer, 0);
  for (std::int32_t bad : {0, -1, 99999, library}) {
    dsPlay(bad);
    dsPlayLooping(bad);
    dsStop(bad);
    dsFree(bad);
  }
  EXPECT_EQ(dsTestSoundingCount(), 0);
  EXPECT_EQ(dsCreateDSB(0, wave.data(), wave.size(), 3), 0);
  EXPECT_EQ(dsCreateDSB(library + 1000, wave.data(), wave.size(), 3), 0);
  dsTerminate(0);
  dsTerminate(buffer);  // a buffer is not the library

  // Still open and the buffer still good.
  dsPlay(buffer);
  EXPECT_EQ(dsTestSoundingCount(), 1);
  EXPECT_EQ(dsInitialize(0), library);  // opening again gives the open library
}

TEST_F(SoundLibraryTest, AfterTerminateOldHandlesAreIgnoredAndANewStartWorks) {
  const Bytes wave = tone(0.5);
  const std::int32_t old = load(wave);
  dsPlayLooping(old);
  dsTerminate(library);
  const std::int32_t closed = library;
  dsPlay(old);
  dsStop(old);
  dsFree(old);
  dsTerminate(closed);
  EXPECT_EQ(dsCreateDSB(closed, wave.data(), wave.size(), 3), 0);

  library = dsInitialize(0);
  ASSERT_NE(library, 0);
  dsTestHoldDevice();
  EXPECT_NE(library, closed);
  dsPlay(old);  // a buffer of the closed library names nothing now
  EXPECT_EQ(dsTestSoundingCount(), 0);
  const std::int32_t fresh = load(wave);
  EXPECT_NE(fresh, 0);
  EXPECT_NE(fresh, old);
}

TEST_F(SoundLibraryTest, RefusesEmptyForeignTruncatedAndCorruptWaves) {
  const Bytes good = tone(0.01);
  ASSERT_NE(load(good), 0);

  EXPECT_EQ(dsCreateDSB(library, nullptr, 0, 3), 0);
  EXPECT_EQ(dsCreateDSB(library, nullptr, 100, 3), 0);
  EXPECT_EQ(load(Bytes{}), 0);
  const std::string text = "This is not a sound at all, just some words.";
  EXPECT_EQ(load(Bytes(text.begin(), text.end())), 0);

  // Every prefix of a good wave is a truncated one.
  for (std::size_t n = 0; n < good.size(); ++n)
    EXPECT_EQ(dsCreateDSB(library, good.data(), n, 3), 0) << "first " << n << " bytes";

  struct Corruption {
    const char* what;
    std::size_t at;
    std::uint32_t value;
    bool wide;
  };
  const Corruption corruptions[] = {
      {"RIFX", 3, 'X', false},
      {"not WAVE", 8, 0x20495641 /* "AVI " */, true},
      {"RIFF length beyond the bytes", 4, 0xfffffff0u, true},
      {"RIFF length too short for the chunks", 4, 20, true},
      {"format chunk too short", 16, 8, true},
      {"format chunk beyond the bytes", 16, 0xffffffffu, true},
      {"compressed format", 20, 2, false},
      {"no channels", 22, 0, false},
      {"absurd rate", 24, 7, true},
      {"wrong byte rate", 28, 12345, true},
      {"frame size disagrees", 32, 4, false},
      {"odd sample width", 34, 12, false},
      {"no data chunk", 36, 0x64617461 /* "atad" */, true},
      {"data beyond the bytes", 40, std::uint32_t(good.size()), true},
      {"empty data", 40, 0, true},
      {"half a sample frame", 40, std::uint32_t(good.size() - 44 - 1), true},
  };
  for (const Corruption& c : corruptions) {
    Bytes bad = good;
    if (c.wide)
      set32(bad, c.at, c.value);
    else if (c.at == 3)
      bad[c.at] = std::uint8_t(c.value);
    else
      set16(bad, c.at, c.value);
    EXPECT_EQ(load(bad), 0) << c.what;
  }
}

TEST_F(SoundLibraryTest, AcceptsExtraChunksPaddingAndTrailingBytes) {
  const Bytes good = tone(0.01);
  // An odd-length "LIST" chunk, padded to even, between "fmt " and "data".
  Bytes withList(good.begin(), good.begin() + 36);
  const unsigned char list[] = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
  withList.insert(withList.end(), std::begin(list), std::end(list));
  withList.insert(withList.end(), good.begin() + 36, good.end());
  set32(withList, 4, std::uint32_t(withList.size() - 8));
  EXPECT_NE(load(withList), 0);

  Bytes trailing = good;  // bytes past the RIFF chunk are not the wave's
  trailing.insert(trailing.end(), 7, 0xee);
  EXPECT_NE(load(trailing), 0);
}

// A wave of `frames` silent frames in any PCM (format 1) or float (format 3) layout.
Bytes silence(int rate, int channels, int bits, int format, std::uint32_t frames) {
  const std::uint32_t align = std::uint32_t(channels * bits / 8), data = frames * align;
  Bytes b(44 + data, bits == 8 ? 0x80 : 0);
  std::memcpy(&b[0], "RIFF", 4);
  std::memcpy(&b[8], "WAVEfmt ", 8);
  std::memcpy(&b[36], "data", 4);
  set32(b, 4, 36 + data);
  set32(b, 16, 16);
  set16(b, 20, unsigned(format));
  set16(b, 22, unsigned(channels));
  set32(b, 24, std::uint32_t(rate));
  set32(b, 28, std::uint32_t(rate) * align);
  set16(b, 32, align);
  set16(b, 34, unsigned(bits));
  set32(b, 40, data);
  return b;
}

TEST_F(SoundLibraryTest, WavesOfAnyRateWidthAndChannelsLoopAtTheirOwnLength) {
  struct Layout {
    int rate, channels, bits, format;
  };
  // The game's own sounds' layout, and others a player's own files may have.
  for (const Layout& l : {Layout{22050, 1, 16, 1}, Layout{44100, 2, 16, 1}, Layout{8000, 1, 8, 1},
                          Layout{48000, 2, 32, 3}, Layout{96000, 1, 24, 1}}) {
    SCOPED_TRACE(testing::Message()
                 << l.rate << " Hz, " << l.channels << " channels, " << l.bits << " bits");
    // Half a second: held at the device's 22.05 kHz mono 16-bit, it lasts as long there.
    const std::int32_t b = load(silence(l.rate, l.channels, l.bits, l.format, l.rate / 2), 1);
    ASSERT_NE(b, 0);
    EXPECT_NEAR(double(dsTestHeldBytes(b)) / 2, 22050 / 2.0, 22050 / 100.0);
    dsPlayLooping(b);
    mix(1.3);
    EXPECT_EQ(dsTestSoundingCount(), 1);
    dsFree(b);
  }
}

TEST_F(SoundLibraryTest, MixesAtFullLevelLoopsWithoutAGapAndClips) {
  // A tone at the device's own format comes out sample for sample, and looping
  // goes straight from its last sample back to its first.
  const Bytes music = tone(0.1, 330);
  const std::size_t length = (music.size() - 44) / 2;
  const std::int32_t b = load(music, 1);
  dsPlayLooping(b);
  const std::vector<std::int16_t> out = mix(0.25);
  std::size_t differing = 0;
  for (std::size_t i = 0; i < out.size(); ++i) differing += out[i] != sampleAt(music, i % length);
  EXPECT_EQ(differing, 0u);
  dsStop(b);
  EXPECT_EQ(mix(0.01), std::vector<std::int16_t>(220, 0));  // stopped is silent

  // Three half-scale sounds together add up, clipping at full scale instead of
  // wrapping around.
  dsPlay(b);
  dsPlay(load(music));
  dsPlay(load(music));
  const std::vector<std::int16_t> all = mix(0.05);
  for (std::size_t i = 0; i < all.size(); ++i) {
    const int sum = 3 * sampleAt(music, i);
    ASSERT_EQ(all[i], std::clamp(sum, -32768, 32767)) << "sample " << i;
  }
}

TEST_F(SoundLibraryTest, RandomDamageNeverCrashes) {
  const Bytes good = tone(0.02);
  std::mt19937 random(20240601);
  for (int round = 0; round < 3000; ++round) {
    Bytes bad = good;
    const int hits = 1 + int(random() % 4);
    for (int h = 0; h < hits; ++h) bad[random() % 64] = std::uint8_t(random());
    bad.resize(random() % 2 ? bad.size() : random() % bad.size());
    const std::int32_t b = load(bad);
    if (b != 0) {
      dsPlay(b);
      dsFree(b);
    }
  }
  EXPECT_EQ(dsTestSoundingCount(), 0);
}

}  // namespace
