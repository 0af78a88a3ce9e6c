#pragma once
// Layout and colour fields of the window, fixed at start-up but for the
// background and the guidance colour.

namespace morovan {

// Cell (col, row) has its top-left corner at
// (BoardOriginX + SquareWidth * col, BoardOriginY + SquareHeight * row) twips.
inline constexpr int kBoardOriginX = 1050;
inline constexpr int kBoardOriginY = 100;
inline constexpr int kSquareWidth = 495;
inline constexpr int kSquareHeight = 615;

// Palette colour 15, white: the colour of the texts and outlines that are not
// the player's to choose.
inline constexpr int kWhite = 15;

// Indices into the classic 16-colour palette.
struct ViewState {
  int TextColour = kWhite;
  int AccentColour = 12;
  int ShadowColour = 0;
  int LabelColour = 14;
  int ResultColour = kWhite;
  int BackColour = 2;
  int GridColour = 2;
  int GuideColour = 2;
  int BackgroundPicture = 0;  // 2..6 once the settings chose one
  int MoveGuidance = 0;
  bool LatinPieces = false;  // pieces labelled K, R, B, ... instead of in kanji
  // The keyboard's cursor: its cell (a board square or the human's hand), the
  // square it left for the hand, and whether it is shown.
  int CursorCol = 5, CursorRow = 9;
  int BoardCursorCol = 5, BoardCursorRow = 9;
  bool CursorShown = false;
};

inline constexpr double cellX(double col) { return kBoardOriginX + kSquareWidth * col; }
inline constexpr double cellY(double row) { return kBoardOriginY + kSquareHeight * row; }

}  // namespace morovan
