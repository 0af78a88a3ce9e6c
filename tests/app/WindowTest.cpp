#include <gtest/gtest.h>

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "AppTestSupport.h"
#include "MainWindow.h"
#include "flow/MenuDispatch.h"
#include "model/Types.h"
#include "view/ViewState.h"

namespace morovan {
namespace {

using apptest::showsPicture;

// A time of day that moves only when told to, or by a blocking wait's pause.
class SteppingClock : public Clock {
 public:
  double timeOfDay() override { return now; }
  void sleepBriefly(double seconds) override { now += seconds; }
  double now = 36000;
};

// The window as main() starts it, offscreen, with message boxes answered and
// the clock in the test's hands.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<MainWindow>(Folders{}, &clock);
    window->start();
    QTest::qWait(20);
  }
  void TearDown() override {
    // The game may already have ended; closing again must be harmless.
    window->close();
    window.reset();
  }
  Game& g() { return window->game(); }
  QAction* action(const char* item) {
    QAction* a = window->menuAction(item);
    EXPECT_NE(a, nullptr) << item;
    return a;
  }
  // The centre of a cell in the canvas widget's logical pixels.
  QPoint cellCentre(int col, int row) const {
    return QPoint(static_cast<int>((cellX(col) + kSquareWidth / 2) / kTwipsPerPixel),
                  static_cast<int>((cellY(row) + kSquareHeight / 2) / kTwipsPerPixel));
  }
  QApplication& app = apptest::application();  // before anything of Qt's
  SteppingClock clock;
  apptest::BoxAnswerer boxes;
  std::unique_ptr<MainWindow> window;
};

// The picture a cell of the start-up screen must show.
int expectedPicture(const Game& g, int col, int row) {
  const int code = g.pos.BoardPieces[col][row];
  if (!isComputerPiece(code)) return code;
  const int mark = g.pos.EnemyMarks[col][row];
  return mark == kMarkBlue || mark == kMarkRed ? mark : kPictureUnknown;
}

TEST_F(WindowTest, StartUpScreenShowsBoardPiecesHiddenPiecesAndBackground) {
  ASSERT_EQ(g().state.ScreenOn, kOn);
  const QtCanvas& canvas = window->canvas();
  const Artwork artwork(canvas.image().devicePixelRatio());
  const int skip = static_cast<int>(std::ceil(canvas.image().devicePixelRatio()));
  auto shows = [&](int code, double col, double row) {
    const QImage* picture = artwork.picture(code);
    if (picture == nullptr) return false;
    return showsPicture(canvas.image(), canvas.toDevice(cellX(col)), canvas.toDevice(cellY(row)),
                        *picture, skip);
  };
  int empty = 0, human = 0, hidden = 0;
  for (int col = 1; col <= kBoardSize; ++col) {
    for (int row = 1; row <= kBoardSize; ++row) {
      const int code = g().pos.BoardPieces[col][row];
      EXPECT_TRUE(shows(expectedPicture(g(), col, row), col, row)) << col << "," << row;
      empty += code == kEmpty;
      human += isHumanPiece(code);
      hidden += isComputerPiece(code);
    }
  }
  // A fresh game has all three kinds of square.
  EXPECT_GT(empty, 0);
  EXPECT_GT(human, 0);
  EXPECT_GT(hidden, 0);
  // Far from any text: a background tile, and the first tile row seen whole.
  const int background = g().view.BackgroundPicture;
  EXPECT_TRUE(shows(background, 20, 15)) << background;
  EXPECT_TRUE(shows(background, 24, 17)) << background;
  // The icon comes once the window has been painted.
  EXPECT_TRUE(QTest::qWaitFor([&] { return !window->windowIcon().isNull(); }, 10000));
  // What a box with an empty title is called.
  EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Morovan"));
  // The widget shows the image: the window is the size the game asked for.
  EXPECT_GE(window->canvasWidget().width(), 9400 / kTwipsPerPixel - 40);
}

