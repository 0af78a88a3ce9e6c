#pragma once
// Files are written whole or not at all: a temporary file beside the target,
// flushed and closed, then renamed over it. A temporary is named after its
// target, a mark and six letters or digits ("Morovan.ini.morovan-writing.a1B2c3"),
// and is locked while its write runs, so one a killed write left behind can be
// told apart and removed.

#include <sys/types.h>

#include <functional>
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

// False when any step fails, when the target exists but is no regular file (a
// FIFO, a device, a folder), or when its permission bits do not let `user`
// write it; the target is then exactly as it was. A target that is a symbolic
// link is written where the link leads, an existing target keeps its
// permission bits and a new one gets those the umask leaves of rw-rw-rw-.
// Stale temporaries of the target's name are removed.
bool writeFileWhole(const std::string& path, const std::string& bytes,
                    const FileUser& user = thisUser());
// Writes `bytes` whole as a new file in `folder`, under the first of `names`
// that nothing holds yet, claimed in one step, so two writers never both take
// one name, whatever the timing. The path written, or nullopt when every name
// is taken or a step fails; nothing is then left behind.
std::optional<std::string> writeNewFileWhole(const std::string& folder,
                                             const std::vector<std::string>& names,
                                             const std::string& bytes);
// Reads the file at `path` (a missing one reads as empty), lets `change` make
// its new text from the old, and writes that whole, all under the lock of the
// file's folder, so that a second program updating a file there waits its turn
// and neither loses the other's change. False, with nothing written, when the
// file cannot be read for any reason but being missing, when `change` gives
// nullopt, or when the write fails.
bool updateFileWhole(const std::string& path,
                     const std::function<std::optional<std::string>(const std::string&)>& change);
// Removes from `folder` the temporaries of names `ours` accepts that no write
// holds any longer: what a write killed midway left behind.
void removeStaleTemporaries(const std::string& folder,
                            const std::function<bool(std::string_view)>& ours);
// The whole file, or nullopt when it cannot be read; then `error`, if given,
// receives the system's error number (EINVAL for anything but a regular file or
// a folder, which is refused before it is opened, so a FIFO never blocks).
std::optional<std::string> readFileWhole(const std::string& path, int* error = nullptr);
// The file's lines without their line ends. CR LF, a lone LF and a lone CR each
// end a line, as editors on every system write them; a final line end ends the
// last line rather than starting an empty one.
std::vector<std::string_view> splitLines(std::string_view bytes);

}  // namespace morovan
