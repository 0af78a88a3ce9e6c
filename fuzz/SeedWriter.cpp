// Writes the fuzz targets' seed inputs with the game's own writers: a record of
// a short game against the computer, settings files from the option items, and
// the record's header lines as CP932 and as text.
//
//   morovan-fuzz-seeds DIRECTORY    (makes DIRECTORY/record_file, ... , cp932)

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "FuzzSupport.h"
#include "Game.h"
#include "flow/Startup.h"
#include "flow/TurnCycle.h"
#include "options/Settings.h"
#include "platform/WholeFile.h"
#include "record/Cp932.h"
#include "record/RecordFormat.h"

using namespace morovan;
namespace fs = std::filesystem;

namespace {

void put(const fs::path& file, const std::string& bytes) {
  fs::create_directories(file.parent_path());
  if (!writeFileWhole(file.string(), bytes)) fuzz::fault("cannot write " + file.string());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: morovan-fuzz-seeds DIRECTORY\n");
    return 2;
  }
  const fs::path out = fs::absolute(argv[1]);
  fuzz::enterScratchDirectory();

  fuzz::FuzzPlatform fp;
  Game g(fp.platform(), 11);
  Form_Load(g);  // writes the default settings file
  put(out / "settings" / "default.ini", readFileWhole("Morovan.ini").value_or(""));
  TATAMI_Click(g);
  SIDOU_Click(g);
  BGM_Click(g);
  put(out / "settings" / "changed.ini", readFileWhole("Morovan.ini").value_or(""));

  // The computer opens as Sente; the record then holds the start and its move.
  GOTE_Click(g);
  const RecordHeader header{"練習対局〜第一局", "コンピュータ", "名無しさん"};
  const EncodedRecord record = encodeRecordFile(header, g.record, g.state.RecordLength);
  if (record.problem != RecordProblem::None) fuzz::fault("the seed game cannot be written");
  for (const char* target : {"record_file", "record_path"})
    put(out / target / "game.棋譜", record.bytes);

  const std::string texts[] = {header.gameName, header.upperName, header.lowerName};
  for (int i = 0; i < 3; ++i) {
    put(out / "cp932" / (std::to_string(i) + ".utf8"), texts[i]);
    put(out / "cp932" / (std::to_string(i) + ".sjis"), toCp932(texts[i]).value_or(""));
  }
  return 0;
}
