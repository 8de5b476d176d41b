#include "surface.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace vorpex {

int pointsToPixels(double points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

Surface::Surface(int width, int height) : width_(width), height_(height) {}

QImage& Surface::made() const {
  if (image_.isNull()) {
    image_ = QImage(width_, height_, QImage::Format_RGB32);
    image_.fill(Qt::black);
  }
  return image_;
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

void SurfaceWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, surface_.image());
}

void SurfaceWidget::mousePressEvent(QMouseEvent* event) {
  if (onMouseDown) onMouseDown(buttonCode(event->button()), event->position().x(), event->position().y());
}

void SurfaceWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (onMouseUp) onMouseUp(buttonCode(event->button()), event->position().x(), event->position().y());
}

void SurfaceWidget::mouseMoveEvent(QMouseEvent* event) {
  int buttons = 0;
  if (event->buttons() & Qt::LeftButton) buttons |= 1;
  if (event->buttons() & Qt::RightButton) buttons |= 2;
  if (onMouseMove) onMouseMove(buttons, event->position().x(), event->position().y());
}

}  // namespace vorpex
