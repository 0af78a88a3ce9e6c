// Writes the game's five sounds into the directory given as the only argument.
#include <cstdio>
#include <fstream>
#include <string>

#include "Synth.h"
#include "WaveFile.h"

namespace {

bool write(const std::string& directory, const char* name, const std::vector<float>& samples) {
  const std::string path = directory + "/" + name;
  const std::vector<unsigned char> bytes = wavgen::encodeWave16(samples, wavgen::kRate);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "morovan-wavgen: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: morovan-wavgen DIRECTORY\n");
    return 2;
  }
  const std::string directory = argv[1];
  const bool ok = write(directory, "その他.wav", wavgen::chime()) &&
                  write(directory, "禁止.wav", wavgen::refusalBuzz()) &&
                  write(directory, "駒打音.wav", wavgen::pieceClick()) &&
                  write(directory, "旗立.wav", wavgen::flagFlick()) &&
                  write(directory, "BGM.wav", wavgen::backgroundMusic());
  return ok ? 0 : 1;
}
