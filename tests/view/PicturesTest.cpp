#include <gtest/gtest.h>

#include "Game.h"
#include "platform/FakePlatform.h"
#include "view/Pictures.h"
#include "view/ViewTestSupport.h"

namespace morovan {
namespace {

using testing::FakePlatform;
using testing::outlineOf;
using testing::pictureAt;
using testing::textAt;

TEST(Pictures, ScreenHidesComputerPiecesBehindFlagsOrTheUnknownBack) {
  FakePlatform fp;
  Game g(fp.platform());
  g.pos.EnemyMarks[4][5] = kMarkBlue;
  g.pos.EnemyMarks[9][9] = kMarkRed;
  g.pos.EnemyMarks[1][3] = kMarkBlue;
  g.state.ScreenOn = kOn;
  描画_絵(g, 30, 4, 5);
  描画_絵(g, 80, 9, 9);
  描画_絵(g, 31, 1, 1);   // no mark
  描画_絵(g, 70, -1, 3);  // the hand column shows backs only
  描画_絵(g, 70, 11, 9);  // elsewhere the real image
  描画_絵(g, -30, 4, 5);
  g.state.ScreenOn = kOff;
  描画_絵(g, 30, 4, 5);
  描画_絵(g, 70, -1, 3);
  EXPECT_EQ(fp.log, (std::vector<std::string>{
                        pictureAt(kPictureBlueFlag, 4, 5), pictureAt(kPictureRedFlag, 9, 9),
                        pictureAt(kPictureUnknown, 1, 1), pictureAt(kPictureUnknown, -1, 3),
                        pictureAt(70, 11, 9), pictureAt(-30, 4, 5), pictureAt(30, 4, 5),
                        pictureAt(70, -1, 3)}));
}

TEST(Pictures, HandsShowCountsOverShadowsButHideTheComputersKinds) {
  FakePlatform fp;
  Game g(fp.platform());
  g.pos.HumanHand[1] = 2;
  g.pos.HumanHandTotal = 2;
  描画_自持盤(g);
  EXPECT_EQ(fp.calls("picture -10"), (std::vector<std::string>{pictureAt(-10, 11, 3)}));
  EXPECT_EQ(fp.calls("text"),
            (std::vector<std::string>{textAt(12.1, 3.3, " 2"), textAt(12, 3.2, " 2")}));

  fp.log.clear();
  g.state.ScreenOn = kOn;
  g.pos.ComputerHand[1] = 2;
  g.pos.ComputerHand[7] = 1;
  g.pos.ComputerHandTotal = 3;
  描画_敵持盤(g);
  const auto pictures = fp.calls("picture");
  ASSERT_EQ(pictures.size(), 15u);  // 14 tiles, then one unknown piece
  EXPECT_EQ(pictures.back(), pictureAt(kPictureUnknown, -1, 1));
  EXPECT_EQ(fp.calls("text"),
            (std::vector<std::string>{textAt(0.1, 1.3, " 3"), textAt(0, 1.2, " 3")}));
  EXPECT_EQ(fp.log.back(), outlineOf(-1, 1, 2));

  fp.log.clear();
  g.pos.ComputerHand[1] = g.pos.ComputerHand[7] = g.pos.ComputerHandTotal = 0;
  描画_敵持盤(g);
  EXPECT_EQ(fp.calls("picture").back(), pictureAt(kPictureEmpty, -1, 1));
  EXPECT_TRUE(fp.calls("text").empty());
}

}  // namespace
}  // namespace morovan
