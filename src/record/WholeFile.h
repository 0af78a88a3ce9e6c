#pragma once
// Files are written whole or not at all: a temporary file beside the target,
// flushed and closed, then renamed over it.

#include <optional>
#include <string>

namespace morovan {

// False when any step fails; the target is then exactly as it was.
bool writeFileWhole(const std::string& path, const std::string& bytes);
// The whole file, or nullopt when it cannot be read.
std::optional<std::string> readFileWhole(const std::string& path);

}  // namespace morovan
