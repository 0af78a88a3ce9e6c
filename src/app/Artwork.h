#pragma once
// The program's pictures: pieces, the empty square, the hidden back and its flags,
// the five background tiles and the title. Each is painted when first asked for:
// a window rescaled to a new size repaints only what its picture shows.

#include <QIcon>
#include <QImage>
#include <array>

#include "model/Types.h"

namespace morovan {

// Natural sizes in logical pixels (15 twips each).
inline constexpr int kPictureWidth = 33;  // pieces, empty square, back, flags
inline constexpr int kPictureHeight = 41;
inline constexpr int kTileWidth = 34;  // one column more than a cell: tiles overlap by one
inline constexpr int kTileHeight = 41;
inline constexpr int kTitleWidth = 176;
inline constexpr int kTitleHeight = 71;
// The title is drawn 100 twips from the top, so its first 41 rows lie above the
// first board row (715 twips) and the rest beside that row, where the handicap
// grade is printed: only those first rows are painted.
inline constexpr int kTitlePlaqueHeight = 41;

class Artwork {
 public:
  // The picture codes run from kLowestCode, kCodes of them.
  static constexpr int kLowestCode = -kKing - 1 - kLatinPictureShift;
  static constexpr int kCodes = 2 * -kLowestCode + 1;

  // Paints every picture with `devicePixelRatio` device pixels per logical pixel,
  // so that they stay sharp on a HiDPI screen.
  explicit Artwork(qreal devicePixelRatio);

  // The image of a picture code (a PieceCode, or 0..9 of model/Types.h); its
  // devicePixelRatio makes QPainter draw it at its natural logical size. Null
  // for codes that have no picture.
  const QImage* picture(int code) const;
  qreal devicePixelRatio() const { return dpr_; }
  // The logical size a picture code is drawn at, whatever the ratio.
  static QSize naturalSize(int code);
  // The program's icon, a koma, at the sizes window systems ask for.
  static QIcon icon();

 private:
  struct Slot {
    bool painted = false;
    QImage image;
  };
  QImage paint(int code) const;

  qreal dpr_;
  mutable std::array<Slot, kCodes> images_;
};

}  // namespace morovan
