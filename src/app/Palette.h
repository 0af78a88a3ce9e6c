#pragma once
// The classic 16-colour palette the game's colour fields index.

#include <QColor>

namespace morovan {

inline constexpr int kPaletteSize = 16;

// The colour of palette entry 0..15; indices outside the palette give an invalid QColor.
QColor paletteColour(int index);

}  // namespace morovan
