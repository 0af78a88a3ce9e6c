#pragma once
// Files are written whole or not at all: a temporary file beside the target,
// flushed and closed, then renamed over it.

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morovan {

// Whose permission a write asks for.
struct FileUser {
  uid_t uid = 0;
  gid_t gid = 0;
  std::vector<gid_t> groups;  // supplementary groups
};
// The effective user and groups of this process.
FileUser thisUser();
// Whether the permission bits of a file owned by (owner, group) let `user`
// write it, as the system decides: the owner's bits for the owner, the group's
// for its members, the others' for the rest; the superuser always may.
bool modeLetsWrite(mode_t mode, uid_t owner, gid_t group, const FileUser& user);

// False when any step fails, or when the target exists and its permission
// bits do not let `user` write it; the target is then exactly as it was. A
// target that is a symbolic link is written where the link leads, and an
// existing target keeps its permission bits.
bool writeFileWhole(const std::string& path, const std::string& bytes,
                    const FileUser& user = thisUser());
// The whole file, or nullopt when it cannot be read; then `error`, if given,
// receives the system's error number.
std::optional<std::string> readFileWhole(const std::string& path, int* error = nullptr);
// The file's lines without their line ends. CR LF, a lone LF and a lone CR each
// end a line, as editors on every system write them; a final line end ends the
// last line rather than starting an empty one.
std::vector<std::string_view> splitLines(std::string_view bytes);

}  // namespace morovan
