#pragma once
// Where the window shows the game's picture: scaled uniformly to the largest
// size that fits, centred, and which twips a point of the window stands on.

#include <QPointF>
#include <QSizeF>
#include <algorithm>
#include <cmath>

namespace morovan {

// Logical pixels are twips / 15.
inline constexpr double kTwipsPerPixel = 15.0;
// The picture is painted with at most this many device pixels to each of its
// own: a larger window shows it no larger, with a wider margin, so that its
// memory stays bounded at any window size.
inline constexpr double kLargestDeviceScale = 8.0;
// How far a device pixel position computed in floating point may stray from
// the whole number it stands for. The drawing snaps a cell's corner up to a
// pixel and the hit test maps a pixel back down with this same allowance, so
// that a click on a cell's first pixel lands in that cell at any scale.
inline constexpr double kPixelSlack = 1e-6;

struct PictureFit {
  double scale = 1.0;  // window pixels per picture pixel, both logical
  QPointF offset;      // the picture's corner in the window, on a device pixel

  // An empty picture is shown unscaled at the corner.
  static PictureFit of(QSizeF window, QSizeF picture, qreal dpr) {
    PictureFit f;
    if (picture.isEmpty() || window.isEmpty()) return f;
    f.scale = std::min({window.width() / picture.width(), window.height() / picture.height(),
                        kLargestDeviceScale / dpr});
    auto centred = [dpr](double room) { return std::floor(room / 2 * dpr) / dpr; };
    f.offset = QPointF(centred(window.width() - picture.width() * f.scale),
                       centred(window.height() - picture.height() * f.scale));
    return f;
  }

  // The twips under a window point when the picture was painted for
  // `paintedScale` and is shown at this fit: the corner of the painted device
  // pixel under the point, the pixel the drawing puts in a cell exactly when
  // the cell's corner is not past it.
  QPointF toTwips(QPointF at, double paintedScale, qreal dpr) const {
    const double ratio = dpr * paintedScale;
    auto twips = [&](double from) {
      return std::floor(from * ratio / scale + kPixelSlack) * kTwipsPerPixel / ratio;
    };
    return QPointF(twips(at.x() - offset.x()), twips(at.y() - offset.y()));
  }
};

}  // namespace morovan
