#pragma once
// Where the game keeps its files. Started in a folder that holds its sounds (the
// build's run folder), it works there as it always has; started anywhere else, it
// works in its own folder under the XDG data home and reads the sounds from the
// installed data folder, so it never litters the folder it was started from.

#include <string>

namespace morovan {

struct Folders {
  std::string working;  // Morovan.ini and the record panel's start; empty: the current folder
  std::string sounds;   // the five sound files; empty: the current folder
  std::string games;    // where every finished or abandoned game is kept; empty: none are kept
};

// True when `folder` holds the game's sounds.
bool isMorovanFolder(const std::string& folder);

// The XDG data home: $XDG_DATA_HOME when it is an absolute path, else
// $HOME/.local/share. Empty when neither gives one.
std::string dataHome(const char* xdgDataHome, const char* home);

// The folders for a game started in `start` (absolute), with the installed data
// folder `installedData` and the data home `home` (see dataHome).
Folders chooseFolders(const std::string& start, const std::string& installedData,
                      const std::string& home);

// chooseFolders for this process: its current folder and environment; the home
// folder comes from the user database when HOME is unset.
Folders foldersOfThisRun(const std::string& installedData);

}  // namespace morovan
