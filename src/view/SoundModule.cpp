#include "view/SoundModule.h"

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "Game.h"
#include "platform/WholeFile.h"
#include "view/Texts.h"

namespace morovan {

namespace {

constexpr const char* kNoSound =
    sourceText("Message", "Direct Soundインターフェースが作成できません。");

struct SoundFile {
  const char* name;
  int flags;
  int SoundState::*buffer;
};

// In the order they are loaded and freed.
constexpr SoundFile kSoundFiles[] = {{"その他.wav", 3, &SoundState::その他},
                                     {"禁止.wav", 3, &SoundState::禁止},
                                     {"駒打音.wav", 3, &SoundState::駒打音},
                                     {"旗立.wav", 3, &SoundState::旗立},
                                     {"BGM.wav", 1, &SoundState::BGM}};

// loadSound, also telling whether it has warned about the file.
int loadTelling(Game& g, const std::string& fileName, int flags, bool& warned) {
  if (g.sound.Library == 0) return 0;
  // A directory of that name is no sound file either.
  std::error_code ignored;
  if (!std::filesystem::is_regular_file(fileName, ignored)) return 0;
  int error = 0;
  const std::optional<std::string> bytes = readFileWhole(fileName, &error);
  if (!bytes) {
    soundWarning(g, std::generic_category().message(error));
    warned = true;
    return 0;
  }
  // The library keeps its own copy; ours goes when this returns.
  const auto* data = reinterpret_cast<const unsigned char*>(bytes->data());
  return g.platform.sound.dsCreateDSB(g.sound.Library, data, bytes->size(), flags);
}

}  // namespace

void soundStart(Game& g) {
  g.sound.Library = g.platform.sound.dsInitialize();
  if (g.sound.Library == 0) soundWarning(g, kNoSound);
}

int loadSound(Game& g, const std::string& fileName, int flags) {
  bool warned = false;
  return loadTelling(g, fileName, flags, warned);
}

void loadSounds(Game& g) {
  if (g.sound.Library == 0) return;  // soundStart has said so
  bool warned = false;
  bool complete = true;
  const std::filesystem::path folder(g.folders.sounds);
  for (const SoundFile& s : kSoundFiles) {
    g.sound.*s.buffer = loadTelling(g, (folder / s.name).string(), s.flags, warned);
    if (g.sound.*s.buffer == 0) {
      complete = false;
      break;
    }
  }
  if (complete) return;
  // Some sounds but not others would be a game that falls mute at random
  // moments: with one missing the game is silent, and says so once.
  if (!warned) soundWarning(g, kNoSound);
  for (const SoundFile& s : kSoundFiles) {
    g.platform.sound.dsFree(g.sound.*s.buffer);
    g.sound.*s.buffer = 0;
  }
  soundStop(g);
}

void soundStop(Game& g) {
  if (g.sound.Library == 0) return;
  g.platform.sound.dsTerminate(g.sound.Library);
  // The handle is dead now; forgetting it keeps a second stop from reaching the library.
  g.sound.Library = 0;
}

void soundWarning(Game& g, const std::string& text) {
  tell(g, "Morovan.dll", text, Buttons::Ok, Icon::Warning);
}

void playSound(Game& g, int buffer) {
  g.platform.sound.dsPlay(buffer);
}

}  // namespace morovan
