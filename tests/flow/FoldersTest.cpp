// Which folders the game works in: where it was started, or its XDG data folder.

#include <gtest/gtest.h>

#include <fstream>

#include "platform/Folders.h"
#include "platform/TempDirectory.h"

namespace morovan {
namespace {

TEST(Folders, TheDataHomeFollowsXdgWithItsDefault) {
  EXPECT_EQ(dataHome("/data", "/home/p"), "/data");
  EXPECT_EQ(dataHome(nullptr, "/home/p"), "/home/p/.local/share");
  EXPECT_EQ(dataHome("", "/home/p"), "/home/p/.local/share");
  EXPECT_EQ(dataHome("relative/data", "/home/p"), "/home/p/.local/share");  // invalid: ignored
  EXPECT_EQ(dataHome(nullptr, nullptr), "");
}

TEST(Folders, OnlyAFolderHoldingTheSoundsIsWorkedInWhereStarted) {
  testing::TempDirectory start;
  const std::string here = start.path().string();
  std::ofstream(start.path() / "Morovan.ini") << "a settings file alone is not enough";
  const Folders elsewhere = chooseFolders(here, "/usr/share/morovan", "/home/p/.local/share");
  EXPECT_EQ(elsewhere.working, "/home/p/.local/share/morovan");
  EXPECT_EQ(elsewhere.sounds, "/usr/share/morovan");
  EXPECT_EQ(elsewhere.games, "/home/p/.local/share/morovan/棋譜");

  std::ofstream(start.path() / "BGM.wav") << "RIFF";
  const Folders run = chooseFolders(here, "/usr/share/morovan", "/home/p/.local/share");
  EXPECT_EQ(run.working, here);
  EXPECT_EQ(run.sounds, here);
  EXPECT_EQ(run.games, here + "/棋譜");
}

}  // namespace
}  // namespace morovan
