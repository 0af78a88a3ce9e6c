// Writes the game's sounds into the directory given as the only argument.
#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: morovan-wavgen DIRECTORY\n");
    return 2;
  }
  return 0;
}
