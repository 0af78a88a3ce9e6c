#include <gtest/gtest.h>

#include <set>

#include "Game.h"
#include "flow/MenuDispatch.h"
#include "platform/FakePlatform.h"
#include "platform/TempDirectory.h"

namespace morovan {
namespace {

using testing::FakePlatform;

TEST(MenuDispatchTest, ItemTableNestsEveryEntryUnderAMenu) {
  const std::vector<MenuItem>& items = menuItems();
  ASSERT_FALSE(items.empty());
  EXPECT_EQ(items.front().depth, 0);
  std::set<std::string> names;
  for (std::size_t i = 0; i < items.size(); ++i) {
    EXPECT_TRUE(names.insert(items[i].name).second) << items[i].name;
    EXPECT_FALSE(items[i].caption.empty()) << items[i].name;
    // A submenu entry follows its menu: depth grows by one step at most.
    if (i > 0) {
      EXPECT_LE(items[i].depth, items[i - 1].depth + 1) << items[i].name;
    }
  }
  EXPECT_EQ(items.back().name, "ABOUT");
}

TEST(MenuDispatchTest, ClicksReachTheirHandlers) {
  testing::InTempDirectory rememberedHere;  // a level click remembers the level
  FakePlatform fp;
  Game g(fp.platform(), 1);
  menuClicked(g, menu::LEVEL2);
  EXPECT_EQ(g.state.ComputerLevel, 2);
  EXPECT_TRUE(fp.menu.checked[menu::LEVEL2]);

  menuClicked(g, menu::ABOUT);
  ASSERT_FALSE(fp.dialogs.shown.empty());
  EXPECT_EQ(fp.dialogs.shown.back().title, "Morovan");
  menuClicked(g, menu::ASOBIKATA);
  EXPECT_EQ(fp.dialogs.shown.back().title, "遊び方");

  menuClicked(g, menu::REVERSE);
  EXPECT_EQ(g.state.Flipped, kOn);

  menuClicked(g, menu::OWARI);
  EXPECT_TRUE(fp.window.ended);
}

TEST(MenuDispatchTest, MenusAndUnknownNamesDoNothingOnAClick) {
  FakePlatform fp;
  Game g(fp.platform(), 1);
  for (const char* item :
       {"TAIKYOKU", "LEVEL", "STOP", "KIFU", "OPTION", "HAIKEI_GA", "VER", "", "X"}) {
    menuClicked(g, item);
  }
  EXPECT_TRUE(fp.log.empty());
}

TEST(MenuDispatchTest, OpeningGameOptionsOrPositionMenusClosesTheRecordPanel) {
  for (const char* menu : {"TAIKYOKU", "STOP", "OPTION", "VER"}) {
    FakePlatform fp;
    Game g(fp.platform(), 1);
    fp.panel.fileVisible = fp.panel.driveVisible = fp.panel.textPartVisible = true;
    menuOpened(g, menu);
    EXPECT_FALSE(fp.panel.driveVisible) << menu;
    EXPECT_FALSE(fp.panel.fileVisible) << menu;
    EXPECT_FALSE(fp.panel.textPartVisible) << menu;
  }
  FakePlatform fp;
  Game g(fp.platform(), 1);
  menuOpened(g, menu::KIFU);  // its items open the panel themselves
  menuOpened(g, menu::LEVEL);
  EXPECT_TRUE(fp.log.empty());
}

}  // namespace
}  // namespace morovan
