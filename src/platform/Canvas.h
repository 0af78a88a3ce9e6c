#pragma once
// The persistent picture of the window. All coordinates are twips (15 per
// logical pixel); nothing is cleared before drawing, later drawing covers earlier.

#include <string>

namespace morovan {

class Canvas {
 public:
  virtual ~Canvas() = default;
  // Draws the image of a picture code (a PieceCode, or 0..9 of model/Types.h)
  // at its natural size with its top-left corner at (x, y). Unknown codes draw nothing.
  virtual void drawPicture(int pictureCode, double x, double y) = 0;
  // Outlines the rectangle (x1, y1)-(x2, y2) in palette colour 0..15.
  virtual void outline(double x1, double y1, double x2, double y2, int colour) = 0;
  virtual void setFontSize(double points) = 0;
  virtual void setFontBold(bool bold) = 0;
  virtual void setTextColour(int colour) = 0;
  // Prints UTF-8 text with its top-left corner at (x, y) in the current font.
  virtual void printText(double x, double y, const std::string& text) = 0;
  // Puts everything drawn so far on screen before returning.
  virtual void repaintNow() = 0;
  // The keyboard's cursor round (x1, y1)-(x2, y2), shown over the picture and
  // never part of it, until hideCursor or the next showCursor. A canvas of a
  // platform without a keyboard may ignore both.
  virtual void showCursor(double /*x1*/, double /*y1*/, double /*x2*/, double /*y2*/) {}
  virtual void hideCursor() {}
};

}  // namespace morovan
