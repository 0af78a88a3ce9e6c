#include <gtest/gtest.h>

#include "Game.h"
#include "model/Position.h"
#include "platform/FakePlatform.h"
#include "view/Screen.h"
#include "view/ViewTestSupport.h"

namespace morovan {
namespace {

using testing::FakePlatform;
using testing::pictureAt;
using testing::printed;

TEST(Screen, FullRedrawShowsLevelAndGradeOnlyWhenTheyApply) {
  FakePlatform fp;
  Game g(fp.platform());
  画面_再描画(g);
  EXPECT_FALSE(printed(fp, "LEVEL"));
  EXPECT_FALSE(printed(fp, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級"));
  EXPECT_EQ(fp.log.back(), pictureAt(kPictureTitle, 11.1, 0));

  fp.log.clear();
  g.state.VsComputer = kOn;
  g.state.HandicapSet = kOn;
  画面_再描画(g);
  EXPECT_TRUE(printed(fp, "LEVEL"));
  EXPECT_TRUE(printed(fp, " 3"));
  EXPECT_TRUE(printed(fp, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級"));
  EXPECT_EQ(fp.log.back(), pictureAt(kPictureTitle, 11.1, 0));
}

}  // namespace
}  // namespace morovan
