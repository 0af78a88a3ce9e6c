#pragma once
// The layer between the game and the sound library (Module1).

#include <string>

namespace morovan {

class Game;

// Starts the library; warns when there is no sound.
void soundStart(Game& g);
// Loads a wave file; 0 when there is no sound or no file.
int loadSound(Game& g, const std::string& fileName, int flags);
// Loads the five sounds from the sounds folder, in their order. When one is
// missing or cannot be read, the game goes silent with one warning.
void loadSounds(Game& g);
void soundStop(Game& g);
void soundWarning(Game& g, const std::string& text);
// dsPlay on a buffer (0 does nothing).
void playSound(Game& g, int buffer);

}  // namespace morovan
