#include "surface.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QVariant>
#include <algorithm>
#include <cmath>
#include <utility>

namespace vorpex {

int pointsToPixels(double points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

namespace {
constexpr const char* kZoomProperty = "vorpexZoom";
}  // namespace

double windowZoom(const QWidget* widget) {
  if (!widget) return 1;
  const QVariant zoom = widget->window()->property(kZoomProperty);
  return zoom.isValid() && zoom.toDouble() > 0 ? zoom.toDouble() : 1;
}

void setWindowZoom(QWidget& window, double zoom) { window.setProperty(kZoomProperty, zoom); }

int zoomed(int length, double zoom) { return static_cast<int>(std::lround(length * zoom)); }

QRect zoomed(const QRect& rect, double zoom) {
  return {zoomed(rect.x(), zoom), zoomed(rect.y(), zoom), zoomed(rect.width(), zoom), zoomed(rect.height(), zoom)};
}

QFont zoomedFont(const QString& family, double points, bool bold, double zoom) {
  QFont font(family);
  font.setPixelSize(zoomed(pointsToPixels(points), zoom));
  font.setBold(bold);
  return font;
}

Surface::Surface(int width, int height) : width_(width), height_(height) {}

QImage& Surface::made() const {
  if (image_.isNull()) {
    image_ = QImage(static_cast<int>(std::lround(width_ * scale_)), static_cast<int>(std::lround(height_ * scale_)),
                    QImage::Format_RGB32);
    image_.setDevicePixelRatio(scale_);
    image_.fill(Qt::black);
  }
  return image_;
}

QImage& Surface::drawOn(const QRect& touched) {
  changed_ += touched.intersected(QRect(0, 0, width_, height_));
  return made();
}

void Surface::refresh() {
  ++refreshes_;
  if (changed_.isEmpty()) return;
  const QRegion changed = changed_;
  changed_ = QRegion();
  if (refresh_) refresh_(changed);
}

void Surface::setScale(double scale) {
  if (scale <= 0 || scale == scale_) return;
  scale_ = scale;
  image_ = QImage();
  changed_ = QRegion(0, 0, width_, height_);
}

void Surface::setFontSize(double points) {
  points_ = points;
  font_.setPixelSize(pointsToPixels(points));
}

void Surface::setFont(const QString& family, double points, bool bold) {
  font_ = QFont(family);
  font_.setBold(bold);
  font_.setStyleStrategy(QFont::PreferAntialias);
  setFontSize(points);
}

namespace {
int buttonCode(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
  }
}
}  // namespace

SurfaceWidget::SurfaceWidget(Surface& surface, QWidget* parent) : QWidget(parent), surface_(surface) {
  setMouseTracking(true);
  setFixedSize(surface.width(), surface.height());
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Only what changed goes to the screen: at a large zoom the whole surface
  // is millions of pixels for the one tile a click draws.
  surface_.setRefresh([this](const QRegion& changed) {
    update(shownPart(changed));
    items_.tellChanges();
  });
}

void SurfaceWidget::setZoom(double zoom) {
  zoom_ = std::max(zoom, 0.125);
  setFixedSize(static_cast<int>(std::lround(surface_.width() * zoom_)),
               static_cast<int>(std::lround(surface_.height() * zoom_)));
  update();
}

void SurfaceWidget::matchScale() {
  const double wanted = zoom_ * devicePixelRatioF();
  if (!onRescaled || std::abs(wanted - surface_.scale()) < 1e-6) return;
  surface_.setScale(wanted);
  onRescaled();
}

QRegion SurfaceWidget::shownPart(const QRegion& logical) const {
  QRegion shown;
  for (const QRect& part : logical) {
    // Outward to whole widget pixels, and one more for smoothing at the edges.
    const QRectF scaled(part.x() * zoom_, part.y() * zoom_, part.width() * zoom_, part.height() * zoom_);
    shown += scaled.toAlignedRect().adjusted(-1, -1, 1, 1).intersected(rect());
  }
  return shown;
}

void SurfaceWidget::paintEvent(QPaintEvent* event) {
  matchScale();
  QPainter painter(this);
  const QImage& image = std::as_const(surface_).image();
  const double ratio = devicePixelRatioF();
  if (std::abs(image.devicePixelRatio() - zoom_ * ratio) < 1e-6) {
    // Drawn at the screen's own pixels: copied pixel for pixel, only the
    // part asked for. The image is seen at the screen's ratio through a
    // view of its pixels, not a copy: a view over writable pixels, alone,
    // takes a new ratio without copying them (it never writes to them).
    QImage atScreenRatio(const_cast<uchar*>(image.constBits()), image.width(), image.height(), image.bytesPerLine(),
                         image.format());
    atScreenRatio.setDevicePixelRatio(ratio);
    for (const QRect& part : event->region())
      painter.drawImage(part.topLeft(), atScreenRatio,
                        QRect(zoomed(part.x(), ratio), zoomed(part.y(), ratio), zoomed(part.width(), ratio),
                              zoomed(part.height(), ratio)));
    items_.paintMark(painter, zoom_);
    return;
  }
  // Stretched (a surface that keeps its scale): only the part asked for,
  // the source that part of the image in its own pixels.
  const double kx = image.width() / static_cast<double>(width());
  const double ky = image.height() / static_cast<double>(height());
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  for (const QRectF target : event->region())
    painter.drawImage(target, image, QRectF(target.x() * kx, target.y() * ky, target.width() * kx, target.height() * ky));
  items_.paintMark(painter, zoom_);
}

void SurfaceWidget::mousePressEvent(QMouseEvent* event) {
  items_.hideMark();
  if (onMouseDown) onMouseDown(buttonCode(event->button()), event->position().x() / zoom_, event->position().y() / zoom_);
}

void SurfaceWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (onMouseUp) onMouseUp(buttonCode(event->button()), event->position().x() / zoom_, event->position().y() / zoom_);
}

void SurfaceWidget::mouseMoveEvent(QMouseEvent* event) {
  int buttons = 0;
  if (event->buttons() & Qt::LeftButton) buttons |= 1;
  if (event->buttons() & Qt::RightButton) buttons |= 2;
  if (onMouseMove) onMouseMove(buttons, event->position().x() / zoom_, event->position().y() / zoom_);
}

}  // namespace vorpex
