#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>

namespace wavgen {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kPickNoise = 0.6;
constexpr double kClickDrive = 3.0;

// A small fixed-seed generator, so the noise (and so the files) never change.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed ? seed : 1) {}
  // Uniform in [-1, 1).
  double next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_ / 2147483648.0 - 1.0;
  }

 private:
  std::uint32_t state_;
};

std::vector<float> silence(double seconds) {
  return std::vector<float>(std::size_t(std::lround(seconds * kRate)), 0.0f);
}

// Scales so the largest magnitude sits at `peakDb`.
void normalise(std::vector<float>& v, double peakDb = kPeakDb) {
  float peak = 0;
  for (float s : v) peak = std::max(peak, std::fabs(s));
  if (peak == 0) return;
  const float gain = float(std::pow(10.0, peakDb / 20.0)) / peak;
  for (float& s : v) s *= gain;
}

// Raised-cosine ramps, so no sound starts or stops on a jump.
void fadeIn(std::vector<float>& v, double seconds) {
  const std::size_t n = std::min(v.size(), std::size_t(seconds * kRate));
  for (std::size_t i = 0; i < n; ++i) v[i] *= float(0.5 - 0.5 * std::cos(kPi * double(i) / n));
}
void fadeOut(std::vector<float>& v, double seconds) {
  const std::size_t n = std::min(v.size(), std::size_t(seconds * kRate));
  for (std::size_t i = 0; i < n; ++i)
    v[v.size() - 1 - i] *= float(0.5 - 0.5 * std::cos(kPi * double(i) / n));
}

// A decaying sine partial added into `v`, skipped when it would alias.
void addPartial(std::vector<float>& v, double start, double freq, double amp, double tau) {
  if (freq >= 0.45 * kRate) return;
  const std::size_t first = std::size_t(start * kRate);
  for (std::size_t i = first; i < v.size(); ++i) {
    const double t = double(i - first) / kRate;
    v[i] += float(amp * std::exp(-t / tau) * std::sin(kTwoPi * freq * t));
  }
}

// One plucked string (Karplus-Strong), added into `out` from sample `start` for
// `ringSeconds`, the last quarter second of it a fade. The loop holds a two-point
// lowpass (the string's damping, weighted so high strings are not damped faster
// than they should ring) and a first-order allpass that supplies the fractional
// part of the period, so high notes stay in tune at this low sample rate.
void pluck(std::vector<float>& out, long start, double freq, double amp, double ringSeconds,
           Noise& noise) {
  // Decay to -60 dB in t60 seconds; lower strings ring longer.
  const double t60 = std::clamp(5.0 - 1.0 * std::log2(freq / 110.0), 2.0, 5.5);
  const double perPeriod = std::pow(10.0, -3.0 / (t60 * freq));
  // The lowpass y = (1-s)x[n] + s x[n-1] loses 2s(1-s)(1-cos w) of the squared
  // fundamental each period; s = 1/2 is the plain average, smaller s damps less.
  const double w = kTwoPi * freq / kRate;
  const double allowed = (1 - perPeriod * perPeriod) / (2 * (1 - std::cos(w)));
  const double stretch = allowed >= 0.25 ? 0.5 : (1 - std::sqrt(1 - 4 * allowed)) / 2;
  const double lowpassGain = std::sqrt(1 - 2 * stretch * (1 - stretch) * (1 - std::cos(w)));
  const double rho = std::min(perPeriod / lowpassGain, 0.9999);

  const double period = kRate / freq;
  const int length = int(std::floor(period - stretch - 0.1));
  const double fraction = period - stretch - length;  // in [0.1, 1.1): a well-behaved allpass
  const double allpass = (1 - fraction) / (1 + fraction);

  // The excitation: the string's shape when plucked (a triangle, rich in low
  // harmonics, so the tone carries), roughened with noise for the pick's bite and
  // softened for quiet notes; its mean removed so the string carries no offset.
  std::vector<double> line(std::size_t(length), 0.0);
  const double apex = 0.25 * length;
  const double softness = 0.8 - 0.25 * std::min(amp, 1.0);
  double lowpassed = 0;
  for (int i = 0; i < length; ++i) {
    const double shape = i < apex ? i / apex : (length - i) / (length - apex);
    lowpassed = (1 - softness) * noise.next() + softness * lowpassed;
    line[i] = shape + kPickNoise * lowpassed;
  }
  double mean = 0;
  for (double s : line) mean += s;
  mean /= length;
  for (double& s : line) s -= mean;

  const long total = long(out.size());
  const long ringSamples = long(ringSeconds * kRate);
  const long releaseSamples = long(0.25 * kRate);
  double previous = 0, allpassIn = 0, allpassOut = 0;
  int at = 0;
  for (long n = 0; n < ringSamples; ++n) {
    const double y = line[at];
    const double damped = rho * ((1 - stretch) * y + stretch * previous);
    previous = y;
    const double shifted = allpass * damped + allpassIn - allpass * allpassOut;
    allpassIn = damped;
    allpassOut = shifted;
    line[at] = shifted;
    at = (at + 1) % length;
    double gain = amp;
    const long left = ringSamples - n;
    if (left < releaseSamples) gain *= 0.5 - 0.5 * std::cos(kPi * double(left) / releaseSamples);
    const long index = start + n;
    if (index >= total) break;
    if (index >= 0) out[std::size_t(index)] += float(gain * y);
  }
}

