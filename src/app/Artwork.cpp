#include "Artwork.h"

#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cmath>

#include "ArtworkPaint.h"
#include "model/Types.h"

namespace morovan {
namespace art {

QImage blankImage(QSize logical, qreal dpr) {
  QImage image(logical * dpr, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(dpr);
  image.fill(Qt::transparent);
  return image;
}

double hash01(int x, int y, int seed) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 0x8da6b343u ^
                    static_cast<std::uint32_t>(y) * 0xd8163841u ^
                    static_cast<std::uint32_t>(seed) * 0xcb1ab31fu;
  h ^= h >> 15;
  h *= 0x2c1b3c6du;
  h ^= h >> 12;
  h *= 0x297a2d39u;
  h ^= h >> 15;
  return (h & 0xffffffu) / double(0x1000000);
}

double wrappedNoise(double u, double v, int cellsU, int cellsV, int seed) {
  const double fu = std::floor(u), fv = std::floor(v);
  const double tu = u - fu, tv = v - fv;
  const double su = tu * tu * (3 - 2 * tu), sv = tv * tv * (3 - 2 * tv);
  auto wrap = [](double a, int n) { return ((static_cast<int>(a) % n) + n) % n; };
  const int u0 = wrap(fu, cellsU), u1 = wrap(fu + 1, cellsU);
  const int v0 = wrap(fv, cellsV), v1 = wrap(fv + 1, cellsV);
  const double top = hash01(u0, v0, seed) * (1 - su) + hash01(u1, v0, seed) * su;
  const double bottom = hash01(u0, v1, seed) * (1 - su) + hash01(u1, v1, seed) * su;
  return top * (1 - sv) + bottom * sv;
}

QRgb mixRgb(QRgb a, QRgb b, double t) {
  auto mix = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return qRgb(mix(qRed(a), qRed(b)), mix(qGreen(a), qGreen(b)), mix(qBlue(a), qBlue(b)));
}

QRgb scaleRgb(QRgb c, double factor) {
  auto scale = [factor](int x) {
    return std::clamp(static_cast<int>(std::lround(x * factor)), 0, 255);
  };
  return qRgb(scale(qRed(c)), scale(qGreen(c)), scale(qBlue(c)));
}

}  // namespace art

Artwork::Artwork(qreal devicePixelRatio) : dpr_(devicePixelRatio) {
  auto slot = [this](int code) -> QImage& { return images_[code - kLowestCode]; };
  slot(kPictureEmpty) = art::paintEmptySquare(dpr_);
  slot(kPictureTitle) = art::paintTitle(dpr_);
  for (int code = kPictureMidori; code <= kPictureRenga; ++code) {
    slot(code) = art::paintTile(code, dpr_);
  }
  slot(kPictureBlueFlag) = art::paintBack(kMarkBlue, dpr_);
  slot(kPictureRedFlag) = art::paintBack(kMarkRed, dpr_);
  slot(kPictureUnknown) = art::paintBack(kMarkNone, dpr_);
  for (int kind = 1; kind <= 8; ++kind) {
    const int base = kind * 10;
    // Gold and king never promote: they have no second image.
    const bool promotes = base != kGold && base != kKing;
    for (int sign : {1, -1}) {
      slot(sign * base) = art::paintPiece(sign * base, dpr_);
      if (promotes) slot(sign * (base + 1)) = art::paintPiece(sign * (base + 1), dpr_);
    }
  }
}

QIcon Artwork::icon() {
  QIcon icon;
  for (int pixels : {16, 24, 32, 48, 64, 128, 256}) {
    icon.addPixmap(QPixmap::fromImage(art::paintIcon(pixels)));
  }
  return icon;
}

const QImage* Artwork::picture(int code) const {
  if (code < kLowestCode || code >= kLowestCode + kCodes) return nullptr;
  const QImage& image = images_[code - kLowestCode];
  return image.isNull() ? nullptr : &image;
}

}  // namespace morovan