TEST_F(WindowTest, MenuBarFollowsTheItemTableWithCommandsOnTheBar) {
  std::vector<std::pair<std::string, int>> built;
  std::function<void(const QList<QAction*>&, int)> walk = [&](const QList<QAction*>& actions,
                                                              int depth) {
    for (QAction* a : actions) {
      // The caption proper; a key follows it after a tab.
      built.push_back({a->text().section(QChar('\t'), 0, 0).toStdString(), depth});
      if (a->menu() != nullptr) walk(a->menu()->actions(), depth + 1);
    }
  };
  walk(window->menuBar()->actions(), 0);
  std::vector<std::pair<std::string, int>> table;
  for (const MenuItem& item : menuItems()) table.push_back({item.caption, item.depth});
  EXPECT_EQ(built, table);

  EXPECT_TRUE(action(menu::SENTE)->text().endsWith(QStringLiteral("\tCtrl+1")));
  for (const char* command : {"REPLAY", "AFTER", "LBEL_UP", "LEBEL_DOWN"}) {
    EXPECT_EQ(action(command)->menu(), nullptr) << command;
    EXPECT_TRUE(window->menuBar()->actions().contains(action(command))) << command;
  }
  for (const char* menu : {"TAIKYOKU", "STOP", "KIFU", "OPTION", "LEVEL", "HAIKEI_GA", "VER"}) {
    EXPECT_NE(action(menu)->menu(), nullptr) << menu;
  }
}

TEST_F(WindowTest, OnlyTheGameDecidesCheckMarks) {
  EXPECT_TRUE(action(menu::LEVEL3)->isChecked());
  action(menu::LEVEL3)->trigger();  // Qt alone would clear it
  EXPECT_TRUE(action(menu::LEVEL3)->isChecked());
  action(menu::LEVEL1)->trigger();
  EXPECT_TRUE(action(menu::LEVEL1)->isChecked());
  EXPECT_FALSE(action(menu::LEVEL3)->isChecked());
  EXPECT_EQ(g().state.ComputerLevel, 1);
  action(menu::LEVEL3)->trigger();  // the next start's level as it was

  ASSERT_FALSE(action(menu::ICHIJI)->isChecked());
  action(menu::ICHIJI)->trigger();
  EXPECT_TRUE(action(menu::ICHIJI)->isChecked());
  EXPECT_EQ(g().state.ScreenOn, kOff);
  action(menu::ICHIJI)->trigger();
  EXPECT_FALSE(action(menu::ICHIJI)->isChecked());
  EXPECT_EQ(g().state.ScreenOn, kOn);
}

TEST_F(WindowTest, LevelsAndBackgroundsAreRadioChoicesWithOneMark) {
  for (const std::vector<const char*>& choices :
       {std::vector<const char*>{"LEVEL1", "LEVEL2", "LEVEL3", "LEVEL4"},
        std::vector<const char*>{"MIDORI", "TATAMI", "TAKE", "UCHU", "RENGA"}}) {
    QActionGroup* group = action(choices.front())->actionGroup();
    ASSERT_NE(group, nullptr) << choices.front();
    EXPECT_TRUE(group->isExclusive());
    EXPECT_EQ(group->actions().size(), static_cast<qsizetype>(choices.size()));
    // Each item in turn, and each twice: the one clicked is the only one marked.
    for (const char* item : choices) {
      for (int twice = 0; twice < 2; ++twice) {
        action(item)->trigger();
        for (const char* other : choices)
          EXPECT_EQ(action(other)->isChecked(), std::string(other) == item) << item << " " << other;
      }
    }
  }
  EXPECT_EQ(g().view.BackgroundPicture, kPictureRenga);
  EXPECT_EQ(g().state.ComputerLevel, 4);
  action(menu::MIDORI)->trigger();  // the settings file as it was
  action(menu::LEVEL3)->trigger();  // and the level
}

TEST(WindowClockTest, TheClockGoesOnWhileAMessageBoxWaits) {
  apptest::application();
  SteppingClock clock;
  MainWindow window(Folders{}, &clock);
  window.start();
  double seen = -1;
  // SENTE starts the human's clock, then asks "MANの番です": while the box
  // waits, time passes and the ticks must still read it.
  QTimer poll;
  int polls = 0;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    if (polls++ == 0) clock.now += 1.3;
    seen = window.game().state.MoveTime;
    if (seen > 1.0 || polls > 1000) box->button(QMessageBox::Ok)->click();
  });
  poll.start(10);
  window.menuAction("SENTE")->trigger();
  EXPECT_GT(seen, 1.0);
  window.close();
}

TEST(QtDialogsTest, YesNoQuestionsAnswerInJapanese) {
  apptest::application();
  std::vector<QString> captions;
  QTimer::singleShot(50, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    for (QAbstractButton* b : box->buttons()) captions.push_back(b->text());
    box->button(QMessageBox::No)->click();
  });
  QtDialogs dialogs(nullptr);
  EXPECT_EQ(dialogs.message("再ゲーム", "続けますか？", Buttons::YesNo, Icon::None), Answer::No);
  std::sort(captions.begin(), captions.end());
  EXPECT_EQ(captions,
            (std::vector<QString>{QStringLiteral("いいえ(&N)"), QStringLiteral("はい(&Y)")}));
}