double midiToHz(int midi) {
  return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// Note names of the miyako-bushi scale on E (E F A B C) to MIDI numbers, e.g. "A4".
int noteNumber(const std::string& name) {
  static const std::string letters = "CDEFGAB";
  static const int semitones[] = {0, 2, 4, 5, 7, 9, 11};
  const auto letter = letters.find(name[0]);
  const int octave = name[1] - '0';
  return 12 * (octave + 1) + semitones[letter];
}

struct Phrase {
  const char* notes;  // "NAME:eighths" or "r:eighths", separated by spaces
};

// The tune: three four-bar phrases in 4/4, eight eighths a bar. It rises, climbs
// to the upper E, comes home by the falling semitone F-E, and walks on up to B,
// which steps down into the first bar's A when the music loops.
constexpr Phrase kMelody[] = {
    {"A4:2 B4:2 C5:3 B4:1"},      {"A4:2 F4:2 E4:4"},           {"E4:2 F4:2 A4:2 B4:1 C5:1"},
    {"B4:2 A4:1 F4:1 E4:4"},      {"E5:3 C5:1 B4:2 C5:2"},      {"E5:2 F5:2 E5:4"},
    {"C5:2 B4:2 A4:2 B4:1 C5:1"}, {"B4:4 r:2 A4:1 B4:1"},       {"C5:2 B4:2 A4:3 F4:1"},
    {"E4:2 F4:2 A4:2 C5:2"},      {"B4:3 C5:1 B4:1 A4:1 F4:2"}, {"E4:2 F4:2 E4:2 B4:2"},
};
static_assert(std::size(kMelody) == kBgmBars);

// The lower strings: each bar rests on A or on E.
constexpr char kBarRoot[kBgmBars + 1] = "AEAEAEAEAEAE";

}  // namespace

std::vector<float> pieceClick() {
  std::vector<float> v = silence(0.22);
  Noise noise(0x5eed01);
  // The snap of the contact: a very short burst of bright (differenced) noise.
  double last = 0;
  for (std::size_t i = 0; i < v.size(); ++i) {
    const double t = double(i) / kRate;
    const double n = noise.next();
    v[i] += float(1.2 * (n - last) * std::exp(-t / 0.0025));
    last = n;
  }
  // The wood's body modes, damped within a few tens of milliseconds.
  const double modes[][3] = {{1240, 0.9, 0.020},
                             {2090, 0.8, 0.014},
                             {3310, 0.5, 0.010},
                             {4570, 0.3, 0.007},
                             {420, 0.35, 0.024}};
  for (const auto& m : modes) addPartial(v, 0, m[0], m[1], m[2]);
  // The board's low thump, its pitch falling as it settles.
  double phase = 0;
  for (std::size_t i = 0; i < v.size(); ++i) {
    const double t = double(i) / kRate;
    phase += kTwoPi * (110 + 80 * std::exp(-t / 0.008)) / kRate;
    v[i] += float(0.3 * std::exp(-t / 0.015) * std::sin(phase));
  }
  fadeIn(v, 0.0004);
  fadeOut(v, 0.05);
  // The snap's first instant alone would set the peak and leave the body of
  // the click faint: round it off, so the click carries over the music.
  normalise(v, 0.0);
  for (float& s : v) s = float(std::tanh(kClickDrive * s) / std::tanh(kClickDrive));
  normalise(v);
  return v;
}

std::vector<float> refusalBuzz() {
  std::vector<float> v = silence(0.30);
  // A square wave and a slightly detuned sawtooth beat against each other; both are
  // built from their harmonics below 3 kHz so nothing aliases.
  for (std::size_t i = 0; i < v.size(); ++i) {
    const double t = double(i) / kRate;
    double s = 0;
    for (int k = 1; k * 110.0 < 3000; k += 2) s += std::sin(kTwoPi * 110.0 * k * t) / k;
    for (int k = 1; k * 116.5 < 3000; ++k) s += 0.6 * std::sin(kTwoPi * 116.5 * k * t) / k;
    v[i] = float(s * std::exp(-t / 0.16));  // falling away, so it blurts rather than drones
  }
  fadeIn(v, 0.006);
  fadeOut(v, 0.06);
  normalise(v);
  return v;
}

