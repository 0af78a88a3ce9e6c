#include "view/SoundModule.h"

#include "Game.h"

namespace morovan {

void soundStart(Game& g) {
  (void)g; 
}

int loadSound(Game& g, const std::string& fileName, int flags) {
  (void)g; (void)fileName; (void)flags; return 0;
}

void soundStop(Game& g) {
  (void)g; 
}

void soundWarning(Game& g, const std::string& text) {
  (void)g; (void)text; 
}

void playSound(Game& g, int buffer) {
  (void)g; (void)buffer; 
}

}  // namespace morovan
