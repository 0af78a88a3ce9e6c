// The settings reader on any file: no fault, and a background it can draw.

#include <string>

#include "FuzzSupport.h"
#include "Game.h"
#include "options/Settings.h"
#include "platform/WholeFile.h"
#include "view/Pictures.h"

using namespace morovan;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::enterScratchDirectory();
  if (!writeFileWhole("Morovan.ini", std::string(reinterpret_cast<const char*>(data), size)))
    fuzz::fault("cannot write the settings file");
  fuzz::FuzzPlatform fp;
  Game g(fp.platform(), 1);
  g.view.BackgroundPicture = kPictureMidori;
  読込_環境設定ファイル(g);
  const int b = g.view.BackgroundPicture;
  if (b != kPictureMidori && b != kPictureTake && b != kPictureTatami && b != kPictureUchu &&
      b != kPictureRenga)
    fuzz::fault("the settings left no background to draw");
  return 0;
}
