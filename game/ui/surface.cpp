#include "surface.h"

#include <QMouseEvent>
#include <QPainter>
#include <QVariant>
#include <algorithm>
#include <cmath>

#include "large_image.h"

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

Surface::Surface(int width, int height) : width_(width), height_(height) {}

QImage& Surface::made() const {
  if (image_.isNull()) {
    image_ = makeLargeImage(static_cast<int>(std::lround(width_ * scale_)),
                            static_cast<int>(std::lround(height_ * scale_)), QImage::Format_RGB32);
    image_.setDevicePixelRatio(scale_);
    image_.fill(Qt::black);
  }
  return image_;
}

void Surface::setScale(double scale) {
  if (scale <= 0 || scale == scale_) return;
  scale_ = scale;
  image_ = QImage();
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
  surface_.setRefresh([this] { update(); });
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

void SurfaceWidget::paintEvent(QPaintEvent*) {
  matchScale();
  QPainter painter(this);
  const QImage& image = surface_.image();
  if (zoom_ == 1 && image.devicePixelRatio() == devicePixelRatioF()) {
    painter.drawImage(0, 0, image);  // pixel for pixel
  } else {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(0, 0, width(), height()), image);
  }
}

void SurfaceWidget::mousePressEvent(QMouseEvent* event) {
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
