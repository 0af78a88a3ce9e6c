#include <gtest/gtest.h>

#include "Game.h"
#include "platform/FakePlatform.h"
#include "view/Highlights.h"
#include "view/ViewTestSupport.h"

namespace morovan {
namespace {

using testing::FakePlatform;
using testing::outlineOf;
using testing::pictureAt;

TEST(Highlights, GuidanceOffStillClearsOldOutlines) {
  FakePlatform fp;
  Game g(fp.platform());
  g.pos.BoardPieces[5][7] = -10;
  描画_移動可能桝色(g, 5, 7, 15, -10);
  EXPECT_EQ(fp.log.size(), 81u);
  EXPECT_TRUE(fp.calls("outline").back().ends_with(" 2"));

  fp.log.clear();
  g.view.MoveGuidance = 1;
  描画_移動可能桝色(g, 5, 7, 15, -10);
  EXPECT_EQ(fp.log.size(), 82u);
  EXPECT_EQ(fp.log.back(), outlineOf(5, 6, 15));
}

TEST(Highlights, BlinkShowsEachPhaseBeforeItsWait) {
  FakePlatform fp;
  Game g(fp.platform());
  const double start = fp.clock.now;
  描画_駒点滅(g, 40, 3, 2, 3);
  EXPECT_EQ(fp.log[2], "repaint");
  EXPECT_EQ(fp.calls("repaint").size(), 6u);
  EXPECT_EQ(fp.calls(pictureAt(kPictureUnknown, 3, 2)).size(), 3u);  // hidden behind the screen
  EXPECT_NEAR(fp.clock.now - start, 1.2, 0.07);
}

TEST(Highlights, HumanMoveTextShowsFileRankAndNameOverShadows) {
  FakePlatform fp;
  Game g(fp.platform());
  g.view.BackgroundPicture = 6;
  描画_移動結果(g, g.state.HumanSide, 3, 6, -10, g.view.ResultColour);
  const std::vector<std::string> expected = {
      pictureAt(6, 12, 2), pictureAt(6, 13, 2), pictureAt(6, 14, 2),
      "fontsize 12",       "colour 0",          "text 7237.5 1637.5 ７",
      "fontsize 12",       "colour 15",         "text 7188 1576 ７",
      "fontsize 12",       "colour 0",          "text 7435.5 1637.5 六",
      "fontsize 12",       "colour 15",         "text 7386 1576 六",
      "fontsize 12",       "colour 0",          "text 7732.5 1637.5 歩",
      "fontsize 12",       "colour 15",         "text 7683 1576 歩"};
  EXPECT_EQ(fp.log, expected);
}

}  // namespace
}  // namespace morovan
