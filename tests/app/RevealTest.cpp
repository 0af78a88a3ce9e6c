// What the temporary display leaves behind on the real canvas once it ends.

#include <gtest/gtest.h>

#include "AppTestSupport.h"
#include "Game.h"
#include "QtCanvas.h"
#include "flow/PositionMenu.h"
#include "model/NewGame.h"
#include "platform/FakePlatform.h"
#include "view/Screen.h"

namespace morovan {
namespace {

// Outlines fall on the first pixel row and column of the next cell, and the
// hand's tiles are a pixel wider than their cells: showing the hand face up and
// hiding it again leaves no trace below the column or on the board's edge, at
// every pixel ratio.
TEST(RevealTest, EndingTheTemporaryDisplayLeavesTheScreenAsItWas) {
  apptest::application();
  for (const qreal ratio : {1.0, 1.5, 2.0, 2.5}) {
    testing::FakePlatform fp;
    QtCanvas canvas(ratio);
    const Platform platform{canvas,  fp.dialogs, fp.sound,  fp.clock, fp.timer,
                            fp.menu, fp.panel,   fp.window, fp.hash};
    Game g(platform, 5);
    g.view.BackgroundPicture = kPictureTatami;
    初期設定(g);
    for (int k = 1; k <= kHandKinds; ++k) g.pos.ComputerHand[k] = 1;
    g.pos.ComputerHandTotal = kHandKinds;
    画面_再描画(g);
    const QImage before = canvas.image().copy();
    ICHIJI_Click(g);
    ICHIJI_Click(g);
    EXPECT_TRUE(canvas.image() == before) << ratio;
  }
}

}  // namespace
}  // namespace morovan
