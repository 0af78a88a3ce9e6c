#include "QtCanvas.h"

#include <malloc.h>

#include <QApplication>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <climits>
#include <cmath>

#include "Palette.h"
#include "model/Types.h"
#include "view/ViewState.h"

namespace morovan {
namespace {

// The cells the background drawer reaches; anything left or above of the
// window's corner is clipped.
constexpr int kLastColumn = 28;
constexpr int kLastRow = 18;
constexpr int kStartBackColour = 2;
const char* kTextFamily = "IPAexGothic";
// Long enough that a window dragged to a new size repaints once, at its end.
constexpr int kSettleMs = 150;
// Where a forgotten drawing reaches: left of and below everything, so that
// no rectangle meets it.
constexpr QRect kForgotten(QPoint(INT_MAX, INT_MIN), QPoint(INT_MIN, INT_MIN));

// A rectangle in twips as whole twips, grown outwards.
QRect twipsRect(double left, double top, double right, double bottom) {
  const int l = static_cast<int>(std::floor(left)), t = static_cast<int>(std::floor(top));
  return QRect(QPoint(l, t), QPoint(static_cast<int>(std::ceil(right)) - 1,
                                    static_cast<int>(std::ceil(bottom)) - 1));
}

}  // namespace

QtCanvas::QtCanvas(qreal devicePixelRatio)
    : dpr_(devicePixelRatio),
      artwork_(std::make_unique<Artwork>(devicePixelRatio)),
      font_(kTextFamily),
      textColour_(paletteColour(0)),
      opaque_(Artwork::kCodes, -1) {
  font_.setPixelSize(12);
  rescale(1.0);
}

int QtCanvas::toDevice(double twips) const {
  // Rounding up keeps the drawing in step with the mouse: a press at a pixel
  // is reported at the twips of its left or top edge, and the hit test puts
  // that pixel in a cell exactly when the cell's corner is not past it.
  return static_cast<int>(
      std::ceil(twips * artwork_->devicePixelRatio() / kTwipsPerPixel - kPixelSlack));
}

void QtCanvas::rescale(double scale) {
  scale_ = scale;
  const qreal ratio = dpr_ * scale;
  if (artwork_->devicePixelRatio() != ratio) artwork_ = std::make_unique<Artwork>(ratio);
  // The old image goes before the new one is made, so the two never take
  // memory at once.
  image_ = QImage();
  image_ = QImage(deviceSize(), QImage::Format_RGB32);
  image_.setDevicePixelRatio(ratio);
  image_.fill(paletteColour(kStartBackColour));
  for (std::size_t i = 0; i < drawings_.size(); ++i)
    if (reaches_[i] != kForgotten) paint(drawings_[i]);
  // The pictures and image of the old size are freed: give their memory back
  // to the system, which the allocator keeps otherwise.
  malloc_trim(0);
  scheduleShow();
}

void QtCanvas::showOnly(QSize logical) {
  shown_ = logical;
  // The same pixels, cut to the shown part.
  const qreal ratio = image_.devicePixelRatio();
  image_ = image_.copy(QRect(QPoint(0, 0), deviceSize()));
  image_.setDevicePixelRatio(ratio);
}

QSize QtCanvas::deviceSize() const {
  const QSize reached(static_cast<int>(std::ceil(cellX(kLastColumn + 1) / kTwipsPerPixel)),
                      static_cast<int>(std::ceil(cellY(kLastRow + 1) / kTwipsPerPixel)));
  const QSize logical = shown_.isEmpty() ? reached : shown_.boundedTo(reached);
  return (QSizeF(logical) * artwork_->devicePixelRatio()).toSize();
}

bool QtCanvas::isOpaque(int pictureCode) {
  const int slot = pictureCode - Artwork::kLowestCode;
  if (slot < 0 || slot >= Artwork::kCodes) return false;
  signed char& known = opaque_[slot];
  if (known < 0) {
    const QImage* picture = artwork_->picture(pictureCode);
    known = picture != nullptr ? 1 : 0;
    for (int y = 0; known && picture->hasAlphaChannel() && y < picture->height(); ++y) {
      const auto* line = reinterpret_cast<const QRgb*>(picture->constScanLine(y));
      for (int x = 0; known && x < picture->width(); ++x) known = qAlpha(line[x]) == 255;
    }
  }
  return known == 1;
}

void QtCanvas::keep(Drawing drawing, bool opaque) {
  const QRect reach = drawing.shown.boundingRect();
  // An opaque picture hides whatever lies under it: what it hides wholly
  // need not be repainted, which keeps the list as short as the screen.
  if (opaque) {
    // Most kept drawings lie far from the new one: their rectangles, packed
    // apart from the drawings, tell at once.
    for (std::size_t i = 0; i < reaches_.size(); ++i) {
      const QRect& r = reaches_[i];
      if (r.right() < reach.left() || r.left() > reach.right() || r.bottom() < reach.top() ||
          r.top() > reach.bottom())
        continue;
      drawings_[i].shown -= reach;
      reaches_[i] = drawings_[i].shown.boundingRect();
      if (reaches_[i].isEmpty()) forget(i);
    }
  } else if (drawing.kind == Drawing::Outline) {
    // An outline paints over the same pixels as any earlier one on its corners.
    for (std::size_t i = 0; i < reaches_.size(); ++i) {
      const Drawing& d = drawings_[i];
      if (reaches_[i] == reach && d.kind == Drawing::Outline && d.x1 == drawing.x1 &&
          d.y1 == drawing.y1 && d.x2 == drawing.x2 && d.y2 == drawing.y2)
        forget(i);
    }
  }
  drawings_.push_back(std::move(drawing));
  reaches_.push_back(reach);
  // Let go of the forgotten once they are as many as the rest, so that each
  // drawing is moved a bounded number of times however long the game runs.
  if (forgotten_ * 2 > drawings_.size()) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < drawings_.size(); ++i) {
      if (reaches_[i] == kForgotten) continue;
      if (kept != i) {
        drawings_[kept] = std::move(drawings_[i]);
        reaches_[kept] = reaches_[i];
      }
      ++kept;
    }
    drawings_.erase(drawings_.begin() + static_cast<std::ptrdiff_t>(kept), drawings_.end());
    reaches_.resize(kept);
    forgotten_ = 0;
  }
}

