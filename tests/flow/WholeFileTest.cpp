#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "platform/TempDirectory.h"
#include "platform/WholeFile.h"

namespace morovan {
namespace {

namespace fs = std::filesystem;

TEST(WholeFile, PermissionBitsDecideForOwnerGroupAndOthersButNotForTheSuperuser) {
  const FileUser owner{1000, 100, {}}, member{1001, 200, {100}}, other{1002, 200, {300}};
  const FileUser root{0, 0, {}};
  EXPECT_FALSE(modeLetsWrite(0444, 1000, 100, owner));
  EXPECT_TRUE(modeLetsWrite(0600, 1000, 100, owner));
  EXPECT_FALSE(modeLetsWrite(0466, 1000, 100, owner));  // the owner's own bits count, not others'
  EXPECT_TRUE(modeLetsWrite(0464, 1000, 100, member));
  EXPECT_FALSE(modeLetsWrite(0646, 1000, 100, member));
  EXPECT_TRUE(modeLetsWrite(0446, 1000, 100, other));
  EXPECT_FALSE(modeLetsWrite(0664, 1000, 100, other));
  EXPECT_TRUE(modeLetsWrite(0444, 1000, 100, root));
}

// The decision is taken for the user named, so a refusal is tested alike
// whoever runs the tests.
TEST(WholeFile, AProtectedTargetIsLeftAloneAndAnOpenOneKeepsItsBitsAndLinks) {
  testing::TempDirectory temp;
  const fs::path file = temp.path() / "Morovan.ini";
  const std::string target = file.string();
  ASSERT_TRUE(writeFileWhole(target, "old"));
  ::chmod(target.c_str(), 0444);
  struct stat st {};
  ASSERT_EQ(::stat(target.c_str(), &st), 0);
  const FileUser stranger{st.st_uid + 1, st.st_gid + 1, {}};
  EXPECT_FALSE(writeFileWhole(target, "new", stranger));
  EXPECT_EQ(readFileWhole(target), "old");
  EXPECT_EQ(std::distance(fs::directory_iterator(temp.path()), fs::directory_iterator()), 1);

  // Writable bits are kept as they were.
  ::chmod(target.c_str(), 0660);
  ASSERT_TRUE(writeFileWhole(target, "new"));
  ASSERT_EQ(::stat(target.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0660u);

  // Through a chain of a relative and an absolute link the file they name is
  // written, and the links stay.
  fs::create_directory(temp.path() / "sub");
  fs::create_symlink(file, temp.path() / "sub" / "abs");
  fs::create_symlink("sub/abs", temp.path() / "link.ini");
  ASSERT_TRUE(writeFileWhole((temp.path() / "link.ini").string(), "linked"));
  EXPECT_TRUE(fs::is_symlink(temp.path() / "link.ini"));
  EXPECT_TRUE(fs::is_symlink(temp.path() / "sub" / "abs"));
  EXPECT_EQ(readFileWhole(target), "linked");

  // A link that leads round in a circle is no file to write.
  fs::create_symlink("loop", temp.path() / "loop");
  EXPECT_FALSE(writeFileWhole((temp.path() / "loop").string(), "x"));
}

// A FIFO would block the reader for ever, and replacing a device through a
// link (Morovan.ini linked to /dev/null) would harm the system when run as root.
TEST(WholeFile, OnlyRegularFilesAreReadOrReplacedAndNothingBlocks) {
  testing::TempDirectory temp;
  const fs::path fifo = temp.path() / "Morovan.ini";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  fs::create_symlink(fifo, temp.path() / "linked.ini");
  int error = 0;
  EXPECT_EQ(readFileWhole(fifo.string(), &error), std::nullopt);
  EXPECT_EQ(error, EINVAL);
  EXPECT_FALSE(writeFileWhole(fifo.string(), "x"));
  EXPECT_FALSE(writeFileWhole((temp.path() / "linked.ini").string(), "x"));
  EXPECT_TRUE(fs::is_fifo(fs::symlink_status(fifo)));
  EXPECT_TRUE(fs::is_symlink(temp.path() / "linked.ini"));
  EXPECT_EQ(std::distance(fs::directory_iterator(temp.path()), fs::directory_iterator()), 2);
}

TEST(WholeFile, NewFilesHonourTheUmaskAndAKilledWritesTemporaryGoesNextTime) {
  testing::TempDirectory temp;
  const fs::path target = temp.path() / "Morovan.ini";
  // What killed writes left, one temporary still held by a write under way,
  // and names that are no temporary of this file: the player's own copies too.
  for (const char* name :
       {"Morovan.ini.morovan-writing.Q1w2E3", "Morovan.ini.morovan-writing.Z9y8X7",
        "Morovan.ini.bak", "Morovan.ini.backup", "Other.ini.morovan-writing.Q1w2E3"})
    std::ofstream(temp.path() / name) << "x";
  const int held = ::open((temp.path() / "Morovan.ini.morovan-writing.Z9y8X7").c_str(), O_RDONLY);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);

  const mode_t umask = ::umask(027);
  const bool written = writeFileWhole(target.string(), "new");
  ::umask(umask);
  ::close(held);
  ASSERT_TRUE(written);
  struct stat st {};
  ASSERT_EQ(::stat(target.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_FALSE(fs::exists(temp.path() / "Morovan.ini.morovan-writing.Q1w2E3"));
  for (const char* name : {"Morovan.ini.morovan-writing.Z9y8X7", "Morovan.ini.bak",
                           "Morovan.ini.backup", "Other.ini.morovan-writing.Q1w2E3"})
    EXPECT_TRUE(fs::exists(temp.path() / name)) << name;
}

// Two programs each counting into one file: every count of both is there, as
// each reads what the other wrote.
TEST(WholeFile, TwoProgramsUpdatingOneFileLoseNeitherChange) {
  testing::TempDirectory temp;
  const std::string path = (temp.path() / "Morovan.stats").string();
  constexpr int kCounts = 150;
  pid_t children[2];
  for (pid_t& child : children) {
    child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int i = 0; i < kCounts; ++i)
        if (!updateFileWhole(path, [](const std::string& old) {
              return std::optional<std::string>(
                  std::to_string(old.empty() ? 1 : std::stoi(old) + 1));
            }))
          ::_exit(1);
      ::_exit(0);
    }
  }
  for (const pid_t child : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  EXPECT_EQ(readFileWhole(path), std::to_string(2 * kCounts));
}

}  // namespace
}  // namespace morovan
