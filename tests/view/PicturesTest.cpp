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

// The picture code the canvas received for one 描画_絵 call.
std::string drawn(FakePlatform& fp, Game& g, int code, double col, double row) {
  fp.log.clear();
  描画_絵(g, code, col, row);
  return fp.log.size() == 1 ? fp.log[0] : "calls: " + std::to_string(fp.log.size());
}

TEST(Pictures, ScreenHidesComputerPiecesBehindFlagsOrTheUnknownBack) {
  FakePlatform fp;
  Game g(fp.platform());
  g.state.ScreenOn = kOn;
  g.pos.EnemyMarks[4][5] = 0;
  EXPECT_EQ(drawn(fp, g, 30, 4, 5), pictureAt(kPictureUnknown, 4, 5));
  g.pos.EnemyMarks[4][5] = kMarkNone;
  EXPECT_EQ(drawn(fp, g, 31, 4, 5), pictureAt(kPictureUnknown, 4, 5));
  g.pos.EnemyMarks[4][5] = kMarkBlue;
  EXPECT_EQ(drawn(fp, g, 30, 4, 5), pictureAt(kPictureBlueFlag, 4, 5));
  g.pos.EnemyMarks[9][9] = kMarkRed;
  EXPECT_EQ(drawn(fp, g, 80, 9, 9), pictureAt(kPictureRedFlag, 9, 9));
  // The computer's hand column shows only backs; flags live on board squares.
  g.pos.EnemyMarks[1][3] = kMarkBlue;
  EXPECT_EQ(drawn(fp, g, 70, -1, 3), pictureAt(kPictureUnknown, -1, 3));
  // Elsewhere, human pieces and non-piece pictures are drawn as they are.
  EXPECT_EQ(drawn(fp, g, 70, 11, 9), pictureAt(70, 11, 9));
  EXPECT_EQ(drawn(fp, g, -30, 4, 5), pictureAt(-30, 4, 5));
  EXPECT_EQ(drawn(fp, g, kPictureTitle, 11.1, 0), pictureAt(1, 11.1, 0));
  EXPECT_EQ(drawn(fp, g, kPictureEmpty, 4, 5), pictureAt(0, 4, 5));

  g.state.ScreenOn = kOff;
  EXPECT_EQ(drawn(fp, g, 30, 4, 5), pictureAt(30, 4, 5));
  EXPECT_EQ(drawn(fp, g, 70, -1, 3), pictureAt(70, -1, 3));
}

TEST(Pictures, BoardIsDrawnColumnByColumnWithFramedSquares) {
  FakePlatform fp;
  Game g(fp.platform());
  g.state.ScreenOn = kOff;
  g.pos.BoardPieces[1][2] = -10;
  g.pos.BoardPieces[9][9] = 50;
  描画_盤(g);
  ASSERT_EQ(fp.log.size(), 162u);
  EXPECT_EQ(fp.log[0], pictureAt(0, 1, 1));
  EXPECT_EQ(fp.log[1], outlineOf(1, 1, 2));
  EXPECT_EQ(fp.log[2], pictureAt(-10, 1, 2));
  EXPECT_EQ(fp.log[160], pictureAt(50, 9, 9));

  fp.log.clear();
  描画_将棋盤桝(g);
  EXPECT_EQ(fp.calls("outline " + testing::twips(cellX(1))).size(), 9u);
  EXPECT_EQ(fp.log.size(), 81u);
}

TEST(Pictures, BackgroundLeavesTheBoardSquaresAlone) {
  FakePlatform fp;
  Game g(fp.platform());
  描画_背景(g, 5);
  EXPECT_EQ(fp.log.size(), 32u * 21u - 81u);
  EXPECT_EQ(fp.log.front(), pictureAt(5, -3, -2));
  EXPECT_EQ(fp.log.back(), pictureAt(5, 28, 18));
  for (int col = 1; col <= 9; ++col)
    for (int row = 1; row <= 9; ++row)
      EXPECT_TRUE(testing::from(fp.log, pictureAt(5, col, row)).empty()) << col << "," << row;
}

