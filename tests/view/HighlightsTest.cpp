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
using testing::textAt;

TEST(Highlights, GuidanceOutlinesReachableSquaresAndAlwaysClearsOldOnes) {
  FakePlatform fp;
  Game g(fp.platform());
  g.pos.BoardPieces[5][7] = -10;
  g.view.MoveGuidance = 0;
  描画_移動可能桝色(g, 5, 7, 15, -10);
  EXPECT_EQ(fp.calls("outline").size(), 81u);
  EXPECT_TRUE(fp.calls("outline").back().ends_with(" 2"));
  EXPECT_EQ(fp.log.size(), 81u);

  fp.log.clear();
  g.view.MoveGuidance = 1;
  描画_移動可能桝色(g, 5, 7, 15, -10);
  const auto outlines = fp.calls("outline");
  ASSERT_EQ(outlines.size(), 82u);
  EXPECT_EQ(outlines[81], outlineOf(5, 6, 15));
}

TEST(Highlights, BlinkShowsEachPhaseForAFifthOfASecondBehindTheScreen) {
  FakePlatform fp;
  Game g(fp.platform());
  g.state.ScreenOn = kOn;
  const double start = fp.clock.now;
  描画_駒点滅(g, 40, 3, 2, 3);
  EXPECT_EQ(fp.calls("repaint").size(), 6u);
  EXPECT_EQ(fp.calls(pictureAt(0, 3, 2)).size(), 3u);
  EXPECT_EQ(fp.calls(pictureAt(kPictureUnknown, 3, 2)).size(), 3u);
  EXPECT_EQ(fp.calls(outlineOf(3, 2, 2)).size(), 6u);
  EXPECT_NEAR(fp.clock.now - start, 1.2, 0.07);
  // Each phase is on screen before its wait begins.
  EXPECT_EQ(fp.log[2], "repaint");
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

TEST(Highlights, ComputerMoveTextKeepsTheBoardEdgeFramed) {
  FakePlatform fp;
  Game g(fp.platform());
  g.view.BackgroundPicture = 6;
  描画_移動結果(g, g.state.ComputerSide, 9, 8, 71, 15);
  EXPECT_EQ(fp.log.front(), pictureAt(6, -2, 8));
  EXPECT_EQ(fp.calls("text"),
            (std::vector<std::string>{textAt(-1.5, 8.5, "１"), textAt(-1.6, 8.4, "１"),
                                      textAt(-1.1, 8.5, "八"), textAt(-1.2, 8.4, "八"),
                                      textAt(-0.5, 8.5, "飛成"), textAt(-0.6, 8.4, "飛成")}));
  EXPECT_EQ(fp.log.back(), outlineOf(1, 8, 2));

  fp.log.clear();
  描画_移動結果(g, 0, 9, 8, 71, 15);
  消去_移動結果(g, 0);
  EXPECT_TRUE(fp.log.empty());
}

}  // namespace
}  // namespace morovan
