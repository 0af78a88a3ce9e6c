// The English interface: every menu caption translated, every canvas text
// fitting the box its Japanese source fills, at every scale, and the windows
// for looking back in English.

#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QDockWidget>
#include <QFont>
#include <QFontMetricsF>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>
#include <string>

#include "AppTestSupport.h"
#include "MainWindow.h"
#include "options/Statistics.h"
#include "platform/MenuItems.h"
#include "platform/TempDirectory.h"
#include "platform/WholeFile.h"
#include "record/KeptGames.h"
#include "record/RecordFormat.h"
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

// A kept game won from 先手 at 2 kyu: a promotion, a recapture on its square
// and a drop.
void keepEnglishTestGame(const std::string& games, const std::string& file) {
  auto record = std::make_unique<GameRecord>();
  for (int n = 0; n <= 3; ++n) {
    record->RecordBoards[n][5][9] = -kKing;
    record->RecordBoards[n][5][1] = kKing;
  }
  record->RecordBoards[0][3][4] = -kPawn;
  record->RecordBoards[0][4][2] = kGold;
  record->RecordBoards[1][4][2] = kGold;
  record->RecordBoards[1][3][3] = -kPromotedPawn;
  for (int n = 2; n <= 3; ++n) record->RecordBoards[n][3][3] = kGold;
  record->RecordBoards[3][5][5] = -kSilver;
  for (int n = 0; n <= 2; ++n) record->RecordHumanHands[n][4] = 1;
  for (int n = 2; n <= 3; ++n) record->RecordComputerHands[n][1] = 1;
  const EncodedRecord encoded =
      encodeRecordFile({"あなたの勝ちです", "後手 コンピュータ LEVEL2", "先手 あなた"}, *record, 3);
  ASSERT_TRUE(writeFileWhole(games + "/" + file, encoded.bytes));
  ASSERT_TRUE(
      noteKeptGame(games, {file, 2, true, 0, false, std::string(64, 'a'), std::string(32, 'b')}));
}

TEST(EnglishTest, TheLookingBackWindowsReadInEnglishAndTheMoveListInLatinLabels) {
  apptest::application();
  testing::TempDirectory data;
  const std::string games = (data.path() / "棋譜").string();
  std::filesystem::create_directories(games);
  keepEnglishTestGame(games, "2026-12-08_21-04-33.棋譜");
  Statistics counted;
  countResult(counted, 2, kSente, false, -10, GameResult::Win);
  ASSERT_TRUE(writeFileWhole((data.path() / "Morovan.stats").string(), statisticsText(counted)));
  MainWindow window(Folders{data.path().string(), "", games});
  window.start();
  ASSERT_TRUE(window.useEnglish());
  window.game().view.LatinPieces = true;

  // The history's result, side, level and grade; the statistics' side and grade.
  std::vector<std::string> history, statistics;
  QTimer reader;
  reader.setInterval(10);
  QObject::connect(&reader, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || !dialog->isVisible()) return;
    if (auto* tree = dialog->findChild<QTreeWidget*>("History")) {
      for (int c = 1; c <= 4; ++c) history.push_back(tree->topLevelItem(0)->text(c).toStdString());
      dialog->accept();
    } else if (auto* table = dialog->findChild<QTableWidget*>("Statistics")) {
      for (int c : {1, 9}) statistics.push_back(table->item(0, c)->text().toStdString());
      dialog->reject();
    }
  });
  reader.start();
  window.menuAction(menu::SEISEKI)->trigger();
  EXPECT_EQ(statistics, (std::vector<std::string>{"Sente (first)", "Meijin"}));
  window.menuAction(menu::RIREKI)->trigger();
  EXPECT_EQ(history, (std::vector<std::string>{"Won", "Sente (first)", "LEVEL2", "2 kyu"}));
  // The result read in English still opens a finished game face up.
  EXPECT_EQ(window.game().state.ScreenOn, kOff);

  QDockWidget* dock = window.reviewWindows().moveDock();
  ASSERT_NE(dock, nullptr);
  auto* list = dock->findChild<QListWidget*>();
  ASSERT_NE(list, nullptr);
  std::vector<std::string> moves;
  for (int i = 1; i < list->count(); ++i) moves.push_back(list->item(i)->text().toStdString());
  EXPECT_EQ(moves, (std::vector<std::string>{"  1 ▲７三P+(74)", "  2 △７三G(62)", "  3 ▲５五S*"}));
  for (QLabel* label : dock->findChildren<QLabel*>())
    EXPECT_FALSE(hasJapanese(label->text())) << label->text().toStdString();
  window.close();
}

}  // namespace
}  // namespace morovan
