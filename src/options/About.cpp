#include "options/About.h"

#include <string>

#include "Game.h"
#include "record/RecordFiles.h"
#include "view/SoundModule.h"

namespace morovan {

void VER_Click(Game& g) {
  closeRecordPanel(g);
  playSound(g, g.sound.その他);
  // The project has neither a home page nor a mail address of its own; the
  // box says so instead of showing made-up ones.
  const std::string text = std::string("Morovan Ver ") + MOROVAN_VERSION +
                           "\r"
                           "\r"
                           "Home page\r"
                           "まだありません (遊び方は「その他」の「遊び方」にあります)\r"
                           "\r"
                           "e-mail\r"
                           "まだありません";
  g.platform.dialogs.message("Morovan", text, Buttons::Ok);
}

}  // namespace morovan
