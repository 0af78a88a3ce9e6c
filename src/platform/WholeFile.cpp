#include "platform/WholeFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <new>
#include <random>
#include <system_error>

namespace morovan {

namespace {

namespace fs = std::filesystem;

constexpr int kMostLinks = 40;  // as many as the system follows before it calls it a loop
constexpr std::size_t kSuffixLength = 6;
// Between a temporary's target and its random suffix: a mark no player's own
// copy carries ("Morovan.ini.backup" is theirs), so a sweep never takes one.
constexpr std::string_view kTemporaryMark = ".morovan-writing.";
constexpr int kTemporaryTries = 100;
constexpr std::string_view kSuffixLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

// The file a path finally names, following symbolic links one by one; the
// path itself when it is no link or names nothing yet. nullopt for a link that
// cannot be read or a chain too long to be anything but a loop.
std::optional<std::string> followLinks(std::string path) {
  for (int hops = 0; hops < kMostLinks; ++hops) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    std::string target(static_cast<size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1, '\0');
    const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
    if (n <= 0 || static_cast<size_t>(n) >= target.size()) return std::nullopt;
    target.resize(static_cast<size_t>(n));
    const size_t slash = path.rfind('/');
    if (target.front() == '/' || slash == std::string::npos) {
      path = target;
    } else {
      path = path.substr(0, slash + 1) + target;
    }
  }
  return std::nullopt;
}

std::string randomSuffix() {
  std::random_device entropy;
  std::uniform_int_distribution<std::size_t> pick(0, kSuffixLetters.size() - 1);
  std::string suffix(kSuffixLength, ' ');
  for (char& c : suffix) c = kSuffixLetters[pick(entropy)];
  return suffix;
}

// The name a temporary was made for, or nullopt when `name` is no temporary's.
std::optional<std::string_view> temporaryBase(std::string_view name) {
  if (name.size() < kTemporaryMark.size() + kSuffixLength + 1) return std::nullopt;
  const std::size_t mark = name.size() - kSuffixLength - kTemporaryMark.size();
  if (name.substr(mark, kTemporaryMark.size()) != kTemporaryMark) return std::nullopt;
  for (const char c : name.substr(mark + kTemporaryMark.size()))
    if (kSuffixLetters.find(c) == std::string_view::npos) return std::nullopt;
  return name.substr(0, mark);
}

// A written temporary; its descriptor holds the lock that tells a running
// write from a dead one, until the temporary has its name.
struct Temporary {
  std::string path;
  int fd = -1;
};

void discard(const Temporary& t) {
  ::unlink(t.path.c_str());
  ::close(t.fd);
}

bool writeAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n >= 0)
      done += static_cast<size_t>(n);
    else if (errno != EINTR)
      return false;
  }
  return true;
}

// Makes, locks and fills a temporary beside `target`, flushed to the disk. A
// new file gets its bits from the umask; `mode`, when given, is set instead.
std::optional<Temporary> writeTemporary(const std::string& target, const std::string& bytes,
                                        std::optional<mode_t> mode) {
  for (int tries = 0; tries < kTemporaryTries; ++tries) {
    Temporary t{target + std::string(kTemporaryMark) + randomSuffix()};
    t.fd = ::open(t.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (t.fd < 0) {
      if (errno == EEXIST) continue;
      return std::nullopt;
    }
    struct stat st {};
    if (::flock(t.fd, LOCK_EX) != 0 || ::fstat(t.fd, &st) != 0) {
      discard(t);
      return std::nullopt;
    }
    // Another writer's sweep took it between its making and its lock.
    if (st.st_nlink == 0) {
      ::close(t.fd);
      continue;
    }
    if ((mode && ::fchmod(t.fd, *mode) != 0) || !writeAll(t.fd, bytes) || ::fsync(t.fd) != 0) {
      discard(t);
      return std::nullopt;
    }
    return t;
  }
  return std::nullopt;
}

enum class Claim { Claimed, Taken, Failed };

// Gives the temporary the name `to` unless something holds it already.
Claim claimName(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
    return Claim::Claimed;
  if (errno == EEXIST) return Claim::Taken;
  if (errno != EINVAL && errno != ENOSYS) return Claim::Failed;
  // A file system that cannot rename without replacing can still link without.
  if (::link(from.c_str(), to.c_str()) == 0) {
    ::unlink(from.c_str());
    return Claim::Claimed;
  }
  return errno == EEXIST ? Claim::Taken : Claim::Failed;
}

std::string folderOf(const std::string& path) {
  const std::string folder = fs::path(path).parent_path().string();
  return folder.empty() ? "." : folder;
}

}  // namespace

FileUser thisUser() {
  FileUser user;
  user.uid = ::geteuid();
  user.gid = ::getegid();
  const int count = ::getgroups(0, nullptr);
  if (count > 0) {
    user.groups.resize(static_cast<size_t>(count));
    const int got = ::getgroups(count, user.groups.data());
    user.groups.resize(static_cast<size_t>(got > 0 ? got : 0));
  }
  return user;
}

