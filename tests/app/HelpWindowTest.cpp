// The 遊び方 window on a screen smaller than its text.

#include <gtest/gtest.h>

#include <QDialog>
#include <QDialogButtonBox>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>

#include "AppTestSupport.h"
#include "QtPlatform.h"
#include "options/HowToPlay.h"

namespace morovan {
namespace {

// Taller than the screen, the window would put 閉じる out of reach; it takes
// the room there is and the text scrolls.
TEST(HelpWindowTest, FitsTheScreenScrollsAndKeepsItsCloseButtonInReach) {
  apptest::application();
  QWidget parent;
  QtDialogs dialogs(&parent);
  dialogs.showText("遊び方", howToPlayText());
  auto* window = parent.findChild<QDialog*>();
  ASSERT_NE(window, nullptr);
  const QRect room = window->screen()->availableGeometry();
  EXPECT_LT(window->frameGeometry().height(), room.height());
  EXPECT_LT(window->frameGeometry().width(), room.width());
  auto* close = window->findChild<QDialogButtonBox*>();
  ASSERT_NE(close, nullptr);
  EXPECT_TRUE(window->rect().contains(QRect(close->mapTo(window, QPoint()), close->size())));
  EXPECT_GT(window->findChild<QTextBrowser*>()->verticalScrollBar()->maximum(), 0);
  window->close();
}

}  // namespace
}  // namespace morovan