void QtCanvas::forget(std::size_t i) {
  drawings_[i] = Drawing{};
  reaches_[i] = kForgotten;
  ++forgotten_;
}

void QtCanvas::paint(const Drawing& d) {
  const qreal ratio = artwork_->devicePixelRatio();
  QPainter p(&image_);
  switch (d.kind) {
    case Drawing::Picture: {
      const QImage* picture = artwork_->picture(d.code);
      if (picture == nullptr) return;
      // The picture fills the device pixels between its snapped edges, which
      // at a fractional ratio may be one more or less than it was painted with.
      const QSize size = Artwork::naturalSize(d.code) * kTwipsPerPixel;
      const int left = toDevice(d.x1), top = toDevice(d.y1);
      const int right = toDevice(d.x1 + size.width()), bottom = toDevice(d.y1 + size.height());
      p.drawImage(QRectF(left / ratio, top / ratio, (right - left) / ratio, (bottom - top) / ratio),
                  *picture);
      return;
    }
    case Drawing::Outline: {
      const int left = toDevice(d.x1), right = toDevice(d.x2);
      const int top = toDevice(d.y1), bottom = toDevice(d.y2);
      // One logical pixel wide, on the corner pixels themselves: the right and
      // bottom lines fall on the first column and row of the next cell.
      const int w = std::max(1, static_cast<int>(std::lround(ratio)));
      auto device = [ratio](int x, int y, int width, int height) {
        return QRectF(x / ratio, y / ratio, width / ratio, height / ratio);
      };
      p.fillRect(device(left, top, right - left + w, w), d.colour);
      p.fillRect(device(left, bottom, right - left + w, w), d.colour);
      p.fillRect(device(left, top, w, bottom - top + w), d.colour);
      p.fillRect(device(right, top, w, bottom - top + w), d.colour);
      return;
    }
    case Drawing::Text: {
      p.setRenderHint(QPainter::TextAntialiasing);
      p.setFont(d.font);
      p.setPen(d.colour);
      const QFontMetricsF metrics(d.font, &image_);
      p.drawText(QPointF(d.x1 / kTwipsPerPixel, d.y1 / kTwipsPerPixel + metrics.ascent()), d.text);
      return;
    }
  }
}

void QtCanvas::drawPicture(int pictureCode, double x, double y) {
  if (artwork_->picture(pictureCode) == nullptr) return;
  if (pictureCode >= kPictureMidori && pictureCode <= kPictureRenga) background_ = pictureCode;
  const QSize size = Artwork::naturalSize(pictureCode) * kTwipsPerPixel;
  Drawing d{Drawing::Picture,  pictureCode, x,  y,  x + size.width(),
            y + size.height(), {},          {}, {}, {}};
  d.shown = twipsRect(x, y, d.x2, d.y2);
  paint(d);
  keep(std::move(d), isOpaque(pictureCode));
  scheduleShow();
}

