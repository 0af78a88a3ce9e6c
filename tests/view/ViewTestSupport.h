#pragma once
// The fake canvas's log lines for a picture, a text or an outline at a cell,
// and whether a text was printed.

#include <sstream>
#include <string>

#include "platform/FakePlatform.h"
#include "view/ViewState.h"

namespace morovan::testing {

inline std::string twips(double v) {
  std::ostringstream s;
  s << v;
  return s.str();
}
inline std::string pictureAt(int code, double col, double row) {
  return "picture " + std::to_string(code) + " " + twips(cellX(col)) + " " + twips(cellY(row));
}
inline std::string textAt(double col, double row, const std::string& text) {
  return "text " + twips(cellX(col)) + " " + twips(cellY(row)) + " " + text;
}
inline std::string outlineOf(double col, double row, int colour) {
  return "outline " + twips(cellX(col)) + " " + twips(cellY(row)) + " " + twips(cellX(col + 1)) +
         " " + twips(cellY(row + 1)) + " " + std::to_string(colour);
}

// Whether some text drawn on the fake canvas ends with this one.
inline bool printed(const FakePlatform& fp, const std::string& text) {
  for (const auto& line : fp.calls("text"))
    if (line.ends_with(" " + text)) return true;
  return false;
}

}  // namespace morovan::testing
