#include <gtest/gtest.h>

#include <QDockWidget>
#include <QListWidget>
#include <QTest>
#include <filesystem>

#include "AppTestSupport.h"
#include "MainWindow.h"
#include "platform/MenuItems.h"
#include "platform/TempDirectory.h"
#include "platform/WholeFile.h"
#include "record/RecordFormat.h"
#include "record/Review.h"

namespace morovan {
namespace {

// The move list beside the board and the game stay in step whichever side moves.
TEST(ReviewWindowTest, TheMoveListAndTheBoardFollowEachOther) {
  QApplication& app = apptest::application();
  (void)app;
  apptest::BoxAnswerer boxes;
  testing::TempDirectory data;
  const std::string games = (data.path() / "棋譜").string();
  std::filesystem::create_directories(games);

  // A pawn walks up three squares: entries 0..3.
  auto record = std::make_unique<GameRecord>();
  for (int n = 0; n <= 3; ++n) {
    record->RecordBoards[n][5][1] = kKing;
    record->RecordBoards[n][5][9] = -kKing;
    record->RecordBoards[n][1][7 - n] = -kPawn;
  }
  const EncodedRecord encoded =
      encodeRecordFile({"あなたの勝ちです", "後手 コンピュータ LEVEL2", "先手 あなた"}, *record, 3);
  const std::string file = "2026-12-08_21-04-33.棋譜";
  ASSERT_TRUE(writeFileWhole(games + "/" + file, encoded.bytes));

  MainWindow window(Folders{data.path().string(), "", games});
  window.start();
  const int width = window.width();
  ASSERT_TRUE(openKeptGame(window.game(), file));
  QTest::qWait(20);
  QDockWidget* dock = window.reviewWindows().moveDock();
  auto* list = dock->findChild<QListWidget*>();
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(dock->isVisible());
  EXPECT_GT(window.width(), width);
  ASSERT_EQ(list->count(), 4);
  EXPECT_EQ(list->currentRow(), 0);

  QTest::keyClick(list, Qt::Key_Right);
  EXPECT_EQ(window.game().state.RecordIndex, 1);
  EXPECT_EQ(window.game().pos.BoardPieces[1][6], -kPawn);
  QTest::keyClick(list, Qt::Key_End);
  EXPECT_EQ(window.game().state.RecordIndex, 3);
  EXPECT_EQ(list->currentRow(), 3);
  const QRect second = list->visualItemRect(list->item(2));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
  EXPECT_EQ(window.game().state.RecordIndex, 2);

  window.menuAction(menu::REPLAY)->trigger();
  EXPECT_EQ(list->currentRow(), 1);
  QTest::keyClick(list, Qt::Key_Home);
  EXPECT_EQ(window.game().state.RecordIndex, 0);

  window.menuAction(menu::CANCEL)->trigger();
  EXPECT_FALSE(dock->isVisible());
  EXPECT_EQ(window.width(), width);
  window.close();
}

}  // namespace
}  // namespace morovan