TEST_F(WindowTest, OpeningAMenuClosesTheRecordPanel) {
  action(menu::KIFU_READ)->trigger();
  auto* file1 = window->findChild<QWidget*>("File1");
  ASSERT_NE(file1, nullptr);
  ASSERT_TRUE(file1->isVisible());
  emit action(menu::OPTION)->menu()->aboutToShow();
  EXPECT_FALSE(file1->isVisible());

  action(menu::KIFU_READ)->trigger();
  ASSERT_TRUE(file1->isVisible());
  emit action(menu::TAIKYOKU)->menu()->aboutToShow();
  EXPECT_FALSE(file1->isVisible());
}

TEST_F(WindowTest, MousePressesReachTheGameInTwipsAndTheTimerTicks) {
  action(menu::SENTE)->trigger();
  ASSERT_EQ(g().state.Turn, g().state.HumanSide);
  // Select a pawn of the human's by clicking the middle of its square.
  int col = 0, row = 0;
  for (int c = 1; c <= kBoardSize && col == 0; ++c)
    for (int r = kBoardSize; r >= 1 && col == 0; --r)
      if (g().pos.BoardPieces[c][r] == -kPawn) col = c, row = r;
  ASSERT_NE(col, 0);
  QTest::mouseClick(&window->canvasWidget(), Qt::LeftButton, {}, cellCentre(col, row));
  EXPECT_EQ(g().state.SelectState, 1);
  EXPECT_EQ(g().state.Selection.FromX, col);
  EXPECT_EQ(g().state.Selection.FromY, row);

  // The human's clock runs: Timer1 keeps MoveTime current between events.
  clock.now += 1.3;
  EXPECT_TRUE(QTest::qWaitFor([&] { return g().state.MoveTime > 1.0; }, 10000));
}

TEST_F(WindowTest, AResizedWindowScalesThePictureAndAClickSelectsTheSquareUnderIt) {
  action("SENTE")->trigger();
  CanvasWidget& area = window->canvasWidget();
  const QSize picture = area.pictureSize();
  ASSERT_EQ(area.size(), picture);  // the start size shows the picture unscaled
  // Half as large again, with room to spare below: the picture is centred.
  window->resize(window->size() + QSize(picture.width() / 2, picture.height()));
  // The picture is repainted for the new size once the size has rested.
  for (int waited = 0; waited < 5000 && window->canvas().scale() == 1.0; waited += 20) {
    QTest::qWait(20);
  }
  ASSERT_EQ(area.width(), picture.width() * 3 / 2);
  EXPECT_DOUBLE_EQ(window->canvas().scale(), 1.5);
  const double top = std::floor((area.height() - picture.height() * 1.5) / 2);
  // The last pixel inside the square of the human's pawn on 5七: one pixel
  // further and it would be the next pawn's or an empty square's.
  ASSERT_EQ(g().pos.BoardPieces[5][7], -kPawn);
  const QPoint corner(static_cast<int>(std::ceil(cellX(6) / kTwipsPerPixel * 1.5)) - 1,
                      static_cast<int>(std::ceil(top + cellY(8) / kTwipsPerPixel * 1.5)) - 1);
  QTest::mouseClick(&area, Qt::LeftButton, {}, corner);
  EXPECT_EQ(g().state.SelectState, 1);
  EXPECT_EQ(g().state.Selection.FromX, 5);
  EXPECT_EQ(g().state.Selection.FromY, 7);
}

TEST_F(WindowTest, AnAbsurdSizeIsHeldWhereThePictureStopsGrowing) {
  const QSize start = window->size();
  window->resize(20000, 20000);
  const double largest = kLargestDeviceScale / window->devicePixelRatioF();
  EXPECT_LE(window->width(),
            std::max<int>(start.width() * largest,
                          QGuiApplication::primaryScreen()->virtualSize().width()));
  EXPECT_LE(window->height(),
            std::max<int>(start.height() * largest,
                          QGuiApplication::primaryScreen()->virtualSize().height()));
  EXPECT_GT(window->width(), start.width() * 2);
}

