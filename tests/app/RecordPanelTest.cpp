#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QTest>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "Game.h"
#include "QtRecordPanel.h"
#include "platform/FakePlatform.h"
#include "platform/TempDirectory.h"
#include "record/RecordFiles.h"
#include "view/Texts.h"

namespace morovan {
namespace {

namespace fs = std::filesystem;

// The QApplication of the test program. It is never destroyed: Qt cannot take it
// down after main() has returned.
QApplication& application() {
  if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) return *app;
  static int argc = 1;
  static char name[] = "morovan_app_tests";
  static char* argv[] = {name, nullptr};
  return *new QApplication(argc, argv);
}

// The real panel on an offscreen area, with the game's other platform parts faked.
class RecordPanelTest : public ::testing::Test {
 protected:
  RecordPanelTest() : panel(&area_), g(platform(), 1) {}

  void SetUp() override {
    area_.resize(627, 480);
    area_.show();
    panel.setGame(&g);
  }
  Platform platform() {
    return Platform{fp.canvas, fp.dialogs, fp.sound,  fp.clock, fp.timer,
                    fp.menu,   panel,      fp.window, fp.hash};
  }
  template <typename W>
  W* control(const char* name) {
    W* w = area_.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QStringList items(const char* list) {
    QStringList out;
    auto* w = control<QListWidget>(list);
    for (int i = 0; i < w->count(); ++i) out << w->item(i)->text();
    return out;
  }
  QListWidgetItem* item(const char* list, const QString& text) {
    const auto found = control<QListWidget>(list)->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.front();
  }
  void clickItem(const char* list, const QString& text, bool twice) {
    auto* w = control<QListWidget>(list);
    QListWidgetItem* it = item(list, text);
    ASSERT_NE(it, nullptr) << text.toStdString();
    const QPoint at = w->visualItemRect(it).center();
    if (twice) {
      // The view activates only an item that a press has already landed on.
      QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, at);
      QTest::mouseDClick(w->viewport(), Qt::LeftButton, {}, at);
    } else
      QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, at);
  }
  QString qdir() const { return QString::fromStdString(dir.string()); }

  testing::FakePlatform fp;
  QApplication& app_ = application();  // before any widget
  QWidget area_;
  QtRecordPanel panel;
  Game g;
  testing::TempDirectory temp;
  const fs::path& dir = temp.path();
};

TEST_F(RecordPanelTest, ShowsTheControlsOfEachCommandAndEmptiesTheFieldsOnHide) {
  QWidget* box = panel.panelWidget();
  EXPECT_FALSE(box->isVisible());

  KIFU_READ_Click(g);
  EXPECT_TRUE(box->isVisible());
  for (const char* shown : {"Drive1", "Dir1", "File1"})
    EXPECT_TRUE(control<QWidget>(shown)->isVisible()) << shown;
  for (const char* hidden : {"Text1", "Text2", "Text3", "Text4", "Label1_0", "Command1"})
    EXPECT_FALSE(control<QWidget>(hidden)->isVisible()) << hidden;
  // An opaque box at the left edge, clear of the human's side of the board.
  EXPECT_TRUE(box->autoFillBackground());
  EXPECT_EQ(box->x(), 0);
  EXPECT_LT(box->geometry().bottom(), 300);

  KIFU_WRITE_Click(g);
  EXPECT_FALSE(control<QWidget>("File1")->isVisible());
  EXPECT_TRUE(control<QWidget>("Drive1")->isVisible());
  const std::pair<const char*, const char*> rows[] = {
      {"Label1_0", "Text1"}, {"Label1_1", "Text4"}, {"Label1_2", "Text3"}, {"Label1_3", "Text2"}};
  for (const auto& [labelName, fieldName] : rows) {
    auto* label = control<QLabel>(labelName);
    auto* field = control<QLineEdit>(fieldName);
    EXPECT_TRUE(label->isVisible() && field->isVisible()) << fieldName;
    EXPECT_EQ(label->geometry().top(), field->geometry().top()) << fieldName;
    EXPECT_LT(label->geometry().right(), field->geometry().left()) << fieldName;
  }
  EXPECT_EQ(control<QLabel>("Label1_0")->text(), "ﾌｧｲﾙ名 ：");
  EXPECT_EQ(control<QLabel>("Label1_1")->text(), "後    手 ：");
  EXPECT_EQ(control<QLabel>("Label1_2")->text(), "先    手 ：");
  EXPECT_EQ(control<QLabel>("Label1_3")->text(), "対 局 名：");
  EXPECT_EQ(control<QPushButton>("Command1")->text(), "RETURN");
  EXPECT_TRUE(
      box->geometry().contains(control<QWidget>("Command1")->geometry().translated(box->pos())));

  QTest::keyClicks(control<QLineEdit>("Text1"), "game one");
  // QTest types ASCII only; a Japanese name arrives as an input method would put it.
  control<QLineEdit>("Text3")->insert("先手");
  EXPECT_EQ(panel.text(1), "game one");
  EXPECT_EQ(panel.text(3), "先手");
  描画_棋譜_IO(g, 1);
  EXPECT_EQ(panel.text(1), "");
  EXPECT_EQ(panel.text(3), "");
  KIFU_WRITE_Click(g);
  EXPECT_TRUE(control<QLineEdit>("Text1")->text().isEmpty());

  // A window that is busy with another game event holds the click back.
  int entries = 0;
  panel.setGameEntry([&](const std::function<void()>&) { ++entries; });
  QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
  EXPECT_EQ(entries, 1);
  // Enter in the file-name field is RETURN; in the other fields it is not.
  QTest::keyClick(control<QLineEdit>("Text1"), Qt::Key_Return);
  EXPECT_EQ(entries, 2);
  QTest::keyClick(control<QLineEdit>("Text2"), Qt::Key_Return);
  EXPECT_EQ(entries, 2);
  EXPECT_TRUE(fp.messages().empty());

  描画_可視(g, false, false, false);
  描画_棋譜_IO(g, 1);
  EXPECT_FALSE(box->isVisible());
}

