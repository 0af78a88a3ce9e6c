// Pieces, the empty board square and the back of a hidden piece. A piece is a
// five-sided koma of boxwood on a square of kaya board; the upper side's pieces
// are turned round, and the light falls from the top left on every one of them.

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "Artwork.h"
#include "ArtworkPaint.h"
#include "model/Types.h"

namespace morovan::art {
namespace {

// The middle of a cell's inside: column 0 and row 0 carry the grid outline.
constexpr double kCentreX = 17.0;
constexpr double kCentreY = 21.0;

const char* kMinchoFamily = "IPAexMincho";

QRgb boardWood(double u, double v) {
  static constexpr QRgb kKaya = qRgb(226, 180, 98);
  // Grain runs down the board, wavering a little.
  const double waver = wrappedNoise(u * 0.08, v * 0.04, 97, 97, 3);
  const double ring = 0.5 + 0.5 * std::sin(u * 0.85 + waver * 7.0);
  const double streak = wrappedNoise(u * 1.1, v * 0.12, 97, 97, 5);
  return scaleRgb(kKaya, 0.9 + 0.07 * ring + 0.06 * streak);
}

void paintBoard(QImage& image) {
  shadePixels(image, [](double u, double v) { return boardWood(u, v); });
}

// The koma outline in the piece's own frame, base down, centred on the cell's
// middle; `scale` shrinks it towards the middle of its base.
QPainterPath komaOutline(double scale) {
  const double base = 17.0;
  auto at = [&](double x, double y) { return QPointF(x * scale, base - (base - y) * scale); };
  QPainterPath path;
  path.moveTo(at(0, -18));
  path.lineTo(at(11.5, -11.5));
  path.lineTo(at(13.5, base));
  path.lineTo(at(-13.5, base));
  path.lineTo(at(-11.5, -11.5));
  path.closeSubpath();
  return path;
}

QTransform pieceFrame(bool upsideDown) {
  QTransform t;
  t.translate(kCentreX, kCentreY);
  if (upsideDown) t.rotate(180);
  return t;
}

// Boxwood, lit from the top left, its fine grain along the piece.
QImage komaWood(QSize size, qreal dpr, QRgb light, QRgb dark, int seed) {
  QImage wood = blankImage(size, dpr);
  shadePixels(wood, [&](double u, double v) {
    const double t = std::clamp((u * 0.45 + v * 0.9) / 45.0, 0.0, 1.0);
    const double grain = wrappedNoise(u * 1.4, v * 0.1, 97, 97, seed);
    const double ring =
        0.5 + 0.5 * std::sin(u * 1.7 + 4.0 * wrappedNoise(u * 0.1, v * 0.05, 97, 97, seed + 1));
    return scaleRgb(mixRgb(light, dark, t), 0.95 + 0.05 * grain + 0.03 * ring);
  });
  return wood;
}

// A texture of one cell's size shaded once per device pixel ratio and shared:
// every square has the same board under it, and every face (and every back)
// the same boxwood. `kind` tells the textures apart.
enum class Texture { Board, FaceWood, BackWood };

const QImage& shaded(Texture kind, qreal dpr) {
  struct Shaded {
    Texture kind;
    qreal dpr;
    QImage image;
  };
  static std::vector<Shaded> kept;
  for (const Shaded& s : kept)
    if (s.kind == kind && s.dpr == dpr) return s.image;
  // Textures of another ratio belong to a picture size no longer painted.
  std::erase_if(kept, [dpr](const Shaded& s) { return s.dpr != dpr; });
  const QSize cell(kPictureWidth, kPictureHeight);
  QImage image;
  switch (kind) {
    case Texture::Board:
      image = blankImage(cell, dpr);
      paintBoard(image);
      break;
    case Texture::FaceWood:
      image = komaWood(cell, dpr, qRgb(252, 230, 172), qRgb(222, 180, 106), 21);
      break;
    case Texture::BackWood:
      image = komaWood(cell, dpr, qRgb(222, 168, 100), qRgb(176, 118, 62), 33);
      break;
  }
  kept.push_back({kind, dpr, std::move(image)});
  return kept.back().image;
}

// Shadow, body, bevel and edge of a koma whose outline is already in cell coordinates.
void paintKoma(QPainter& p, const QPainterPath& outline, const QImage& wood, QRgb edge) {
  p.save();
  p.setPen(Qt::NoPen);
  p.fillPath(outline.translated(1.1, 1.4), QColor(0, 0, 0, 60));
  p.fillPath(outline.translated(0.5, 0.7), QColor(0, 0, 0, 70));
  p.setClipPath(outline);
  p.drawImage(QPointF(0, 0), wood);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 248, 225, 150), 1.6));
  p.drawPath(outline.translated(1.0, 1.0));
  p.setPen(QPen(QColor(90, 55, 20, 80), 1.6));
  p.drawPath(outline.translated(-1.0, -1.0));
  p.setClipping(false);
  p.setPen(QPen(QColor::fromRgb(edge), 0.8));
  p.drawPath(outline);
  p.restore();
}