TEST_F(WindowTest, AMovePlayedWithTheMouseShowsOnTheCanvas) {
  action(menu::SENTE)->trigger();
  const int col = 5;
  ASSERT_EQ(g().pos.BoardPieces[col][7], -kPawn);
  QTest::mouseClick(&window->canvasWidget(), Qt::LeftButton, {}, cellCentre(col, 7));
  QTest::mouseClick(&window->canvasWidget(), Qt::LeftButton, {}, cellCentre(col, 6));
  // The computer has answered inside the same click.
  ASSERT_EQ(g().pos.BoardPieces[col][6], -kPawn);
  EXPECT_EQ(g().state.MoveNumber, 2);
  EXPECT_EQ(g().state.Turn, g().state.HumanSide);

  const QtCanvas& canvas = window->canvas();
  const Artwork artwork(canvas.image().devicePixelRatio());
  const int skip = static_cast<int>(std::ceil(canvas.image().devicePixelRatio()));
  auto shows = [&](int code, int c, int r) {
    return showsPicture(canvas.image(), canvas.toDevice(cellX(c)), canvas.toDevice(cellY(r)),
                        *artwork.picture(code), skip);
  };
  EXPECT_TRUE(shows(-kPawn, col, 6));
  EXPECT_TRUE(shows(kEmpty, col, 7));
}

TEST_F(WindowTest, EscEndsTheProgramOnceAndTheWindowThenCloses) {
  QTest::keyClick(&window->canvasWidget(), Qt::Key_A);
  EXPECT_FALSE(g().ending);
  QTest::keyClick(&window->canvasWidget(), Qt::Key_Escape);
  EXPECT_TRUE(g().ending);
  EXPECT_TRUE(window->close());
}

TEST_F(WindowTest, EscTypedIntoTheRecordPanelStaysThere) {
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  action(menu::KIFU_WRITE)->trigger();
  auto* name = window->findChild<QWidget*>("Text1");
  ASSERT_NE(name, nullptr);
  ASSERT_TRUE(name->isVisible());
  name->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), name);
  QTest::keyClick(name, Qt::Key_Escape);
  EXPECT_FALSE(g().ending);
  // Back on the board, Esc ends the program as ever.
  window->canvasWidget().setFocus();
  QTest::keyClick(&window->canvasWidget(), Qt::Key_Escape);
  EXPECT_TRUE(g().ending);
}

TEST_F(WindowTest, ClosingTheWindowShutsTheGameDown) {
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(g().ending);
}

}  // namespace
}  // namespace morovan

namespace morovan {
namespace {

TEST_F(WindowTest, KeysMoveAVisibleCursorThatTheMouseHidesAndMenuKeysActAsTheirItems) {
  EXPECT_TRUE(window->canvas().cursor().isEmpty()) << "a mouse player sees nothing new";
  QTest::keyClick(&window->canvasWidget(), Qt::Key_Up);
  EXPECT_EQ(window->canvas().cursor().topLeft(), QPointF(cellX(5), cellY(8)));
  QTest::mouseClick(&window->canvasWidget(), Qt::LeftButton, {}, cellCentre(1, 1));
  EXPECT_TRUE(window->canvas().cursor().isEmpty());

  window->activateWindow();
  QApplication::setActiveWindow(window.get());
  QTest::keyClick(window.get(), Qt::Key_1, Qt::ControlModifier);
  EXPECT_EQ(g().state.HumanSide, kSente);
  EXPECT_EQ(g().state.Turn, kSente) << "Ctrl+1 starts the game as 先手 does";
}

// The menus are reached from the keyboard in Japanese too, whose captions carry
// no underlined letters: Alt alone or F10 takes the bar, the arrows move along
// it, and a menu opened so tells the game as a click would.
TEST_F(WindowTest, AltOrF10TakesTheMenuBarWithoutAnUnderlinedLetter) {
  window->activateWindow();
  QApplication::setActiveWindow(window.get());
  QMenuBar* bar = window->menuBar();
  QTest::keyPress(window.get(), Qt::Key_Alt, Qt::AltModifier);
  QTest::keyRelease(window.get(), Qt::Key_Alt);
  EXPECT_EQ(bar->activeAction(), bar->actions().first()) << "Alt alone";
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
  EXPECT_EQ(bar->activeAction(), bar->actions().at(1));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_EQ(bar->activeAction(), nullptr);
  EXPECT_FALSE(g().ending) << "Esc leaving the bar does not end the game";

  QTest::keyClick(window.get(), Qt::Key_F10);
  QMenu* first = bar->actions().first()->menu();
  ASSERT_TRUE(QTest::qWaitFor([&] { return first->isVisible(); }, 2000))
      << "F10 opens the first menu";
  first->close();
}

}  // namespace
}  // namespace morovan
