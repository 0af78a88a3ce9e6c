// The five background tiles and the title. A tile is drawn at 34 x 41 but laid
// every 33 x 41, so each one is periodic over 33 x 41: its last column repeats
// its first, and neighbouring tiles meet without a seam.

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <functional>
#include <numbers>

#include "Artwork.h"
#include "ArtworkPaint.h"
#include "model/Types.h"

namespace morovan::art {
namespace {

constexpr double kPeriodU = kTileWidth - 1;
constexpr double kPeriodV = kTileHeight;

double fraction(double x) {
  return x - std::floor(x);
}
double wrapU(double u) {
  return u - kPeriodU * std::floor(u / kPeriodU);
}
double wrapV(double v) {
  return v - kPeriodV * std::floor(v / kPeriodV);
}

// Noise on a lattice of cellsU x cellsV cells stretched over one period of the
// tile: whatever the lattice, the noise repeats with the tile.
double tileNoise(double u, double v, int cellsU, int cellsV, int seed) {
  return wrappedNoise(u / kPeriodU * cellsU, v / kPeriodV * cellsV, cellsU, cellsV, seed);
}

// Paints `shapes` at every offset of the period that can reach the tile.
void paintWrapped(QPainter& p, const std::function<void(QPainter&)>& shapes) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      p.save();
      p.translate(dx * kPeriodU, dy * kPeriodV);
      shapes(p);
      p.restore();
    }
  }
}

// Billiard-table felt: a deep green with soft mottling and fine fibres.
QRgb felt(double u, double v) {
  const double mottle = tileNoise(u, v, 3, 4, 41);
  const double fibre = tileNoise(u, v, 33, 41, 42);
  const double hair = tileNoise(u, v, 66, 20, 43);
  return scaleRgb(qRgb(24, 116, 50), 0.88 + 0.07 * mottle + 0.1 * fibre + 0.06 * hair);
}

// Tatami: ribs of rush three pixels wide, bound by two warp threads per tile.
QRgb tatami(double u, double v) {
  static constexpr QRgb kRush = qRgb(184, 190, 110);
  static constexpr QRgb kGap = qRgb(118, 120, 60);
  static constexpr QRgb kThread = qRgb(146, 146, 92);
  const int rib = static_cast<int>(std::floor(wrapU(u) / 3));
  const double across = fraction(u / 3);
  const double rise = std::pow(std::sin(std::numbers::pi * across), 0.5);
  const double segment = fraction(v / (kPeriodV / 2));
  const double bulge = 0.9 + 0.1 * std::sin(std::numbers::pi * segment);
  const double tone = 0.94 + 0.08 * hash01(rib, 0, 51);
  const double rushes = tileNoise(u, v, 99, 6, 52);
  QRgb c = mixRgb(kGap, scaleRgb(kRush, tone * bulge * (0.93 + 0.08 * rushes)), rise);
  const double toThread = std::min(segment, 1 - segment) * kPeriodV / 2;
  if (toThread < 0.8) c = mixRgb(kThread, c, toThread / 0.8);
  return c;
}

// A fence of green bamboo: two culms per tile, each with one node.
QRgb bamboo(double u, double v) {
  struct Culm {
    double left, width, node;
  };
  static constexpr Culm kCulms[] = {{1.0, 14.5, 9.0}, {17.5, 14.5, 29.5}};
  static constexpr QRgb kShadow = qRgb(26, 42, 20);
  const double uu = wrapU(u), vv = wrapV(v);
  for (const Culm& c : kCulms) {
    const double t = (uu - c.left) / c.width;
    if (t < 0 || t > 1) continue;
    const double round = std::pow(std::sin(std::numbers::pi * t), 0.6);
    const double shine = std::exp(-std::pow((t - 0.3) / 0.09, 2));
    const double streak = tileNoise(u, v, 50, 3, 61);
    QRgb body = scaleRgb(qRgb(118, 160, 58), 0.45 + 0.6 * round + 0.08 * streak);
    body = mixRgb(body, qRgb(226, 236, 170), 0.55 * shine);
    // The node: a dark ring with a light ridge just under it.
    double dn = vv - c.node;
    if (dn > kPeriodV / 2) dn -= kPeriodV;
    if (dn < -kPeriodV / 2) dn += kPeriodV;
    if (std::abs(dn) < 0.9)
      body = scaleRgb(body, 0.55);
    else if (dn >= 0.9 && dn < 2.2)
      body = mixRgb(body, qRgb(220, 226, 160), 0.35 * round);
    const double edge = std::min(t, 1 - t) * c.width;
    return edge < 1.0 ? mixRgb(kShadow, body, edge) : body;
  }
  return scaleRgb(kShadow, 0.8 + 0.3 * tileNoise(u, v, 16, 8, 62));
}

