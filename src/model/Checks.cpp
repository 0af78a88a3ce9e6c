#include "model/Checks.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace morovan {
namespace {

[[noreturn]] void stop(const char* what, const std::string& fault) {
  std::fprintf(stderr, "morovan: check failed after %s: %s\n", what, fault.c_str());
  std::abort();
}

}  // namespace

void checkPosition(const Position& p, const char* after) {
  if (!kChecksOn) return;
  const std::string fault = positionFault(p);
  if (!fault.empty()) stop(after, fault);
}

void checkBoardUnchanged(const Position& p, const PieceCode (&before)[10][10], const char* by) {
  if (!kChecksOn) return;
  for (int x = 1; x <= kBoardSize; ++x)
    for (int y = 1; y <= kBoardSize; ++y)
      if (p.BoardPieces[x][y] != before[x][y]) stop(by, "the board was left changed");
}

}  // namespace morovan
