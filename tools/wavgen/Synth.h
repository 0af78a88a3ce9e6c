#pragma once
// The game's five sounds, synthesised from nothing. Every function returns mono
// samples at kRate Hz, peak-normalised to kPeakDb (the music to kMusicPeakDb,
// under the effects, so that a piece's click carries over its loud passages);
// the output depends on nothing but this code, so every build writes the same files.

#include <vector>

namespace wavgen {

constexpr int kRate = 22050;
constexpr double kPeakDb = -3.0;
constexpr double kMusicPeakDb = -9.0;

// A wooden click: a piece set down firmly on the board.
std::vector<float> pieceClick();
// A short low buzz for a refused move.
std::vector<float> refusalBuzz();
// A quick bright flick for a flag mark.
std::vector<float> flagFlick();
// A gentle chime.
std::vector<float> chime();
// A calm koto tune in the miyako-bushi scale, kBgmBars bars long, that loops
// seamlessly: the end leads straight back into the start.
std::vector<float> backgroundMusic();
constexpr int kBgmBars = 12;
constexpr double kBgmBarSeconds = 3.0;

}  // namespace wavgen
