#include "QtCanvas.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <cmath>

#include "Artwork.h"
#include "Palette.h"
#include "view/ViewState.h"

namespace morovan {
namespace {

// The cells the background drawer reaches; anything left or above of the
// window's corner is clipped.
constexpr int kLastColumn = 28;
constexpr int kLastRow = 18;
constexpr int kStartBackColour = 2;
const char* kTextFamily = "IPAexGothic";

}  // namespace

CanvasWidget::CanvasWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  QRegion beyond(event->rect());
  if (image_ != nullptr) {
    p.drawImage(QPointF(0, 0), *image_);
    beyond -= QRect(QPoint(0, 0), image_->deviceIndependentSize().toSize());
  }
  // A maximised window on a large screen reaches past the image.
  for (const QRect& r : beyond) p.fillRect(r, paletteColour(kStartBackColour));
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
  if (!onMouseDown) return;
  const QPointF at = event->position();
  onMouseDown(static_cast<int>(event->button()), at.x() * kTwipsPerPixel, at.y() * kTwipsPerPixel);
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

QtCanvas::QtCanvas(const Artwork& artwork)
    : artwork_(artwork), font_(kTextFamily), textColour_(paletteColour(0)) {
  const qreal dpr = artwork.devicePixelRatio();
  const QSize logical(static_cast<int>(std::ceil(cellX(kLastColumn + 1) / kTwipsPerPixel)),
                      static_cast<int>(std::ceil(cellY(kLastRow + 1) / kTwipsPerPixel)));
  image_ = QImage(logical * dpr, QImage::Format_RGB32);
  image_.setDevicePixelRatio(dpr);
  image_.fill(paletteColour(kStartBackColour));
  font_.setPixelSize(12);
}

int QtCanvas::toDevice(double twips) const {
  // Rounding up keeps the drawing in step with the mouse: a press at a pixel
  // is reported at the twips of its left or top edge, and the hit test puts
  // that pixel in a cell exactly when the cell's corner is not past it.
  return static_cast<int>(std::ceil(twips * artwork_.devicePixelRatio() / kTwipsPerPixel - 1e-6));
}

void QtCanvas::drawPicture(int pictureCode, double x, double y) {
  const QImage* picture = artwork_.picture(pictureCode);
  if (picture == nullptr) return;
  const qreal dpr = artwork_.devicePixelRatio();
  QPainter p(&image_);
  p.drawImage(QPointF(toDevice(x) / dpr, toDevice(y) / dpr), *picture);
  scheduleShow();
}

void QtCanvas::outline(double x1, double y1, double x2, double y2, int colour) {
  const QColor c = paletteColour(colour);
  if (!c.isValid()) return;
  const qreal dpr = artwork_.devicePixelRatio();
  const int left = toDevice(std::min(x1, x2)), right = toDevice(std::max(x1, x2));
  const int top = toDevice(std::min(y1, y2)), bottom = toDevice(std::max(y1, y2));
  // One logical pixel wide, on the corner pixels themselves: the right and
  // bottom lines fall on the first column and row of the next cell.
  const int w = std::max(1, static_cast<int>(std::lround(dpr)));
  auto device = [dpr](int x, int y, int width, int height) {
    return QRectF(x / dpr, y / dpr, width / dpr, height / dpr);
  };
  QPainter p(&image_);
  p.fillRect(device(left, top, right - left + w, w), c);
  p.fillRect(device(left, bottom, right - left + w, w), c);
  p.fillRect(device(left, top, w, bottom - top + w), c);
  p.fillRect(device(right, top, w, bottom - top + w), c);
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
  QPainter p(&image_);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setFont(font_);
  p.setPen(textColour_);
  const QFontMetricsF metrics(font_, &image_);
  p.drawText(QPointF(x / kTwipsPerPixel, y / kTwipsPerPixel + metrics.ascent()),
             QString::fromStdString(text));
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

}  // namespace morovan
