#include <gtest/gtest.h>

#include <QIcon>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "AppTestSupport.h"
#include "Artwork.h"
#include "Palette.h"
#include "QtCanvas.h"
#include "model/Types.h"
#include "view/ViewState.h"

namespace morovan {
namespace {

using apptest::rgbAt;
using apptest::showsPicture;

constexpr QRgb kWhite = 0xffffff;

class CanvasTest : public ::testing::TestWithParam<qreal> {
 protected:
  CanvasTest() : artwork((apptest::application(), GetParam())), canvas(GetParam()) {}
  int dpr() const { return static_cast<int>(GetParam()); }
  const QImage& image() const { return canvas.image(); }
  Artwork artwork;
  QtCanvas canvas;
};

TEST_P(CanvasTest, CoversEveryCellTheDrawersReachAtTheScreensPixelRatio) {
  EXPECT_EQ(image().devicePixelRatio(), GetParam());
  const QSizeF logical = image().deviceIndependentSize();
  EXPECT_GE(logical.width(), cellX(29) / kTwipsPerPixel);
  EXPECT_GE(logical.height(), cellY(19) / kTwipsPerPixel);
  // Cells sit 33 x 41 logical pixels apart, whatever the ratio.
  EXPECT_EQ(canvas.toDevice(cellX(2)) - canvas.toDevice(cellX(1)), 33 * dpr());
  EXPECT_EQ(canvas.toDevice(cellY(2)) - canvas.toDevice(cellY(1)), 41 * dpr());
}

TEST_P(CanvasTest, OutlineIsOneLogicalPixelWideOnBothCellCorners) {
  canvas.outline(cellX(1), cellY(1), cellX(2), cellY(2), 15);
  const int left = canvas.toDevice(cellX(1)), right = canvas.toDevice(cellX(2));
  const int top = canvas.toDevice(cellY(1)), bottom = canvas.toDevice(cellY(2));
  const int midY = (top + bottom) / 2, midX = (left + right) / 2;
  const int w = dpr();
  EXPECT_EQ(rgbAt(image(), left, top), kWhite);
  EXPECT_EQ(rgbAt(image(), left + w - 1, midY), kWhite);
  EXPECT_NE(rgbAt(image(), left + w, midY), kWhite);
  EXPECT_NE(rgbAt(image(), left - 1, midY), kWhite);
  // The far lines fall on the next cell's first column and row.
  EXPECT_EQ(rgbAt(image(), right + w - 1, midY), kWhite);
  EXPECT_NE(rgbAt(image(), right + w, midY), kWhite);
  EXPECT_NE(rgbAt(image(), right - 1, midY), kWhite);
  EXPECT_EQ(rgbAt(image(), midX, bottom + w - 1), kWhite);
  EXPECT_NE(rgbAt(image(), midX, bottom + w), kWhite);
  EXPECT_EQ(rgbAt(image(), right + w - 1, bottom + w - 1), kWhite);

  // Palette entries: 1 is blue (0, 0, 128), 12 light red.
  canvas.outline(cellX(4), cellY(4), cellX(5), cellY(5), 1);
  EXPECT_EQ(rgbAt(image(), canvas.toDevice(cellX(4)), canvas.toDevice(cellY(4))), 0x000080u);
  canvas.outline(cellX(5), cellY(5), cellX(4), cellY(4), 12);  // corners in either order
  EXPECT_EQ(rgbAt(image(), canvas.toDevice(cellX(4)), canvas.toDevice(cellY(4))), 0xff0000u);

  // A colour outside the palette draws nothing.
  const QImage before = image().copy();
  canvas.outline(cellX(6), cellY(6), cellX(7), cellY(7), 16);
  canvas.outline(cellX(6), cellY(6), cellX(7), cellY(7), -1);
  EXPECT_EQ(image(), before);
}

TEST_P(CanvasTest, PicturesLandOnTheCellCornerAndAreClippedAtTheEdges) {
  const QImage& pawn = *artwork.picture(-kPawn);
  canvas.drawPicture(-kPawn, cellX(3), cellY(4));
  EXPECT_TRUE(showsPicture(image(), canvas.toDevice(cellX(3)), canvas.toDevice(cellY(4)), pawn, 0));

  // A tile left of and above the window's corner shows only its lower right part.
  const QImage& tile = *artwork.picture(kPictureMidori);
  canvas.drawPicture(kPictureMidori, cellX(-3), cellY(-1));
  const int x = canvas.toDevice(cellX(-3)), y = canvas.toDevice(cellY(-1));
  ASSERT_LT(x, 0);
  ASSERT_LT(y, 0);
  EXPECT_TRUE(showsPicture(image(), x, y, tile, 0));
  canvas.drawPicture(kPictureRenga, cellX(-3), cellY(-2));  // wholly outside

  const QImage before = image().copy();
  for (int code : {12, 51, 81, -9, 90, -81, 1000}) canvas.drawPicture(code, cellX(5), cellY(5));
  EXPECT_EQ(image(), before);
}

TEST_P(CanvasTest, TextHasItsTopLeftAtThePointAndItsSizeInPoints) {
  auto inkBox = [this](const QImage& before) {
    QRect box;
    for (int y = 0; y < image().height(); ++y)
      for (int x = 0; x < image().width(); ++x)
        if (image().pixel(x, y) != before.pixel(x, y)) box |= QRect(x, y, 1, 1);
    return box;
  };
  canvas.setTextColour(15);
  canvas.setFontSize(12);
  QImage before = image().copy();
  canvas.printText(cellX(2), cellY(2), "王");
  const QRect small = inkBox(before);
  ASSERT_FALSE(small.isEmpty());
  const int x = canvas.toDevice(cellX(2)), y = canvas.toDevice(cellY(2));
  EXPECT_GE(small.left(), x - dpr());
  EXPECT_LE(small.left(), x + 3 * dpr());
  EXPECT_GE(small.top(), y);
  EXPECT_LE(small.top(), y + 5 * dpr());
  // 12 points are 240 twips, 16 logical pixels: the glyph fills most of that.
  EXPECT_GE(small.height(), 11 * dpr());
  EXPECT_LE(small.height(), 17 * dpr());

  canvas.setFontSize(24);
  canvas.setTextColour(99);  // not a palette colour: the text stays white
  before = image().copy();
  canvas.printText(cellX(5), cellY(5), "王");
  const QRect large = inkBox(before);
  EXPECT_NEAR(large.height(), 2 * small.height(), 3 * dpr());
  EXPECT_EQ(rgbAt(image(), large.center().x(), large.center().y()), kWhite);
}

// A clock ticking on background tiles, with a title partly over its text, and
// a piece with its outline: what a game does to the canvas again and again.
void drawClockTicks(QtCanvas& canvas, int ticks) {
  for (int tick = 0; tick < ticks; ++tick) {
    for (int row = 8; row <= 10; ++row)
      for (int col = -2; col <= 4; ++col) canvas.drawPicture(kPictureRenga, cellX(col), cellY(row));
    canvas.setFontSize(12);
    canvas.setTextColour(tick % 2 == 0 ? 15 : 12);
    canvas.printText(cellX(-1.9), cellY(9.3), "00:00:" + std::to_string(tick % 60));
    canvas.drawPicture(-kSilver - 1, cellX(2), cellY(2));
    canvas.outline(cellX(2), cellY(2), cellX(3), cellY(3), tick % 16);
    canvas.drawPicture(kPictureTitle, cellX(-1.5), cellY(8.8));
  }
}

TEST_P(CanvasTest, RescalingRepaintsWhatWasDrawnAsIfDrawnAtTheNewScaleAndForgetsWhatIsHidden) {
  drawClockTicks(canvas, 300);
  // The tiles, the latest text, piece, outline and title: hidden drawings go.
  EXPECT_LE(canvas.keptDrawings(), 25u);
  for (double scale : {1.5, 2.0, 1.0}) {
    canvas.rescale(scale);
    QtCanvas fresh(GetParam());
    fresh.rescale(scale);
    drawClockTicks(fresh, 300);
    EXPECT_EQ(image().size(), fresh.image().size()) << scale;
    EXPECT_TRUE(image() == fresh.image()) << scale;
  }
}

TEST_P(CanvasTest, HandicapGradeTilesLeaveTheTitlePlaqueWhole) {
  // A full redraw: background everywhere, then the title at (11.1, 0).
  for (int col = 10; col <= 15; ++col)
    for (int row = -1; row <= 2; ++row) canvas.drawPicture(kPictureTatami, cellX(col), cellY(row));
  const double titleX = cellX(11.1), titleY = cellY(0);
  canvas.drawPicture(kPictureTitle, titleX, titleY);
  const QImage& title = *artwork.picture(kPictureTitle);
  const int x0 = canvas.toDevice(titleX), y0 = canvas.toDevice(titleY);
  // The plaque ends where the first board row starts.
  EXPECT_EQ(y0 + kTitlePlaqueHeight * dpr(), canvas.toDevice(cellY(1)));
  const QImage plaque = image().copy(x0, y0, title.width(), kTitlePlaqueHeight * dpr());

  // The handicap grade: background tiles on cells (11..14, 1), over the title's lower part.
  for (int col = 11; col <= 14; ++col) canvas.drawPicture(kPictureTatami, cellX(col), cellY(1));
  EXPECT_EQ(image().copy(x0, y0, title.width(), kTitlePlaqueHeight * dpr()), plaque);
  // Below the plaque the title left the background as it was: no cut-off edge
  // where the grade's last tile ends.
  const int tile = canvas.toDevice(cellX(15));
  const int below = canvas.toDevice(cellY(1)) + 10 * dpr();
  ASSERT_LT(tile + 3 * dpr(), x0 + title.width());
  const QImage& tatami = *artwork.picture(kPictureTatami);
  const int u = (tile - canvas.toDevice(cellX(14))) + dpr();
  const int v = below - canvas.toDevice(cellY(1));
  EXPECT_EQ(rgbAt(image(), tile + dpr(), below), rgbAt(tatami, u - 33 * dpr(), v));
}

TEST(CanvasHitTest, AClickOnACellsFirstDevicePixelLandsInThatCellAtFractionalScales) {
  apptest::application();
  const qreal dpr = 1.25;
  QtCanvas canvas(dpr);
  for (double scale : {1.5, 1.1, 1.3, 2.7, 3.3}) {
    canvas.rescale(scale);
    const PictureFit fit{scale, QPointF(0, 0)};
    // The cell the game's hit test finds under the window point of device pixel
    // (x, y): the window shows the picture at the scale it was painted for.
    auto cellUnder = [&](int x, int y) {
      const QPointF twips = fit.toTwips(QPointF(x / dpr, y / dpr), scale, dpr);
      return QPoint(static_cast<int>(std::floor((twips.x() - kBoardOriginX) / kSquareWidth)),
                    static_cast<int>(std::floor((twips.y() - kBoardOriginY) / kSquareHeight)));
    };
    for (int col = -1; col <= 12; ++col) {
      for (int row = 0; row <= 9; ++row) {
        const int x = canvas.toDevice(cellX(col)), y = canvas.toDevice(cellY(row));
        EXPECT_EQ(cellUnder(x, y), QPoint(col, row)) << scale << ": " << col << "," << row;
        EXPECT_EQ(cellUnder(x - 1, y - 1), QPoint(col - 1, row - 1))
            << scale << ": " << col << "," << row;
      }
    }
  }
}

TEST_P(CanvasTest, AHugeWindowShowsThePictureAtMost8DevicePixelsToOneAndTheRestAsMargin) {
  const QSize picture(626, 511);
  CanvasWidget widget;
  widget.setCanvas(&canvas);
  widget.resize(picture);
  widget.setPictureSize(picture);
  widget.resize(20000, 20000);
  const PictureFit fit = widget.fit();
  EXPECT_DOUBLE_EQ(fit.scale * widget.devicePixelRatioF(), kLargestDeviceScale);
  // Centred, with the margin on every side.
  EXPECT_NEAR(fit.offset.x(), (20000 - picture.width() * fit.scale) / 2, 1);
  EXPECT_NEAR(fit.offset.y(), (20000 - picture.height() * fit.scale) / 2, 1);
  // The image is the shown part at that scale, not the window's size.
  canvas.rescale(fit.scale);
  EXPECT_EQ(image().size(), picture * (fit.scale * GetParam()));
}

INSTANTIATE_TEST_SUITE_P(PixelRatios, CanvasTest, ::testing::Values(1.0, 2.0));

class ArtworkTest : public ::testing::TestWithParam<qreal> {};

// Every picture code the game draws, with its natural size in logical pixels.
std::vector<std::pair<int, QSize>> pictureTable() {
  std::vector<std::pair<int, QSize>> table;
  const QSize cell(kPictureWidth, kPictureHeight), tile(kTileWidth, kTileHeight);
  table.push_back({kPictureEmpty, cell});
  table.push_back({kPictureTitle, {kTitleWidth, kTitleHeight}});
  for (int code = kPictureMidori; code <= kPictureRenga; ++code) table.push_back({code, tile});
  for (int code : {kPictureBlueFlag, kPictureRedFlag, kPictureUnknown})
    table.push_back({code, cell});
  for (int piece : {10, 11, 20, 21, 30, 31, 40, 41, 50, 60, 61, 70, 71, 80}) {
    table.push_back({piece, cell});
    table.push_back({-piece, cell});
  }
  return table;
}

TEST_P(ArtworkTest, EveryPictureCodeHasAnOpaqueImageOfItsOwnAtItsNaturalSize) {
  apptest::application();
  const Artwork art(GetParam());
  std::vector<QImage> seen;
  for (const auto& [code, size] : pictureTable()) {
    const QImage* image = art.picture(code);
    ASSERT_NE(image, nullptr) << code;
    EXPECT_EQ(image->deviceIndependentSize().toSize(), size) << code;
    EXPECT_EQ(image->size(), size * GetParam()) << code;
    // A see-through pixel would let stale drawing show through a piece or tile;
    // only the title's rounded corners may be clear.
    if (code != kPictureTitle) {
      bool opaque = true;
      for (int y = 0; y < image->height() && opaque; ++y)
        for (int x = 0; x < image->width() && opaque; ++x)
          opaque = qAlpha(image->pixel(x, y)) == 255;
      EXPECT_TRUE(opaque) << code;
    }
    if (code == kPictureTitle) {
      // The plaque fills its rows across; below them the picture is clear.
      for (int x = 0; x < image->width(); ++x) {
        EXPECT_EQ(qAlpha(image->pixel(x, image->height() - 1)), 0) << x;
        EXPECT_EQ(qAlpha(image->pixel(x, kTitlePlaqueHeight * GetParam())), 0) << x;
      }
      for (int x = 6 * GetParam(); x < image->width() - 6 * GetParam(); ++x)
        EXPECT_EQ(qAlpha(image->pixel(x, kTitlePlaqueHeight * GetParam() / 2)), 255) << x;
    }
    for (const QImage& other : seen) EXPECT_NE(*image, other) << code;
    seen.push_back(*image);
  }
  for (int code : {12, 19, 51, 81, 90, -1, -9, -51, -81, 1000, -1000}) {
    EXPECT_EQ(art.picture(code), nullptr) << code;
  }
}

TEST_P(ArtworkTest, BackgroundTilesRepeatEvery33PixelsSoTheirOverlapIsSeamless) {
  apptest::application();
  const Artwork art(GetParam());
  const int d = static_cast<int>(GetParam());
  for (int code = kPictureMidori; code <= kPictureRenga; ++code) {
    const QImage& tile = *art.picture(code);
    // The 34th column is drawn over by the next tile's first one: they must agree.
    EXPECT_EQ(tile.copy(33 * d, 0, d, tile.height()), tile.copy(0, 0, d, tile.height())) << code;
    // From a tile's last row to the next tile's first the picture changes no
    // more than it does from row to row inside.
    auto rowChange = [&](int y0, int y1) {
      long sum = 0;
      for (int x = 0; x < 33 * d; ++x) {
        const QRgb a = tile.pixel(x, y0), b = tile.pixel(x, y1);
        sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
               std::abs(qBlue(a) - qBlue(b));
      }
      return sum;
    };
    long inside = 0;
    for (int y = 1; y < tile.height(); ++y) inside = std::max(inside, rowChange(y - 1, y));
    EXPECT_LE(rowChange(tile.height() - 1, 0), inside) << code;
  }
}

INSTANTIATE_TEST_SUITE_P(PixelRatios, ArtworkTest, ::testing::Values(1.0, 2.0));

// The CIE L*a*b* colour of an sRGB pixel: distances in it follow what the eye
// tells apart, hue included, which a lightness ratio alone misses.
std::array<double, 3> lab(QRgb c) {
  auto linear = [](int v) {
    const double s = v / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  const double r = linear(qRed(c)), g = linear(qGreen(c)), b = linear(qBlue(c));
  auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
  const double x = f((0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047);
  const double y = f(0.2126 * r + 0.7152 * g + 0.0722 * b);
  const double z = f((0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883);
  return {116 * y - 16, 500 * (x - y), 200 * (y - z)};
}

TEST(ArtworkLookTest, EveryTextColourReadsOnEveryBackground) {
  apptest::application();
  const Artwork artwork(1.0);
  const ViewState v;
  // Texts with a black shadow need less from the ground than the hand counts,
  // which have none.
  const std::pair<int, double> texts[] = {
      {v.TextColour, 45}, {v.LabelColour, 45}, {v.ResultColour, 45}, {v.AccentColour, 85}};
  for (int code = kPictureMidori; code <= kPictureRenga; ++code) {
    const QImage& tile = *artwork.picture(code);
    for (const auto& [colour, least] : texts) {
      const std::array<double, 3> ink = lab(paletteColour(colour).rgb());
      std::vector<double> distances;
      for (int y = 0; y < tile.height(); ++y) {
        for (int x = 0; x < tile.width(); ++x) {
          const std::array<double, 3> ground = lab(tile.pixel(x, y));
          distances.push_back(
              std::hypot(ink[0] - ground[0], ink[1] - ground[1], ink[2] - ground[2]));
        }
      }
      // All but the odd speck of the ground.
      std::nth_element(distances.begin(), distances.begin() + distances.size() / 20,
                       distances.end());
      EXPECT_GE(distances[distances.size() / 20], least) << "tile " << code << " colour " << colour;
    }
  }
}

TEST(ArtworkIconTest, TheIconIsAKomaOnAClearGroundAtEverySize) {
  apptest::application();
  const QIcon icon = Artwork::icon();
  for (int pixels : {16, 32, 48, 256}) {
    const QImage image = icon.pixmap(QSize(pixels, pixels), 1.0).toImage();
    ASSERT_EQ(image.size(), QSize(pixels, pixels)) << pixels;
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << pixels;
    EXPECT_EQ(qAlpha(image.pixel(pixels - 1, 0)), 0) << pixels;
    EXPECT_EQ(qAlpha(image.pixel(pixels / 2, pixels * 3 / 4)), 255) << pixels;
  }
}

}  // namespace
}  // namespace morovan
