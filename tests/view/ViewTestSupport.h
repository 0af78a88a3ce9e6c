#pragma once
// Helpers shared by the drawing tests: the fake canvas's log lines for a
// picture, a text or an outline placed at a cell.

#include <sstream>
#include <string>
#include <vector>

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

// The log lines from the first one equal to `line` onwards (empty when absent).
inline std::vector<std::string> from(const std::vector<std::string>& log, const std::string& line) {
  for (size_t i = 0; i < log.size(); ++i)
    if (log[i] == line) return {log.begin() + static_cast<long>(i), log.end()};
  return {};
}

}  // namespace morovan::testing