TEST(Pictures, HumanHandShowsEachKindWithARedCountOverItsShadow) {
  FakePlatform fp;
  Game g(fp.platform());
  g.view.BackgroundPicture = 3;
  g.pos.HumanHand[1] = 2;
  g.pos.HumanHandTotal = 2;
  描画_自持盤(g);
  const std::vector<std::string> pawnCell = {pictureAt(0, 11, 3),
                                             pictureAt(3, 12, 3),
                                             outlineOf(11, 3, 2),
                                             pictureAt(-10, 11, 3),
                                             outlineOf(11, 3, 2),
                                             "fontsize 14",
                                             "colour 0",
                                             textAt(12.1, 3.3, " 2"),
                                             "fontsize 14",
                                             "colour 12",
                                             textAt(12, 3.2, " 2"),
                                             pictureAt(0, 11, 4)};
  EXPECT_EQ(std::vector<std::string>(fp.log.begin(), fp.log.begin() + 12), pawnCell);
  EXPECT_EQ(fp.calls("text").size(), 2u);
  EXPECT_EQ(fp.log.back(), outlineOf(11, 9, 2));  // the empty rook cell
}

TEST(Pictures, ScreenedComputerHandShowsOneUnknownPieceAndTheCount) {
  FakePlatform fp;
  Game g(fp.platform());
  g.view.BackgroundPicture = 2;
  g.state.ScreenOn = kOn;
  g.pos.ComputerHand[1] = 2;
  g.pos.ComputerHand[7] = 1;
  g.pos.ComputerHandTotal = 3;
  描画_敵持盤(g);
  const auto pictures = fp.calls("picture");
  ASSERT_EQ(pictures.size(), 15u);
  EXPECT_EQ(pictures[0], pictureAt(2, -1, 1));
  EXPECT_EQ(pictures[1], pictureAt(2, 0, 1));
  EXPECT_EQ(pictures[14], pictureAt(kPictureUnknown, -1, 1));
  EXPECT_EQ(fp.calls("text"),
            (std::vector<std::string>{textAt(0.1, 1.3, " 3"), textAt(0, 1.2, " 3")}));
  EXPECT_EQ(fp.log.back(), outlineOf(-1, 1, 2));

  // An empty hand shows one empty cell and no number.
  g.pos.ComputerHand[1] = 0;
  g.pos.ComputerHand[7] = 0;
  g.pos.ComputerHandTotal = 0;
  fp.log.clear();
  描画_敵持盤(g);
  EXPECT_EQ(fp.calls("picture").back(), pictureAt(0, -1, 1));
  EXPECT_TRUE(fp.calls("text").empty());
}

TEST(Pictures, OpenComputerHandShowsKindsFromRookDownAndOddScreenValuesDrawNothing) {
  FakePlatform fp;
  Game g(fp.platform());
  g.state.ScreenOn = kOff;
  g.pos.ComputerHand[7] = 1;
  g.pos.ComputerHand[1] = 4;
  g.pos.ComputerHandTotal = 5;
  描画_敵持盤(g);
  EXPECT_FALSE(testing::from(fp.log, pictureAt(70, -1, 1)).empty());
  EXPECT_FALSE(testing::from(fp.log, pictureAt(10, -1, 7)).empty());
  EXPECT_EQ(fp.calls("text"),
            (std::vector<std::string>{textAt(0.1, 1.3, " 1"), textAt(0, 1.2, " 1"),
                                      textAt(0.1, 7.3, " 4"), textAt(0, 7.2, " 4")}));

  fp.log.clear();
  g.state.ScreenOn = 2;
  描画_敵持盤(g);
  EXPECT_TRUE(fp.log.empty());
}

}  // namespace
}  // namespace morovan