void QtCanvas::outline(double x1, double y1, double x2, double y2, int colour) {
  const QColor c = paletteColour(colour);
  if (!c.isValid()) return;
  Drawing d{Drawing::Outline,
            colour,
            std::min(x1, x2),
            std::min(y1, y2),
            std::max(x1, x2),
            std::max(y1, y2),
            {},
            c,
            {},
            {}};
  d.shown = twipsRect(d.x1, d.y1, d.x2 + kTwipsPerPixel, d.y2 + kTwipsPerPixel);
  paint(d);
  keep(std::move(d), false);
  scheduleShow();
}

void QtCanvas::setFontSize(double points) {
  const double pixels = points * 20 / kTwipsPerPixel;
  font_.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
}

void QtCanvas::setFontBold(bool bold) {
  font_.setBold(bold);
}

void QtCanvas::setTextColour(int colour) {
  const QColor c = paletteColour(colour);
  if (c.isValid()) textColour_ = c;
}

void QtCanvas::printText(double x, double y, const std::string& text) {
  Drawing d{Drawing::Text, 0, x, y, x, y, font_, textColour_, QString::fromStdString(text), {}};
  // Where the glyphs may reach, with a pixel to spare for antialiasing.
  const QFontMetricsF metrics(font_);
  const QRectF ink = metrics.boundingRect(d.text).translated(x / kTwipsPerPixel,
                                                             y / kTwipsPerPixel + metrics.ascent());
  const QRectF reach = ink.adjusted(-2, -2, 2, 2);
  d.shown = twipsRect(reach.left() * kTwipsPerPixel, reach.top() * kTwipsPerPixel,
                      reach.right() * kTwipsPerPixel, reach.bottom() * kTwipsPerPixel);
  paint(d);
  keep(std::move(d), false);
  scheduleShow();
}

void QtCanvas::showCursor(double x1, double y1, double x2, double y2) {
  cursor_ = QRectF(QPointF(x1, y1), QPointF(x2, y2));
  scheduleShow();
}

void QtCanvas::hideCursor() {
  cursor_ = QRectF();
  scheduleShow();
}

void QtCanvas::scheduleShow() {
  // Drawing shows up as soon as the window serves its events again, also
  // behind a modal message box; repaintNow is for when it does not.
  if (widget_ != nullptr) widget_->update();
}

void QtCanvas::repaintNow() {
  if (widget_ != nullptr && widget_->isVisible()) widget_->repaint();
}

CanvasWidget::CanvasWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  settle_.setSingleShot(true);
  settle_.setInterval(kSettleMs);
  connect(&settle_, &QTimer::timeout, this, [this] { settle(); });
}

void CanvasWidget::setPictureSize(QSize logical) {
  picture_ = logical;
  if (canvas_ != nullptr) canvas_->showOnly(logical);
  // Smaller than half, the board's texts could no longer be read.
  setMinimumSize(logical / 2);
  if (onFitChanged) onFitChanged(fit());
  settle();
}

PictureFit CanvasWidget::fit() const {
  return PictureFit::of(QSizeF(size()), QSizeF(picture_), devicePixelRatioF());
}

void CanvasWidget::settle() {
  if (canvas_ == nullptr) return;
  const double scale = fit().scale;
  if (scale == canvas_->scale()) return;
  canvas_->rescale(scale);
  update();
}

void CanvasWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (onFitChanged) onFitChanged(fit());
  settle_.start();
}

void CanvasWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter p(this);
  if (canvas_ == nullptr) {
    p.fillRect(rect(), paletteColour(kStartBackColour));
    return;
  }
  const PictureFit f = fit();
  const QImage& image = canvas_->image();
  const qreal ratio = canvas_->artwork().devicePixelRatio();
  const QSize picture = picture_.isEmpty() ? image.size() : (QSizeF(picture_) * ratio).toSize();
  // From here on the painter counts in the canvas's device pixels, which are
  // the window's own once the picture has been repainted for this size;
  // until then the last picture is shown scaled.
  p.translate(f.offset);
  p.scale(f.scale / ratio, f.scale / ratio);
  const QRect shown(QPoint(0, 0), picture);
  const QRect window = p.transform().inverted().mapRect(QRectF(rect())).toAlignedRect();

  // The margin repeats the background tile on the canvas's own grid, so that
  // it runs on from the picture's edge without a seam.
  p.setClipRegion(QRegion(window) - QRegion(shown));
  const QImage* tile = canvas_->artwork().picture(canvas_->backgroundPicture());
  if (tile == nullptr) {
    p.fillRect(window, paletteColour(kStartBackColour));
  } else {
    const double twipsPerDevice = kTwipsPerPixel / ratio;
    auto first = [](double twips, double origin, double step) {
      return static_cast<int>(std::floor((twips - origin) / step)) - 1;
    };
    const int col0 = first(window.left() * twipsPerDevice, kBoardOriginX, kSquareWidth);
    const int row0 = first(window.top() * twipsPerDevice, kBoardOriginY, kSquareHeight);
    const int col1 = first(window.right() * twipsPerDevice, kBoardOriginX, kSquareWidth) + 2;
    const int row1 = first(window.bottom() * twipsPerDevice, kBoardOriginY, kSquareHeight) + 2;
    for (int row = row0; row <= row1; ++row) {
      for (int col = col0; col <= col1; ++col) {
        const int left = canvas_->toDevice(cellX(col)), top = canvas_->toDevice(cellY(row));
        const int right = canvas_->toDevice(cellX(col) + kTileWidth * kTwipsPerPixel);
        const int bottom = canvas_->toDevice(cellY(row) + kTileHeight * kTwipsPerPixel);
        p.drawImage(QRect(left, top, right - left, bottom - top), *tile);
      }
    }
  }
  p.setClipping(false);
  // While the size changes, the margin is tiled as it comes, which is quick
  // at any size; only the picture is smoothed.
  p.setRenderHint(QPainter::SmoothPixmapTransform, f.scale != canvas_->scale());
  p.drawImage(shown, image, shown);
  const QRectF cursor = canvas_->cursor();
  if (!cursor.isEmpty()) {
    // A frame over the cell, drawn on top of the picture and never into it.
    const QRect cell(
        QPoint(canvas_->toDevice(cursor.left()), canvas_->toDevice(cursor.top())),
        QPoint(canvas_->toDevice(cursor.right()) - 1, canvas_->toDevice(cursor.bottom()) - 1));
    const qreal width = 3 * ratio;
    p.setPen(QPen(QColor(255, 215, 0), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(cell).adjusted(width / 2, width / 2, -width / 2, -width / 2));
  }
  if (onFirstPaint) {
    QTimer::singleShot(0, this, std::move(onFirstPaint));
    onFirstPaint = nullptr;
  }
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
  if (!onMouseDown) return;
  QPointF at = event->position() * kTwipsPerPixel;
  if (canvas_ != nullptr)
    at = fit().toTwips(event->position(), canvas_->scale(), devicePixelRatioF());
  onMouseDown(static_cast<int>(event->button()), at.x(), at.y());
}

void CanvasWidget::keyPressEvent(QKeyEvent* event) {
  // A key that the record panel's fields and lists pass on is not the game's:
  // Esc typed into the file name must not end the program, as a form hears no
  // key while one of its controls holds the focus.
  const QWidget* focus = QApplication::focusWidget();
  if (focus != nullptr && focus != this && isAncestorOf(focus)) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (onKeyboardPlay) {
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    switch (event->key()) {
      case Qt::Key_Left:
        return onKeyboardPlay(KeyboardKey::Left);
      case Qt::Key_Right:
        return onKeyboardPlay(KeyboardKey::Right);
      case Qt::Key_Up:
        return onKeyboardPlay(KeyboardKey::Up);
      case Qt::Key_Down:
        return onKeyboardPlay(KeyboardKey::Down);
      case Qt::Key_H:
        return onKeyboardPlay(KeyboardKey::Hand);
      case Qt::Key_P:
        return onKeyboardPlay(KeyboardKey::Promote);
      case Qt::Key_Return:
      case Qt::Key_Enter:
        return onKeyboardPlay(shift ? KeyboardKey::Promote : KeyboardKey::Select);
      case Qt::Key_Space:
        return onKeyboardPlay(KeyboardKey::Select);
      default:
        break;
    }
  }
  int code = -1;
  if (event->key() == Qt::Key_Escape) {
    code = 27;
  } else if (!event->text().isEmpty()) {
    code = event->text().at(0).unicode();
  }
  if (code < 0 || !onKeyPress) {
    QWidget::keyPressEvent(event);
    return;
  }
  onKeyPress(code);
}

}  // namespace morovan
