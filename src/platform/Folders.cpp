#include "platform/Folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace morovan {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSoundFiles[] = {"その他.wav", "禁止.wav", "駒打音.wav", "旗立.wav",
                                       "BGM.wav"};
constexpr const char* kGamesFolder = "棋譜";

std::string inside(const std::string& folder, const char* name) {
  return (fs::path(folder) / name).string();
}

}  // namespace

bool isMorovanFolder(const std::string& folder) {
  // Any one of the sounds is enough: a folder holding some of them is ours, and
  // the missing ones are then reported rather than looked for elsewhere.
  std::error_code ignored;
  for (const char* name : kSoundFiles)
    if (fs::is_regular_file(inside(folder, name), ignored)) return true;
  return false;
}

std::string dataHome(const char* xdgDataHome, const char* home) {
  // A relative XDG_DATA_HOME is invalid and ignored, as the convention asks.
  if (xdgDataHome != nullptr && xdgDataHome[0] == '/') return xdgDataHome;
  if (home != nullptr && home[0] == '/') return inside(home, ".local/share");
  return {};
}

Folders chooseFolders(const std::string& start, const std::string& installedData,
                      const std::string& home) {
  if (isMorovanFolder(start)) return {start, start, inside(start, kGamesFolder)};
  // A user with no home at all has nowhere else of their own: the game works
  // where it was started, as it did before it had a home.
  const std::string working = home.empty() ? start : inside(home, "morovan");
  return {working, installedData, inside(working, kGamesFolder)};
}

Folders foldersOfThisRun(const std::string& installedData) {
  std::error_code error;
  const std::string start = fs::current_path(error).string();
  const char* home = std::getenv("HOME");
  if (home == nullptr || home[0] == '\0') {
    const passwd* user = ::getpwuid(::getuid());
    if (user != nullptr) home = user->pw_dir;
  }
  return chooseFolders(start, installedData, dataHome(std::getenv("XDG_DATA_HOME"), home));
}

}  // namespace morovan
