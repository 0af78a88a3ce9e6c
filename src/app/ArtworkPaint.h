#pragma once
// The painters behind Artwork, shared by its source files.

#include <QImage>
#include <QSize>
#include <cstdint>

namespace morovan::art {

// A transparent image of `logical` size at the given device pixel ratio.
QImage blankImage(QSize logical, qreal dpr);

// A hash of two integers and a seed, evenly spread over [0, 1).
double hash01(int x, int y, int seed);
// Smooth value noise in [0, 1) on a lattice of cellsU x cellsV cells that wraps,
// so that noise(u + cellsU, v) = noise(u, v + cellsV) = noise(u, v).
double wrappedNoise(double u, double v, int cellsU, int cellsV, int seed);

// Sets every device pixel from a function of the logical position of its centre.
template <typename ColourOf>
void shadePixels(QImage& image, ColourOf colourOf) {
  const qreal dpr = image.devicePixelRatio();
  for (int j = 0; j < image.height(); ++j) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(j));
    for (int i = 0; i < image.width(); ++i) line[i] = colourOf((i + 0.5) / dpr, (j + 0.5) / dpr);
  }
}

QRgb mixRgb(QRgb a, QRgb b, double t);
QRgb scaleRgb(QRgb c, double factor);

// Pictures of Artwork, each at its natural size.
QImage paintEmptySquare(qreal dpr);
// A piece named in kanji, or with `latin` in Latin letters (K, R, B, G, S, N, L,
// P; promoted ones with a leading +).
QImage paintPiece(int code, bool latin, qreal dpr);
// The back of a hidden piece; flag 7 adds a blue flag, 8 a red one, other values none.
QImage paintBack(int flag, qreal dpr);
// Background tiles 2..6; they repeat every 33 x 41 logical pixels.
QImage paintTile(int code, qreal dpr);
QImage paintTitle(qreal dpr);
// The window's icon: a koma on a clear ground, `pixels` square.
QImage paintIcon(int pixels);

}  // namespace morovan::art
