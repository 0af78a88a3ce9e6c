#include <gtest/gtest.h>

#include "Game.h"
#include "platform/FakePlatform.h"
#include "view/Texts.h"
#include "view/ViewTestSupport.h"

namespace morovan {
namespace {

using testing::FakePlatform;
using testing::textAt;

TEST(Texts, ConversionsToText) {
  EXPECT_EQ(文字列変換(7), "７");
  EXPECT_EQ(文字列変換(1005), "五");
  EXPECT_EQ(文字列変換(-41), "銀成");
  EXPECT_EQ(文字列変換(99), "");
  EXPECT_EQ(文字列変換(51), "");
  EXPECT_EQ(変換_数字から文字(0), "00");
  EXPECT_EQ(変換_数字から文字(59), "59");
  EXPECT_EQ(変換_数字から文字(100), "");
  EXPECT_EQ(gradeText(-10), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人");
  EXPECT_EQ(gradeText(10), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級");
  EXPECT_EQ(gradeText(11), "");
}

TEST(Texts, NumbersKeepASignPlaceAndNumeralsCoverOneToNine) {
  FakePlatform fp;
  Game g(fp.platform());
  描画_数値(g, 2, 3, 5, 4, 0, 14);
  描画_数値(g, 2, 3, -3, 4, 0, 14);
  描画_数値(g, 2, 3, 12.5, 4, 0, 14);
  描画_数値(g, 2, 3, 3, 4, 1, 12);
  描画_数値(g, 2, 3, 0, 4, 1, 12);  // sets the font, prints nothing
  EXPECT_EQ(fp.calls("text"),
            (std::vector<std::string>{textAt(2, 3, " 5"), textAt(2, 3, "-3"), textAt(2, 3, " 12.5"),
                                      textAt(2, 3, "三")}));
  EXPECT_EQ(fp.calls("fontsize").size(), 5u);
}

TEST(Texts, MoveCountShiftsLeftPerDigitWhileItsCaptionStays) {
  FakePlatform fp;
  Game g(fp.platform());
  const std::pair<int, std::vector<std::string>> cases[] = {
      {9, {"text 7633.5 2191  9", "text 7584 2129.5  9"}},
      {10, {"text 7584 2191  10", "text 7534.5 2129.5  10"}},
      {100, {"text 7534.5 2191 100", "text 7485 2129.5 100"}}};
  for (const auto& [n, number] : cases) {
    fp.log.clear();
    描画_手数(g, n, 3);  // the colour argument is not used
    EXPECT_EQ(fp.calls("text"),
              (std::vector<std::string>{number[0], number[1], "text 8050.5 2228 手目",
                                        "text 8001 2166.5 手目"}));
    EXPECT_EQ(fp.calls("colour"),
              (std::vector<std::string>{"colour 0", "colour 15", "colour 0", "colour 15"}));
    // Only the count's own cells are cleared: column 12 shows the pawns in hand.
    EXPECT_EQ(fp.calls("picture"),
              (std::vector<std::string>{"picture 0 7485 1945", "picture 0 7980 1945"}))
        << n;
  }
}

TEST(Texts, HandicapMessageBreaksWithCarriageReturnsOnly) {
  FakePlatform fp;
  Game g(fp.platform());
  描画_メッセージ(g, 3);
  EXPECT_EQ(
      fp.messages(),
      (std::vector<std::string>{"ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定|反転後ではできません\r\r局面→最初にして下さい"}));
}

}  // namespace
}  // namespace morovan
