// The English interface: every menu caption translated, and every canvas text
// fitting the box its Japanese source fills, at every scale.

#include <gtest/gtest.h>

#include <QAction>
#include <QFont>
#include <QFontMetricsF>
#include <QMenuBar>
#include <string>

#include "AppTestSupport.h"
#include "MainWindow.h"
#include "view/Texts.h"
#include "view/ViewState.h"

namespace morovan {
namespace {

bool hasJapanese(const QString& text) {
  for (QChar c : text) {
    // Kana, kanji, full-width and half-width forms; △ and ▽ are marks, not words.
    const ushort u = c.unicode();
    if ((u >= 0x3000 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF)) return true;
  }
  return false;
}

TEST(EnglishTest, EveryMenuCaptionIsEnglish) {
  apptest::application();
  MainWindow window;
  ASSERT_TRUE(window.useEnglish());
  for (QAction* action : window.findChildren<QAction*>()) {
    // The language choice names Japanese in Japanese.
    if (action->text() == QStringLiteral("日本語")) continue;
    EXPECT_FALSE(hasJapanese(action->text())) << action->text().toStdString();
  }
}

// A canvas text's room: it starts at `x` twips in a font of `points` and must
// end before `limit`, where the next cell or the window's edge begins.
struct Room {
  std::string source;
  double x, points, limit;
};

TEST(EnglishTest, EveryTranslatedCanvasTextFitsWhereItsJapaneseStood) {
  apptest::application();
  MainWindow window;
  ASSERT_TRUE(window.useEnglish());
  std::vector<Room> rooms;
  // The handicap grade fills cells 11..14 of row 1 from 120 twips in.
  for (int level = -10; level <= 10; ++level) {
    rooms.push_back({gradeText(level), cellX(11) + 120, 10, cellX(15)});
  }
  // "手目" follows the move count in cells 12..14 of row 3.
  rooms.push_back({gradeText(99), cellX(13.8) + 120, 10, cellX(15)});
  // The thinking caption stands in the computer's move text, left of the board.
  rooms.push_back({"思考中", cellX(-1.6), 12, cellX(1)});
  Game& g = window.game();
  for (double scale : {1.0, 2.0}) {
    for (const Room& room : rooms) {
      const std::string english = shown(g, "Board", room.source);
      EXPECT_NE(english, room.source) << room.source << " has no translation";
      // As the canvas sets it: points are twentieths of twips, 15 twips a pixel.
      QFont font(QStringLiteral("IPAexGothic"));
      font.setPixelSize(static_cast<int>(std::lround(room.points * 20 / 15 * scale)));
      const double width = QFontMetricsF(font).horizontalAdvance(QString::fromStdString(english));
      EXPECT_LE(room.x + width * 15 / scale, room.limit) << english << " at scale " << scale;
    }
  }
}

}  // namespace
}  // namespace morovan
