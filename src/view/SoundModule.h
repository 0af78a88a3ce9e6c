#pragma once
// The layer between the game and the sound library (Module1).

#include <string>

namespace morovan {

class Game;

// Starts the library; warns when there is no sound.
void soundStart(Game& g);
// Loads a wave file from the current directory; 0 when there is no sound or no file.
int loadSound(Game& g, const std::string& fileName, int flags);
void soundStop(Game& g);
void soundWarning(Game& g, const std::string& text);
// dsPlay on a buffer (0 does nothing).
void playSound(Game& g, int buffer);

}  // namespace morovan
