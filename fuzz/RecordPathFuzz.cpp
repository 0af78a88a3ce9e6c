// The game's own record path: a file read through the record panel, stepped
// through, resumed from, and played on with the computer answering.

#include <string>

#include "FuzzSupport.h"
#include "Game.h"
#include "flow/MouseInput.h"
#include "flow/Startup.h"
#include "flow/TurnCycle.h"
#include "platform/WholeFile.h"
#include "record/RecordFiles.h"
#include "record/Replay.h"
#include "view/ViewState.h"

using namespace morovan;

namespace {

class ChosenFilePanel : public HeadlessRecordPanel {
 public:
  std::string selectedFileName() const override { return "fuzz.棋譜"; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::enterScratchDirectory();
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  if (!writeFileWhole("fuzz.棋譜", bytes)) fuzz::fault("cannot write the record file");

  fuzz::FuzzPlatform fp;
  ChosenFilePanel panel;
  Platform platform = fp.platform();
  Platform withPanel{platform.canvas, platform.dialogs, platform.sound,
                     platform.clock,  platform.timer,   platform.menu,
                     panel,           platform.window,  platform.hash};
  Game g(withPanel, static_cast<unsigned>(size));
  Form_Load(g);
  File1_Click(g);
  for (int i = 0; i <= g.state.RecordLength && i < 600; ++i) AFTER_Click(g);
  REPLAY_Click(g);
  REPLAY_Click(g);
  if (size % 2 == 0)
    SENTE_Click(g);
  else
    GOTE_Click(g);

  // A few clicks on cells the input's last bytes name: the computer answers any
  // move they make.
  for (std::size_t i = 0; i < 8 && i < size && !g.ending; ++i) {
    const unsigned char b = data[size - 1 - i];
    const double col = b % 12 - 1;  // -1..10: both hands and the board
    const double row = (b / 12) % 10;
    Form_MouseDown(g, (b & 0x80) ? kRightButton : kLeftButton, 0, cellX(col) + 200,
                   cellY(row) + 300);
  }
  return 0;
}
