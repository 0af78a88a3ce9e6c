#pragma once
// The window's persistent picture: the game paints into one image, and the
// widget only ever shows that image, scaled to fit the window.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRegion>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "Artwork.h"
#include "PictureFit.h"
#include "flow/KeyboardInput.h"
#include "platform/Canvas.h"

namespace morovan {

class QtCanvas : public Canvas {
 public:
  // An image covering every cell the game draws (columns -3..28, rows -2..18),
  // at the screen's device pixel ratio, filled with the window's back colour.
  explicit QtCanvas(qreal devicePixelRatio);

  // The widget that repaintNow brings up to date; may be null.
  void setWidget(QWidget* widget) { widget_ = widget; }
  const QImage& image() const { return image_; }
  const Artwork& artwork() const { return *artwork_; }
  // Picture pixels per logical pixel of the game's own layout.
  double scale() const { return scale_; }
  // The device pixel of a coordinate in twips: every drawing snaps with it, so
  // that pictures and outlines meet exactly.
  int toDevice(double twips) const;
  // Repaints the whole picture for `scale`: artwork and text are drawn anew at
  // that size from what the game has drawn so far, not stretched.
  void rescale(double scale);
  // Holds only the part of the picture the window shows, `logical` pixels from
  // its corner, from now on; empty holds every cell the drawers reach.
  void showOnly(QSize logical);
  // The background tile last drawn (2..6), or 0 before any.
  int backgroundPicture() const { return background_; }
  // Drawings kept for repainting; those wholly covered since are let go.
  std::size_t keptDrawings() const { return drawings_.size() - forgotten_; }

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
  void showCursor(double x1, double y1, double x2, double y2) override;
  void hideCursor() override;
  // The keyboard cursor's rectangle in twips; empty while it is hidden.
  QRectF cursor() const { return cursor_; }

 private:
  struct Drawing {
    enum Kind { Picture, Outline, Text } kind;
    int code;  // picture code or palette colour
    double x1, y1, x2, y2;
    QFont font;
    QColor colour;
    QString text;
    QRegion shown;  // in twips: the part no opaque picture has covered since
  };
  void keep(Drawing drawing, bool opaque);
  // Marks a kept drawing as no longer shown; the list sheds such drawings
  // when they are many.
  void forget(std::size_t i);
  bool isOpaque(int pictureCode);
  void paint(const Drawing& d);
  void scheduleShow();
  QSize deviceSize() const;

  qreal dpr_;
  double scale_ = 1.0;
  std::unique_ptr<Artwork> artwork_;
  QImage image_;
  QSize shown_;  // logical; empty for every cell
  QWidget* widget_ = nullptr;
  QFont font_;
  QColor textColour_;
  int background_ = 0;
  std::vector<Drawing> drawings_;
  std::vector<QRect> reaches_;       // each kept drawing's shown.boundingRect()
  std::size_t forgotten_ = 0;        // drawings marked forgotten, not yet let go
  QRectF cursor_;
  std::vector<signed char> opaque_;  // by picture code: -1 unknown, 0, 1
};

// The drawing area of the main window. It shows the canvas's picture scaled
// uniformly to the largest size that fits, centred, with the background tile
// around it, and hands mouse presses and key presses on.
class CanvasWidget : public QWidget {
  Q_OBJECT

 public:
  explicit CanvasWidget(QWidget* parent = nullptr);
  // The canvas to show; it must outlive the widget's painting.
  void setCanvas(QtCanvas* canvas) { canvas_ = canvas; }
  // The part of the canvas the window shows at its start size, in logical
  // pixels from the canvas's corner; empty shows the canvas unscaled.
  void setPictureSize(QSize logical);
  QSize pictureSize() const { return picture_; }
  // Where the picture stands now.
  PictureFit fit() const;
  // Button codes: left 1, right 2, middle 4, any other its Qt code; X and Y in twips.
  std::function<void(int button, double x, double y)> onMouseDown;
  // A key of keyboard play (arrows, H, Enter or Space, P or Shift+Enter).
  std::function<void(KeyboardKey key)> onKeyboardPlay;
  // The character code of a key that types one (Esc is 27).
  std::function<void(int keyCode)> onKeyPress;
  // Told whenever the picture moves or changes its size.
  std::function<void(const PictureFit& fit)> onFitChanged;
  // Called once, from the event loop, after the widget's first paint.
  std::function<void()> onFirstPaint;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void settle();

  QtCanvas* canvas_ = nullptr;
  QSize picture_;
  // While the size keeps changing, the last crisp picture is shown scaled;
  // the picture is repainted for the size once it has rested this long.
  QTimer settle_;
};

}  // namespace morovan
