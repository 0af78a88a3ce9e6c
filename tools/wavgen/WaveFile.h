#pragma once
// Mono 16-bit PCM RIFF/WAVE encoding, shared by the generator and the sound tests.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace wavgen {

// Little-endian RIFF/WAVE bytes of `samples` (nominally -1..1, clamped) at `rate` Hz.
inline std::vector<unsigned char> encodeWave16(const std::vector<float>& samples, int rate) {
  const std::uint32_t dataBytes = std::uint32_t(samples.size() * 2);
  std::vector<unsigned char> out(44 + std::size_t(dataBytes));
  std::size_t at = 0;
  const auto put16 = [&](std::uint32_t v) {
    out[at++] = v & 0xff;
    out[at++] = (v >> 8) & 0xff;
  };
  const auto put32 = [&](std::uint32_t v) {
    put16(v & 0xffff);
    put16(v >> 16);
  };
  const auto tag = [&](const char* t) {
    for (int i = 0; i < 4; ++i) out[at++] = static_cast<unsigned char>(t[i]);
  };
  tag("RIFF");
  put32(36 + dataBytes);
  tag("WAVE");
  tag("fmt ");
  put32(16);
  put16(1);  // PCM
  put16(1);  // mono
  put32(std::uint32_t(rate));
  put32(std::uint32_t(rate) * 2);
  put16(2);  // bytes per frame
  put16(16);
  tag("data");
  put32(dataBytes);
  for (float s : samples) {
    const long q = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
    put16(std::uint32_t(std::int16_t(q)) & 0xffff);
  }
  return out;
}

}  // namespace wavgen
