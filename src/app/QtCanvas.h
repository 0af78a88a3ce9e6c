#pragma once
// The window's persistent picture: the game paints into one image, and the
// widget only ever shows that image.

#include <QFont>
#include <QImage>
#include <QWidget>
#include <functional>

#include "platform/Canvas.h"

namespace morovan {

class Artwork;

// Logical pixels are twips / 15.
inline constexpr double kTwipsPerPixel = 15.0;

// The drawing area of the main window. It shows the canvas image at its
// top-left corner and hands mouse presses and key presses on.
class CanvasWidget : public QWidget {
  Q_OBJECT

 public:
  explicit CanvasWidget(QWidget* parent = nullptr);
  // The image to show; it must outlive the widget's painting.
  void setImage(const QImage* image) { image_ = image; }
  // Button codes: left 1, right 2, middle 4, any other its Qt code; X and Y in twips.
  std::function<void(int button, double x, double y)> onMouseDown;
  // The character code of a key that types one (Esc is 27).
  std::function<void(int keyCode)> onKeyPress;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  const QImage* image_ = nullptr;
};

class QtCanvas : public Canvas {
 public:
  // An image covering every cell the game draws (columns -3..28, rows -2..18),
  // at the artwork's device pixel ratio, filled with the window's back colour.
  explicit QtCanvas(const Artwork& artwork);

  // The widget that repaintNow brings up to date; may be null.
  void setWidget(QWidget* widget) { widget_ = widget; }
  const QImage& image() const { return image_; }
  // The device pixel of a coordinate in twips: every drawing snaps with it, so
  // that pictures and outlines meet exactly.
  int toDevice(double twips) const;

  void drawPicture(int pictureCode, double x, double y) override;
  // Colours outside the palette draw nothing.
  void outline(double x1, double y1, double x2, double y2, int colour) override;
  // Points: one point is 20 twips.
  void setFontSize(double points) override;
  void setFontBold(bool bold) override;
  // Colours outside the palette leave the text colour as it was.
  void setTextColour(int colour) override;
  void printText(double x, double y, const std::string& text) override;
  void repaintNow() override;

 private:
  void scheduleShow();

  const Artwork& artwork_;
  QImage image_;
  QWidget* widget_ = nullptr;
  QFont font_;
  QColor textColour_;
};

}  // namespace morovan