TEST_F(RecordPanelTest, ControlsAreMadeOnFirstOpeningWithTheListsOfTheFolderChosenBefore) {
  std::ofstream(dir / "a.棋譜") << "x";
  fs::create_directory(dir / "sub");
  panel.Dir1_Change(qdir());
  EXPECT_EQ(area_.findChild<QWidget*>("File1"), nullptr);
  EXPECT_EQ(panel.text(1), "");
  描画_棋譜_IO(g, 1);  // hiding what was never shown makes nothing

  KIFU_READ_Click(g);
  EXPECT_EQ(panel.directory(), dir.string());
  EXPECT_EQ(items("File1"), QStringList{"a.棋譜"});
  EXPECT_EQ(items("Dir1").front(), qdir());
  EXPECT_TRUE(items("Dir1").contains("sub"));
  EXPECT_EQ(control<QComboBox>("Drive1")->currentText(), QStorageInfo(qdir()).rootPath());
}

TEST_F(RecordPanelTest, ListsFollowTheChosenDirectoryAndFilesAreWrittenAndReadThere) {
  std::ofstream(dir / "a.棋譜") << "x";
  fs::last_write_time(dir / "a.棋譜", fs::file_time_type::clock::now() - std::chrono::hours(1));
  std::ofstream(dir / "b.txt") << "x";
  fs::create_directory(dir / "sub");
  std::ofstream(dir / "sub" / "d.棋譜") << "x";
  EXPECT_EQ(panel.directory(), QDir::currentPath().toStdString());

  KIFU_READ_Click(g);
  panel.Dir1_Change(qdir());
  EXPECT_EQ(items("File1"), QStringList{"a.棋譜"});
  EXPECT_TRUE(items("Dir1").contains("sub"));
  EXPECT_TRUE(items("Dir1").contains(".."));
  clickItem("Dir1", "sub", true);
  EXPECT_EQ(panel.directory(), (dir / "sub").string());
  EXPECT_EQ(items("File1"), QStringList{"d.棋譜"});
  clickItem("Dir1", "..", true);
  EXPECT_EQ(panel.directory(), dir.string());

  // A volume that is not ready: a message, and Dir1 stays.
  panel.Drive1_Change("/no/such/volume");
  EXPECT_EQ(fp.messages(), std::vector<std::string>{"ｴﾗｰ|ﾃﾞﾊﾞｲｽが準備できていません"});
  EXPECT_EQ(panel.directory(), dir.string());

  // Write a one-move game with RETURN; it lands in the chosen directory.
  for (int n = 0; n <= 1; ++n) {
    g.record.RecordBoards[n][5][1] = kKing;
    g.record.RecordBoards[n][5][9 - n] = -kKing;
  }
  g.state.RecordLength = 1;
  KIFU_WRITE_Click(g);
  control<QLineEdit>("Text1")->insert("一手");
  QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
  EXPECT_EQ(fp.messages().back(), "  |棋譜を書き込みました");
  EXPECT_TRUE(fs::exists(dir / "一手.棋譜"));
  EXPECT_FALSE(panel.panelWidget()->isVisible());

  // Reading: a click on the name in File1.
  KIFU_READ_Click(g);
  EXPECT_EQ(items("File1"), (QStringList{"一手.棋譜", "a.棋譜"}));
  clickItem("File1", "一手.棋譜", false);
  EXPECT_EQ(fp.messages().back(), "棋譜|棋譜を '進 'で進めて下さい");
  EXPECT_EQ(g.state.ReplayMode, kOn);
  EXPECT_EQ(g.state.RecordLength, 1);
  EXPECT_FALSE(control<QWidget>("File1")->isVisible());
}

// The kept games' names are long and many: the newest come first, each name
// shows whole, and eight rows at least are in view.
TEST_F(RecordPanelTest, FileListShowsTheNewestFirstWholeNamesAndEightRows) {
  QStringList newestFirst;
  for (int age = 0; age < 12; ++age) {
    const std::string name = "2026-12-" + std::to_string(20 - age) + "_21-04-33.棋譜";
    std::ofstream(dir / name) << "x";
    fs::last_write_time(dir / name, fs::file_time_type::clock::now() - std::chrono::hours(age));
    newestFirst << QString::fromStdString(name);
  }
  const std::string longName = "王手飛車取りを見逃した長い長い対局の記録.棋譜";
  std::ofstream(dir / longName) << "x";
  fs::last_write_time(dir / longName, fs::file_time_type::clock::now() - std::chrono::hours(99));
  newestFirst << QString::fromStdString(longName);

  KIFU_READ_Click(g);
  panel.Dir1_Change(qdir());
  EXPECT_EQ(items("File1"), newestFirst);
  auto* list = control<QListWidget>("File1");
  for (const QString& name : newestFirst)
    EXPECT_LE(list->fontMetrics().horizontalAdvance(name), list->viewport()->width())
        << name.toStdString();
  EXPECT_GE(list->viewport()->height(), 8 * list->sizeHintForRow(0));
  EXPECT_TRUE(panel.panelWidget()->rect().contains(list->geometry()));
}

}  // namespace
}  // namespace morovan