struct PieceLook {
  const char* name;
  double scale;  // the higher the piece, the larger the koma
};

PieceLook lookOf(int code) {
  switch (std::abs(code)) {
    case 10:
      return {"歩", 0.86};
    case 11:
      return {"と", 0.86};
    case 20:
      return {"香", 0.88};
    // Promoted lance, knight and silver take the single cursive forms that
    // shogi sets print: two stacked characters are too small to tell apart.
    case 21:
      return {"杏", 0.88};
    case 30:
      return {"桂", 0.91};
    case 31:
      return {"圭", 0.91};
    case 40:
      return {"銀", 0.94};
    case 41:
      return {"全", 0.94};
    case 50:
      return {"金", 0.94};
    case 60:
      return {"角", 0.97};
    case 61:
      return {"馬", 0.97};
    case 70:
      return {"飛", 0.97};
    case 71:
      return {"龍", 0.97};
    // One king of a set is 王, the other 玉: the computer holds 王.
    case 80:
      return {code > 0 ? "王" : "玉", 1.0};
    default:
      return {"", 1.0};
  }
}

// Fills `text` centred on (0, middle) of the piece's frame, `size` pixels high,
// with a thin stroke round the glyphs: brushed ink is bolder than a thin Mincho.
void paintGlyph(QPainter& p, const QString& text, double size, double stretch, double middle,
                const QColor& ink) {
  QFont font(kMinchoFamily);
  font.setPixelSize(100);
  QPainterPath glyph;
  glyph.addText(0, 0, font, text);
  // Centre the em box, not the ink: every name then sits on the same line.
  const QFontMetricsF metrics(font);
  const double width = metrics.horizontalAdvance(text);
  QTransform fit;
  fit.translate(0, middle);
  fit.scale(size / 100 * stretch, size / 100);
  fit.translate(-width / 2, (metrics.ascent() - metrics.descent()) / 2);
  const QPainterPath placed = fit.map(glyph);
  p.setPen(QPen(ink, 0.45 * size / 18, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(ink);
  p.drawPath(placed);
}

// Writes the Latin name in the piece's frame, a little smaller than a kanji
// (Latin capitals fill more of their em box), two characters narrowed to fit.
void paintLatinName(QPainter& p, const QString& name, double scale, const QColor& ink) {
  paintGlyph(p, name, 15 * scale, name.size() > 1 ? 0.72 : 1.0, 17.0 - 14.5 * scale, ink);
}

// Writes the piece's one-character name in the piece's own frame.
void paintName(QPainter& p, const QString& name, double scale, const QColor& ink) {
  paintGlyph(p, name, 18 * scale, 1.0, 17.0 - 14.5 * scale, ink);
}

}  // namespace

QImage paintEmptySquare(qreal dpr) {
  QImage image = shaded(Texture::Board, dpr);
  return image;
}

QImage paintPiece(int code, bool latin, qreal dpr) {
  QImage image = shaded(Texture::Board, dpr).copy();
  const PieceLook look = lookOf(code);
  const bool upsideDown = isComputerPiece(code);
  const QTransform frame = pieceFrame(upsideDown);
  const QImage& wood = shaded(Texture::FaceWood, dpr);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  paintKoma(p, frame.map(komaOutline(look.scale)), wood, qRgb(128, 86, 38));
  p.setTransform(frame, true);
  const bool promoted = code % 10 != 0;
  const QColor ink = promoted ? QColor(196, 22, 18) : QColor(28, 18, 12);
  if (latin) {
    paintLatinName(p, QString::fromLatin1(latinLabel(code)), look.scale, ink);
  } else {
    paintName(p, QString::fromUtf8(look.name), look.scale, ink);
  }
  return image;
}

QImage paintIcon(int pixels) {
  // The human's king standing on nothing, drawn in a square of 41 x 41 logical
  // pixels and scaled to the icon's size.
  constexpr int kSide = kPictureHeight;
  const double scale = pixels / static_cast<double>(kSide);
  QImage image = blankImage({pixels, pixels}, 1.0);
  QTransform frame = pieceFrame(false);
  frame *= QTransform::fromTranslate((kSide - kPictureWidth) / 2.0, 0);
  const QImage wood =
      komaWood({kSide, kSide}, std::max(1.0, scale), qRgb(252, 230, 172), qRgb(222, 180, 106), 21);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.scale(scale, scale);
  paintKoma(p, frame.map(komaOutline(1.0)), wood, qRgb(128, 86, 38));
  p.setTransform(frame, true);
  paintName(p, QStringLiteral("玉"), 1.0, QColor(28, 18, 12));
  return image;
}

QImage paintBack(int flag, qreal dpr) {
  QImage image = shaded(Texture::Board, dpr).copy();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // A back is darker and redder than a face, and every back is the same size:
  // nothing about it may tell which piece it hides.
  const QImage& wood = shaded(Texture::BackWood, dpr);
  paintKoma(p, pieceFrame(true).map(komaOutline(0.95)), wood, qRgb(110, 66, 28));

  if (flag != kMarkBlue && flag != kMarkRed) {
    // A faint carved question mark: a piece the human cannot see.
    QFont font(kMinchoFamily);
    font.setPixelSize(17);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(255, 236, 200, 110));
    p.drawText(QRectF(0.6, 5.6, 33, 30), Qt::AlignCenter, QStringLiteral("？"));
    p.setPen(QColor(96, 52, 18, 150));
    p.drawText(QRectF(0, 5, 33, 30), Qt::AlignCenter, QStringLiteral("？"));
    return image;
  }

  const bool red = flag == kMarkRed;
  const QColor light = red ? QColor(240, 64, 48) : QColor(70, 128, 246);
  const QColor dark = red ? QColor(160, 16, 16) : QColor(22, 48, 160);
  const double poleX = 11.0;
  // Pole, with its shadow on the koma.
  p.setPen(QPen(QColor(0, 0, 0, 70), 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(poleX + 1.0, 9.0), QPointF(poleX + 1.0, 35.0));
  p.setPen(QPen(QColor(72, 44, 20), 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(poleX, 8.0), QPointF(poleX, 34.0));
  // A waving cloth.
  QPainterPath cloth;
  cloth.moveTo(poleX + 0.5, 8.5);
  cloth.cubicTo(16.0, 5.5, 21.0, 11.5, 27.5, 8.5);
  cloth.lineTo(27.5, 19.5);
  cloth.cubicTo(21.0, 22.5, 16.0, 16.5, poleX + 0.5, 19.5);
  cloth.closeSubpath();
  p.setPen(Qt::NoPen);
  p.fillPath(cloth.translated(0.8, 1.0), QColor(0, 0, 0, 70));
  QLinearGradient fill(QPointF(poleX, 8), QPointF(27.5, 19.5));
  fill.setColorAt(0, light);
  fill.setColorAt(0.55, light.darker(112));
  fill.setColorAt(1, dark);
  p.fillPath(cloth, fill);
  p.setPen(QPen(dark.darker(140), 0.7));
  p.drawPath(cloth);
  // Knob on the pole's top.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(236, 196, 72));
  p.drawEllipse(QPointF(poleX, 7.6), 1.4, 1.4);
  return image;
}

}  // namespace morovan::art
