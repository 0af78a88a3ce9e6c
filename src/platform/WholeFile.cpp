#include "platform/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <new>

namespace morovan {

namespace {

constexpr int kMostLinks = 40;  // as many as the system follows before it calls it a loop

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
  // Records and settings are ordinary files; one the user made read-only is
  // not replaced behind their back, and one they opened up or closed keeps so.
  mode_t mode = 0644;
  struct stat st {};
  if (::stat(target->c_str(), &st) == 0) {
    if (!modeLetsWrite(st.st_mode, st.st_uid, st.st_gid, user)) return false;
    mode = st.st_mode & 07777;
  }
  std::string temp = *target + ".XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) return false;
  bool ok = ::fchmod(fd, mode) == 0;
  size_t done = 0;
  while (ok && done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n >= 0)
      done += static_cast<size_t>(n);
    else if (errno != EINTR)
      ok = false;
  }
  ok = ok && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  ok = ok && std::rename(temp.c_str(), target->c_str()) == 0;
  if (!ok) std::remove(temp.c_str());
  return ok;
}

std::optional<std::string> readFileWhole(const std::string& path, int* error) {
  const auto fail = [error](int code) -> std::optional<std::string> {
    if (error) *error = code;
    return std::nullopt;
  };
  // A directory opens like a file but fails to read; an ifstream would hand it
  // back as an empty file, so read it through the descriptor and check each step.
  const int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) return fail(errno);
  struct stat st {};
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