// The night sky behind the stars: deep blue with faint violet clouds.
QRgb night(double u, double v) {
  const double cloud = tileNoise(u, v, 3, 3, 71);
  const double haze = tileNoise(u, v, 11, 13, 72);
  return mixRgb(qRgb(6, 8, 30), qRgb(48, 26, 84), 0.55 * cloud * cloud + 0.12 * haze);
}

void paintStars(QPainter& p) {
  struct Star {
    double u, v, radius;
    QColor colour;
  };
  static const Star kStars[] = {
      {4.5, 6.5, 0.6, QColor(255, 255, 255, 230)},   {14.0, 15.5, 0.4, QColor(200, 220, 255, 150)},
      {26.0, 3.5, 0.5, QColor(255, 240, 200, 200)},  {30.5, 30.5, 0.35, QColor(255, 255, 255, 120)},
      {7.5, 33.0, 0.45, QColor(210, 225, 255, 170)}, {2.0, 21.0, 0.3, QColor(255, 255, 255, 100)},
  };
  p.setPen(Qt::NoPen);
  for (const Star& s : kStars) {
    QRadialGradient glow(QPointF(s.u, s.v), s.radius * 2.6);
    QColor core = s.colour, rim = s.colour;
    rim.setAlpha(0);
    glow.setColorAt(0, core);
    glow.setColorAt(0.35, core);
    glow.setColorAt(1, rim);
    p.setBrush(glow);
    p.drawEllipse(QPointF(s.u, s.v), s.radius * 2.6, s.radius * 2.6);
  }
  // One bright star with a four-pointed sparkle.
  const QPointF centre(20.5, 25.5);
  QColor ray(255, 252, 235, 200), fade(255, 252, 235, 0);
  for (int axis = 0; axis < 2; ++axis) {
    const QPointF along = axis == 0 ? QPointF(4.5, 0) : QPointF(0, 4.5);
    QLinearGradient g(centre - along, centre + along);
    g.setColorAt(0, fade);
    g.setColorAt(0.5, ray);
    g.setColorAt(1, fade);
    p.setPen(QPen(QBrush(g), 0.7));
    p.drawLine(centre - along, centre + along);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 245));
  p.drawEllipse(centre, 0.9, 0.9);
}

// Brick wall in running bond: four courses per tile, one brick per course. Dark,
// dull bricks and mortar, so that the red hand counts and the white and yellow
// texts read on them as on the other backgrounds.
QRgb brick(double u, double v) {
  static constexpr double kCourse = kPeriodV / 4;
  static constexpr QRgb kMortar = qRgb(118, 110, 100);
  const double vv = wrapV(v);
  const int course = static_cast<int>(std::floor(vv / kCourse)) % 4;
  const double inCourse = vv - course * kCourse;
  const double along = wrapU(u + (course % 2) * kPeriodU / 2);
  const double toJoint = std::min(along, kPeriodU - along);
  const double toBed = std::min(inCourse, kCourse - inCourse);
  const double mortarGrain = tileNoise(u, v, 66, 82, 81);
  const QRgb mortar = scaleRgb(kMortar, 0.9 + 0.15 * mortarGrain);
  const double joint = std::min(toJoint, toBed);
  if (joint < 0.7) return mortar;
  const double tone = hash01(course, 0, 82);
  QRgb face = mixRgb(qRgb(90, 64, 58), qRgb(72, 52, 48), tone);
  const double grit = tileNoise(u, v, 83, 103, 84);
  face = scaleRgb(face, 0.88 + 0.2 * grit);
  // Lit from above: the top edge of each brick catches light, the bottom is shaded.
  if (inCourse < 1.8) face = mixRgb(face, qRgb(150, 112, 96), 0.35);
  if (kCourse - inCourse < 1.8) face = scaleRgb(face, 0.78);
  return joint < 1.2 ? mixRgb(mortar, face, (joint - 0.7) / 0.5) : face;
}

}  // namespace