bool modeLetsWrite(mode_t mode, uid_t owner, gid_t group, const FileUser& user) {
  if (user.uid == 0) return true;
  if (user.uid == owner) return (mode & S_IWUSR) != 0;
  const bool member = user.gid == group ||
                      std::find(user.groups.begin(), user.groups.end(), group) != user.groups.end();
  if (member) return (mode & S_IWGRP) != 0;
  return (mode & S_IWOTH) != 0;
}

bool writeFileWhole(const std::string& path, const std::string& bytes, const FileUser& user) {
  // Through a link the file it names is replaced; the link stays a link.
  const std::optional<std::string> target = followLinks(path);
  if (!target) return false;
  // Records and settings are ordinary files: a device or a FIFO is never
  // replaced by one, and a file the user made read-only is not replaced behind
  // their back; one they opened up or closed keeps so.
  std::optional<mode_t> mode;
  struct stat st {};
  if (::stat(target->c_str(), &st) == 0) {
    if (!S_ISREG(st.st_mode) || !modeLetsWrite(st.st_mode, st.st_uid, st.st_gid, user))
      return false;
    mode = st.st_mode & 07777;
  }
  const std::optional<Temporary> temp = writeTemporary(*target, bytes, mode);
  if (!temp) return false;
  const bool ok = std::rename(temp->path.c_str(), target->c_str()) == 0;
  if (!ok) ::unlink(temp->path.c_str());
  ::close(temp->fd);
  if (ok) {
    const std::string name = fs::path(*target).filename().string();
    removeStaleTemporaries(folderOf(*target),
                           [&name](std::string_view base) { return base == name; });
  }
  return ok;
}

std::optional<std::string> writeNewFileWhole(const std::string& folder,
                                             const std::vector<std::string>& names,
                                             const std::string& bytes) {
  if (names.empty()) return std::nullopt;
  const fs::path where = folder.empty() ? fs::path(".") : fs::path(folder);
  const std::optional<Temporary> temp = writeTemporary((where / names.front()).string(), bytes, {});
  if (!temp) return std::nullopt;
  std::optional<std::string> written;
  for (const std::string& name : names) {
    const std::string path = (where / name).string();
    const Claim claim = claimName(temp->path, path);
    if (claim == Claim::Claimed) written = path;
    if (claim != Claim::Taken) break;
  }
  if (!written) ::unlink(temp->path.c_str());
  ::close(temp->fd);
  return written;
}

bool updateFileWhole(const std::string& path,
                     const std::function<std::optional<std::string>(const std::string&)>& change) {
  const int folder = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) return false;
  int locked;
  while ((locked = ::flock(folder, LOCK_EX)) != 0 && errno == EINTR) {
  }
  bool written = false;
  if (locked == 0) {
    int error = 0;
    const std::optional<std::string> old = readFileWhole(path, &error);
    if (old || error == ENOENT) {
      if (const std::optional<std::string> text = change(old.value_or(std::string())))
        written = writeFileWhole(path, *text);
    }
  }
  ::close(folder);  // and with it the lock
  return written;
}

void removeStaleTemporaries(const std::string& folder,
                            const std::function<bool(std::string_view)>& ours) {
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    const std::optional<std::string_view> base = temporaryBase(name);
    if (!base || !ours(*base)) continue;
    const std::string path = entry.path().string();
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    // A lock that is free means no write holds the file; the path must still
    // name the file locked, not one made since.
    struct stat held {
    }, named{};
    if (::fstat(fd, &held) == 0 && S_ISREG(held.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
        ::lstat(path.c_str(), &named) == 0 && named.st_ino == held.st_ino &&
        named.st_dev == held.st_dev)
      ::unlink(path.c_str());
    ::close(fd);
  }
}

std::optional<std::string> readFileWhole(const std::string& path, int* error) {
  const auto fail = [error](int code) -> std::optional<std::string> {
    if (error) *error = code;
    return std::nullopt;
  };
  // A FIFO would block the open itself, and a device may act on being opened:
  // only a regular file is opened at all, and what was opened is checked again.
  // A directory would read as an empty file through a stream, so every step
  // goes through the descriptor.
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return fail(errno);
  if (!S_ISREG(st.st_mode)) return fail(S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return fail(errno);
  const bool known = ::fstat(fd, &st) == 0;
  if (!known || !S_ISREG(st.st_mode)) {
    const int code = !known ? errno : S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    ::close(fd);
    return fail(code);
  }
  std::string bytes;
  char buffer[8192];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int code = errno;
      ::close(fd);
      return fail(code);
    }
    if (n == 0) break;
    try {
      bytes.append(buffer, static_cast<size_t>(n));
    } catch (const std::bad_alloc&) {
      ::close(fd);
      return fail(ENOMEM);
    }
  }
  ::close(fd);
  return bytes;
}

std::vector<std::string_view> splitLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  size_t begin = 0;
  while (begin < bytes.size()) {
    size_t end = bytes.find_first_of("\r\n", begin);
    if (end == std::string_view::npos) end = bytes.size();
    lines.push_back(bytes.substr(begin, end - begin));
    begin = end + 1;
    if (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n') ++begin;
  }
  return lines;
}

}  // namespace morovan
