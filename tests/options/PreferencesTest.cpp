#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "Game.h"
#include "options/Preferences.h"
#include "platform/FakePlatform.h"
#include "platform/TempDirectory.h"
#include "platform/WholeFile.h"

namespace morovan {
namespace {

using testing::FakePlatform;
using testing::InTempDirectory;

TEST(Preferences, KeepTheLinesOfOtherKeysAndReplaceTheirOwn) {
  InTempDirectory dir;
  FakePlatform fp;
  Game g(fp.platform());
  EXPECT_EQ(readPreference(g, "level"), "");

  std::ofstream("Morovan.prefs") << "from-a-newer-copy=x\r\nlevel=2\r\ndamaged line\r\n";
  EXPECT_EQ(readPreference(g, "level"), "2");
  EXPECT_EQ(readPreference(g, "lev"), "");

  ASSERT_TRUE(writePreference(g, "level", "4"));
  ASSERT_TRUE(writePreference(g, "language", "en"));
  EXPECT_EQ(readPreference(g, "level"), "4");
  EXPECT_EQ(readPreference(g, "language"), "en");
  EXPECT_EQ(readFileWhole("Morovan.prefs"),
            "from-a-newer-copy=x\ndamaged line\nlevel=4\nlanguage=en\n");
}

}  // namespace
}  // namespace morovan
