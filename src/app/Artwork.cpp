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

Artwork::Artwork(qreal devicePixelRatio) : dpr_(devicePixelRatio) {}

QImage Artwork::paint(int code) const {
  if (code == kPictureEmpty) return art::paintEmptySquare(dpr_);
  if (code == kPictureTitle) return art::paintTitle(dpr_);
  if (code >= kPictureMidori && code <= kPictureRenga) return art::paintTile(code, dpr_);
  if (code == kPictureBlueFlag) return art::paintBack(kMarkBlue, dpr_);
  if (code == kPictureRedFlag) return art::paintBack(kMarkRed, dpr_);
  if (code == kPictureUnknown) return art::paintBack(kMarkNone, dpr_);
  const bool latin = std::abs(code) > kLatinPictureShift;
  const int piece = latin ? code - (code > 0 ? kLatinPictureShift : -kLatinPictureShift) : code;
  const int kind = std::abs(piece) / 10, promoted = std::abs(piece) % 10;
  if (kind < 1 || kind > 8 || promoted > 1) return {};
  // Gold and king never promote: they have no second image.
  if (promoted == 1 && (kind * 10 == kGold || kind * 10 == kKing)) return {};
  return art::paintPiece(piece, latin, dpr_);
}

QIcon Artwork::icon() {
  QIcon icon;
  for (int pixels : {16, 24, 32, 48, 64, 128, 256}) {
    icon.addPixmap(QPixmap::fromImage(art::paintIcon(pixels)));
  }
  return icon;
}

QSize Artwork::naturalSize(int code) {
  if (code == kPictureTitle) return {kTitleWidth, kTitleHeight};
  if (code >= kPictureMidori && code <= kPictureRenga) return {kTileWidth, kTileHeight};
  return {kPictureWidth, kPictureHeight};
}

const QImage* Artwork::picture(int code) const {
  if (code < kLowestCode || code >= kLowestCode + kCodes) return nullptr;
  Slot& slot = images_[code - kLowestCode];
  if (!slot.painted) {
    slot.image = paint(code);
    slot.painted = true;
  }
  return slot.image.isNull() ? nullptr : &slot.image;
}

}  // namespace morovan
