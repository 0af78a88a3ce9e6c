// The game's picture, pixel for pixel: the start-up screen as the game draws it,
// with every piece face, flag and text kind over it, at 1x and 2x. The drawing's
// speed and memory are tuned often; its look changes only when meant, and a
// change meant so updates the checksums here, saying why in its commit.

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <memory>
#include <string>

#include "AppTestSupport.h"
#include "Game.h"
#include "QtCanvas.h"
#include "QtHash.h"
#include "model/NewGame.h"
#include "model/Types.h"
#include "platform/Headless.h"
#include "view/Screen.h"
#include "view/Texts.h"

namespace morovan {
namespace {

std::string checksum(const QImage& image) {
  QCryptographicHash hash(QCryptographicHash::Sha256);
  for (int y = 0; y < image.height(); ++y)
    hash.addData(
        QByteArrayView(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 4));
  return hash.result().toHex().left(16).toStdString();
}

TEST(PictureTest, TheStartScreenAndEveryPictureLookAsBefore) {
  apptest::application();
  HeadlessPlatform headless{qtHash()};
  QtCanvas canvas(1.0);
  Game g(Platform{canvas, headless.dialogs, headless.sound, headless.clock, headless.timer,
                  headless.menu, headless.panel, headless.window, headless.hash});
  g.view.BackgroundPicture = kPictureRenga;
  初期設定(g);
  画面_再描画(g);
  // Faces of both sides, the flags and the hidden back down the margin's columns.
  int row = 1;
  for (int piece : {10, 11, 20, 21, 30, 31, 40, 41, 50, 60, 61, 70, 71, 80}) {
    canvas.drawPicture(piece, cellX(14), cellY(row));
    canvas.drawPicture(-piece, cellX(15), cellY(row));
    ++row;
  }
  for (int code : {kPictureBlueFlag, kPictureRedFlag, kPictureUnknown, kPictureEmpty})
    canvas.drawPicture(code, cellX(16), cellY(code));
  描画_数値(g, 16, 12, 12345, g.view.ShadowColour, 0, 14);
  描画_数値(g, 15.9, 11.9, 12345, g.view.AccentColour, 0, 14);
  描画_数値(g, 16, 13, 7, g.view.LabelColour, 1, 12);

  EXPECT_EQ(checksum(canvas.image()), "e07e887c9cbdce99") << "1x";
  canvas.rescale(2.0);
  EXPECT_EQ(checksum(canvas.image()), "3064157522adac3f") << "2x";
}

}  // namespace
}  // namespace morovan