std::vector<float> flagFlick() {
  std::vector<float> v = silence(0.11);
  Noise noise(0x5eed03);
  double phase = 0, last = 0;
  for (std::size_t i = 0; i < v.size(); ++i) {
    const double t = double(i) / kRate;
    // A fast upward sweep, 1.6 kHz to about 3.8 kHz in 40 ms.
    const double freq = 1600 * std::pow(2.0, std::min(t, 0.04) / 0.032);
    phase += kTwoPi * freq / kRate;
    const double body = std::exp(-t / 0.028);
    const double n = noise.next();
    v[i] = float(body * (std::sin(phase) + 0.2 * std::sin(2 * phase)) +
                 0.5 * (n - last) * std::exp(-t / 0.0015));
    last = n;
  }
  fadeIn(v, 0.0015);
  fadeOut(v, 0.02);
  normalise(v);
  return v;
}

std::vector<float> chime() {
  std::vector<float> v = silence(1.6);
  // Two soft strokes a fifth apart; the partial ratios are those of a struck bar,
  // kept faint so the fundamental dominates and the tone stays gentle.
  const double ratios[][3] = {
      {1.0, 1.0, 0.60}, {2.76, 0.16, 0.22}, {5.40, 0.05, 0.10}, {8.93, 0.02, 0.05}};
  const double strokes[][3] = {{0.0, 880.0, 1.0}, {0.14, 1318.5, 0.7}};
  for (const auto& s : strokes)
    for (const auto& r : ratios) addPartial(v, s[0], s[1] * r[0], s[2] * r[1], r[2]);
  // Every partial starts at zero phase, so a stroke begins without a jump; the
  // short swell softens the first one like a felt mallet.
  fadeIn(v, 0.003);
  fadeOut(v, 0.3);
  normalise(v);
  return v;
}

std::vector<float> backgroundMusic() {
  const double eighth = kBgmBarSeconds / 8;
  const double loopSeconds = kBgmBars * kBgmBarSeconds;
  const std::size_t loop = std::size_t(std::lround(loopSeconds * kRate));
  // Notes ring on past the loop's end; their tails are folded back onto its
  // start, where they sound when the music loops, so the end runs on into the
  // beginning without a fade or a gap.
  constexpr double kLongestRing = 7.0;
  std::vector<float> v = silence(loopSeconds + kLongestRing);
  Noise noise(0x5eed05);
  Noise human(0x5eed06);  // small deviations of timing and touch, as a player's
  const auto play = [&](int bar, double eighths, int midi, double amp, double ring) {
    const double start = bar * kBgmBarSeconds + eighths * eighth + 0.008 * std::fabs(human.next());
    pluck(v, std::lround(start * kRate), midiToHz(midi), amp, std::min(ring, kLongestRing), noise);
  };

  for (int bar = 0; bar < kBgmBars; ++bar) {
    const std::string line = kMelody[bar].notes;
    double position = 0;
    std::size_t from = 0;
    while (from < line.size()) {
      std::size_t end = line.find(' ', from);
      if (end == std::string::npos) end = line.size();
      const std::string token = line.substr(from, end - from);
      from = end + 1;
      const auto colon = token.find(':');
      const double length = std::stod(token.substr(colon + 1));
      if (token[0] != 'r') {
        const double accent = position == 0 ? 1.0 : position == 4 ? 0.9 : 0.8;
        play(bar, position, noteNumber(token.substr(0, colon)),
             accent * (0.92 + 0.08 * human.next()), length * eighth + 2.5);
      }
      position += length;
    }
    // The accompaniment on the lower strings: root, fifth, octave, fifth.
    const bool onA = kBarRoot[bar] == 'A';
    const int root = noteNumber(onA ? "A2" : "E2");
    const int fifth = noteNumber(onA ? "E3" : "B2");
    play(bar, 0, root, 0.5, 3.5);
    play(bar, 2, fifth, 0.3, 3.0);
    play(bar, 4, root + 12, 0.34, 3.0);
    play(bar, 6, fifth, 0.24, 2.5);
  }
  for (std::size_t i = loop; i < v.size(); ++i) v[i - loop] += v[i];
  v.resize(loop);
  normalise(v, kMusicPeakDb);
  return v;
}

}  // namespace wavgen
