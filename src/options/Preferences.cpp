#include "options/Preferences.h"

#include <filesystem>
#include <optional>

#include "Game.h"
#include "platform/WholeFile.h"

namespace morovan {
namespace {

constexpr const char* kPreferencesFile = "Morovan.prefs";

std::string preferencesPath(const Game& g) {
  return (std::filesystem::path(g.folders.working) / kPreferencesFile).string();
}

// The key of a `key=value` line, or empty for a line that has none.
std::string_view keyOf(std::string_view line) {
  const std::size_t eq = line.find('=');
  return eq == std::string_view::npos ? std::string_view{} : line.substr(0, eq);
}

}  // namespace

std::string readPreference(const Game& g, std::string_view key) {
  const std::optional<std::string> bytes = readFileWhole(preferencesPath(g));
  if (!bytes || key.empty()) return {};
  for (std::string_view line : splitLines(*bytes)) {
    if (keyOf(line) == key) return std::string(line.substr(key.size() + 1));
  }
  return {};
}

bool writePreference(const Game& g, std::string_view key, std::string_view value) {
  return updateFileWhole(preferencesPath(g), [&](const std::string& old) {
    std::string text;
    for (std::string_view line : splitLines(old)) {
      if (keyOf(line) != key && !line.empty()) text.append(line).append("\n");
    }
    text.append(key).append("=").append(value).append("\n");
    return std::optional<std::string>(text);
  });
}

}  // namespace morovan
