#include "Palette.h"

namespace morovan {

QColor paletteColour(int index) {
  static constexpr QRgb kColours[kPaletteSize] = {
      qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
      qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
      qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
      qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255),
  };
  if (index < 0 || index >= kPaletteSize) return {};
  return QColor::fromRgb(kColours[index]);
}

}  // namespace morovan
