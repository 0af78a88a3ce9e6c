#include <gtest/gtest.h>

#include "Game.h"
#include "options/Level.h"
#include "platform/FakePlatform.h"
#include "platform/TempDirectory.h"
#include "view/ViewTestSupport.h"

namespace morovan {
namespace {

using testing::FakePlatform;
using testing::pictureAt;
using testing::textAt;

TEST(Level, ShownOnlyOnceAGameIsUnderWay) {
  testing::InTempDirectory rememberedHere;  // each click remembers its level
  FakePlatform fp;
  Game g(fp.platform());
  g.view.BackgroundPicture = 5;
  LEVEL1_Click(g);
  EXPECT_EQ(g.state.ComputerLevel, 1);
  EXPECT_TRUE(fp.menu.isChecked(menu::LEVEL1));
  EXPECT_EQ(fp.calls("picture"), (std::vector<std::string>{pictureAt(5, -2, 0), pictureAt(5, -1, 0),
                                                           pictureAt(5, 0, 0)}));
  EXPECT_TRUE(fp.calls("text").empty());

  fp.log.clear();
  g.state.VsComputer = kOn;
  LEVEL3_Click(g);
  EXPECT_FALSE(fp.menu.isChecked(menu::LEVEL1));
  EXPECT_TRUE(fp.menu.isChecked(menu::LEVEL3));
  EXPECT_EQ(fp.calls("text"),
            (std::vector<std::string>{textAt(-1.4, 0.2, "LEVEL"), textAt(-1.5, 0.1, "LEVEL"),
                                      textAt(0.1, 0.1, " 3"), textAt(0, 0, " 3")}));

  LEVEL4_Click(g);
  EXPECT_EQ(g.state.ComputerLevel, 4);
  EXPECT_TRUE(fp.menu.isChecked(menu::LEVEL4));
  EXPECT_FALSE(fp.menu.isChecked(menu::LEVEL3));

  レベル_設定(g, 7);
  EXPECT_EQ(g.state.ComputerLevel, 4);
  EXPECT_FALSE(fp.menu.isChecked(menu::LEVEL4));
}

}  // namespace
}  // namespace morovan
