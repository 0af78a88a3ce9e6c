#pragma once
// Choices remembered across runs that Morovan.ini has no line for (the computer's
// level, and whatever joins it). They live in a file of their own beside
// Morovan.ini, so that file keeps exactly the four lines every reader of it
// expects. One `key=value` line a choice, UTF-8; a key this program does not
// know is kept as it stands, so an older and a newer copy can share the folder.

#include <string>
#include <string_view>

namespace morovan {

class Game;

// The value remembered for `key`, or empty when there is none (no file, a
// damaged line, an unknown key).
std::string readPreference(const Game& g, std::string_view key);
// Remembers `value` for `key`, keeping every other line; the file is written
// whole or left as it was. False when it could not be written.
bool writePreference(const Game& g, std::string_view key, std::string_view value);

}  // namespace morovan
