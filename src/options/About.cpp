#include "options/About.h"

#include <string>

#include "Game.h"
#include "record/RecordFiles.h"
#include "view/SoundModule.h"
#include "view/Texts.h"

namespace morovan {

void VER_Click(Game& g) {
  closeRecordPanel(g);
  playSound(g, g.sound.その他);
  // The project has neither a home page nor a mail address of its own; the
  // box says so instead of showing made-up ones.
  const std::string text =
      fillIn(shown(g, "About",
                   sourceText("About",
                              "Morovan Ver %1\r"
                              "\r"
                              "Home page\r"
                              "まだありません (遊び方は「その他」の「遊び方」にあります)\r"
                              "\r"
                              "e-mail\r"
                              "まだありません")),
             {MOROVAN_VERSION});
  g.platform.dialogs.message("Morovan", text, Buttons::Ok);
}

}  // namespace morovan