QImage paintTile(int code, qreal dpr) {
  QImage image = blankImage({kTileWidth, kTileHeight}, dpr);
  switch (code) {
    case kPictureMidori:
      shadePixels(image, felt);
      break;
    case kPictureTatami:
      shadePixels(image, tatami);
      break;
    case kPictureTake:
      shadePixels(image, bamboo);
      break;
    case kPictureUchu: {
      shadePixels(image, night);
      QPainter p(&image);
      p.setRenderHint(QPainter::Antialiasing);
      paintWrapped(p, paintStars);
      break;
    }
    case kPictureRenga:
      shadePixels(image, brick);
      break;
    default:
      return {};
  }
  return image;
}

QImage paintTitle(qreal dpr) {
  QImage image = blankImage({kTitleWidth, kTitleHeight}, dpr);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  // The plaque keeps to the rows above the first board row; the rest of the
  // picture stays clear, so the background shows there and the handicap grade,
  // printed on that row, never cuts through the name.
  const QRectF plaque(0.5, 0.5, kTitleWidth - 1, kTitlePlaqueHeight - 1);

  // A lacquered plaque with a gold rim.
  QLinearGradient lacquer(plaque.topLeft(), plaque.bottomLeft());
  lacquer.setColorAt(0, QColor(124, 32, 24));
  lacquer.setColorAt(0.55, QColor(84, 16, 12));
  lacquer.setColorAt(1, QColor(50, 9, 6));
  p.setPen(Qt::NoPen);
  p.setBrush(lacquer);
  p.drawRoundedRect(plaque, 5, 5);
  QLinearGradient gold(plaque.topLeft(), plaque.bottomRight());
  gold.setColorAt(0, QColor(255, 236, 150));
  gold.setColorAt(0.5, QColor(210, 160, 60));
  gold.setColorAt(1, QColor(150, 100, 30));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QBrush(gold), 1.6));
  p.drawRoundedRect(plaque.adjusted(0.8, 0.8, -0.8, -0.8), 4.5, 4.5);
  p.setPen(QPen(QBrush(gold), 0.6));
  p.drawRoundedRect(plaque.adjusted(3.5, 3.5, -3.5, -3.5), 2.5, 2.5);

  // The name, in raised gold letters.
  QFont font("DejaVu Serif");
  font.setBold(true);
  font.setItalic(true);
  font.setPixelSize(25);
  QPainterPath letters;
  letters.addText(0, 0, font, QStringLiteral("Morovan"));
  const QRectF box = letters.boundingRect();
  letters.translate(plaque.center() - box.center() + QPointF(0, -0.5));
  p.setPen(Qt::NoPen);
  p.fillPath(letters.translated(1.2, 1.5), QColor(20, 4, 2, 200));
  QLinearGradient face(letters.boundingRect().topLeft(), letters.boundingRect().bottomLeft());
  face.setColorAt(0, QColor(255, 246, 196));
  face.setColorAt(0.45, QColor(236, 188, 76));
  face.setColorAt(1, QColor(170, 110, 30));
  p.fillPath(letters, face);
  p.setPen(QPen(QColor(110, 64, 14), 0.5));
  p.drawPath(letters);

  // A small koma at each end of the name.
  const double middle = plaque.center().y();
  for (double x : {13.0, kTitleWidth - 13.0}) {
    QPainterPath koma;
    koma.moveTo(x, middle - 6);
    koma.lineTo(x + 4, middle - 3.5);
    koma.lineTo(x + 5, middle + 5);
    koma.lineTo(x - 5, middle + 5);
    koma.lineTo(x - 4, middle - 3.5);
    koma.closeSubpath();
    p.setPen(QPen(QColor(110, 64, 14), 0.6));
    p.setBrush(gold);
    p.drawPath(koma);
  }
  return image;
}

}  // namespace morovan::art
