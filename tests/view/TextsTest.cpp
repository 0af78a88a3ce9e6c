#include <gtest/gtest.h>

#include "Game.h"
#include "platform/FakePlatform.h"
#include "view/Texts.h"
#include "view/ViewTestSupport.h"

namespace morovan {
namespace {

using testing::FakePlatform;
using testing::outlineOf;
using testing::pictureAt;
using testing::textAt;
using testing::twips;

TEST(Texts, ConvertsValuesToDigitsNumeralsAndPieceNames) {
  EXPECT_EQ(文字列変換(1), "１");
  EXPECT_EQ(文字列変換(9), "９");
  EXPECT_EQ(文字列変換(1001), "一");
  EXPECT_EQ(文字列変換(1005), "五");
  EXPECT_EQ(文字列変換(1009), "九");
  EXPECT_EQ(文字列変換(-41), "銀成");
  EXPECT_EQ(文字列変換(71), "飛成");
  EXPECT_EQ(文字列変換(-11), "と");
  EXPECT_EQ(文字列変換(80), "王");
  for (int none : {0, 51, 81, 99, 1000, 1010, -1}) EXPECT_EQ(文字列変換(none), "") << none;
}

TEST(Texts, NumberToTwoCharacters) {
  EXPECT_EQ(変換_数字から文字(0), "00");
  EXPECT_EQ(変換_数字から文字(7), "07");
  EXPECT_EQ(変換_数字から文字(59), "59");
  EXPECT_EQ(変換_数字から文字(100), "");
}

TEST(Texts, GradeTextsCoverTheHandicapScale) {
  EXPECT_EQ(gradeText(-10), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人");
  EXPECT_EQ(gradeText(-2), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段");
  EXPECT_EQ(gradeText(0), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級");
  EXPECT_EQ(gradeText(10), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級");
  EXPECT_EQ(gradeText(99), "手目");
  EXPECT_EQ(gradeText(11), "");
  EXPECT_EQ(gradeText(-11), "");
}

TEST(Texts, NumbersPrintWithASignPlaceAndNumeralsOnlyForOneToNine) {
  FakePlatform fp;
  Game g(fp.platform());
  描画_数値(g, 2, 3, 5, 4, 0, 14);
  EXPECT_EQ(fp.log, (std::vector<std::string>{"fontsize 14", "colour 4", textAt(2, 3, " 5")}));
  fp.log.clear();
  描画_数値(g, 2, 3, -3, 4, 0, 14);
  描画_数値(g, 2, 3, 120, 4, 0, 14);
  描画_数値(g, 2, 3, 12.5, 4, 0, 14);
  描画_数値(g, 2, 3, "01:02:05", 4, 0, 14);
  EXPECT_EQ(fp.calls("text"),
            (std::vector<std::string>{textAt(2, 3, "-3"), textAt(2, 3, " 120"),
                                      textAt(2, 3, " 12.5"), textAt(2, 3, "01:02:05")}));
  fp.log.clear();
  描画_数値(g, 10, 3, 3, 14, 1, 12);
  描画_数値(g, 10, 3, 0, 14, 1, 12);
  描画_数値(g, 10, 3, 10, 14, 1, 12);
  EXPECT_EQ(fp.calls("text"), (std::vector<std::string>{textAt(10, 3, "三")}));
  // Style 1 with 0 still sets the font, but prints nothing.
  EXPECT_EQ(fp.calls("fontsize").size(), 3u);
}

TEST(Texts, MoveCountShiftsLeftPerDigitWhileItsCaptionStays) {
  FakePlatform fp;
  Game g(fp.platform());
  g.view.BackgroundPicture = 4;
  struct Case {
    int n;
    std::string shadow, number;
  };
  const Case cases[] = {{9, "text 7633.5 2191  9", "text 7584 2129.5  9"},
                        {10, "text 7584 2191  10", "text 7534.5 2129.5  10"},
                        {100, "text 7534.5 2191  100", "text 7485 2129.5  100"}};
  for (const Case& c : cases) {
    fp.log.clear();
    描画_手数(g, c.n, 3);  // the colour argument is not used
    const std::vector<std::string> expected = {
        pictureAt(4, 13, 3), pictureAt(4, 14, 3), outlineOf(11, 3, 2),
        "fontsize 12",       "colour 0",          c.shadow,
        "fontsize 12",       "colour 15",         c.number,
        "fontsize 10",       "colour 0",          "text 8050.5 2228 手目",
        "fontsize 10",       "colour 15",         "text 8001 2166.5 手目"};
    EXPECT_EQ(fp.log, expected) << c.n;
  }
}

TEST(Texts, CoordinateLabelsTurnBoldAndShadowEveryLabel) {
  FakePlatform fp;
  Game g(fp.platform());
  g.view.BackgroundPicture = 2;
  描画_桝_数値(g);
  ASSERT_FALSE(fp.log.empty());
  EXPECT_EQ(fp.log.front(), "bold 1");
  EXPECT_TRUE(fp.calls("bold 0").empty());
  const auto texts = fp.calls("text");
  ASSERT_EQ(texts.size(), 36u);
  // File 9 stands over column 1; rank 一 beside row 1; shadow first.
  EXPECT_EQ(texts[0], textAt(1.2, 0.5, " 9"));
  EXPECT_EQ(texts[1], textAt(1.1, 0.4, " 9"));
  EXPECT_EQ(texts[2], textAt(10.2, 1.4, "一"));
  EXPECT_EQ(texts[3], textAt(10.1, 1.3, "一"));
  EXPECT_EQ(texts[35], textAt(10.1, 9.3, "九"));
  const auto tiles = fp.calls("picture");
  EXPECT_EQ(tiles.size(), 18u);
  EXPECT_EQ(tiles[0], pictureAt(2, 1, 0));
  EXPECT_EQ(tiles[1], pictureAt(2, 10, 1));
  EXPECT_EQ(fp.calls("colour 14").size(), 18u);
  EXPECT_EQ(fp.calls("outline").back(), outlineOf(9, 9, 2));
}

TEST(Texts, HandicapGradeMessagesAndListVisibility) {
  FakePlatform fp;
  Game g(fp.platform());
  g.view.BackgroundPicture = 3;
  描画_ハンデレベル(g, -2);
  const std::vector<std::string> expected = {
      pictureAt(3, 11, 1),
      pictureAt(3, 12, 1),
      pictureAt(3, 13, 1),
      pictureAt(3, 14, 1),
      "fontsize 10",
      "colour 0",
      "text " + twips(cellX(11.1) + 120) + " " + twips(cellY(1.1) + 160) + " ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段",
      "fontsize 10",
      "colour 15",
      "text " + twips(cellX(11) + 120) + " " + twips(cellY(1) + 160) + " ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段"};
  EXPECT_EQ(fp.log, expected);

  描画_メッセージ(g, 3);
  描画_メッセージ(g, 1);
  EXPECT_EQ(fp.messages(), (std::vector<std::string>{
                               "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定|反転後ではできません\r\r局面→最初にして下さい",
                               "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定|棋譜ﾓｰﾄﾞではできません\r\r局面→最初にして下さい"}));
  EXPECT_EQ(fp.dialogs.shown[0].buttons, Buttons::Ok);

  描画_可視(g, true, true, false);
  EXPECT_TRUE(fp.panel.driveVisible && fp.panel.dirVisible && !fp.panel.fileVisible);
}

}  // namespace
}  // namespace morovan
