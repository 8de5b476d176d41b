// A drawing surface: a persistent off-screen image with its current font,
// selected pen and text colour, as the drawing kit paints it. A refresh asks
// the widget that shows it to repaint; nothing reaches the screen before.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPen>
#include <QWidget>
#include <functional>

namespace vorpex {

// A font size in points at 96 dots per inch, as whole pixels: 14.25 pt is
// 19 px, 12 pt 16 px, 10 pt 13 px.
int pointsToPixels(double points);

class Surface {
 public:
  // A black surface of that size. Its image is made at its first use: a
  // surface the player never sees (the board, until a game starts) costs
  // nothing at start-up.
  Surface(int width, int height);

  QImage& image() { return made(); }
  const QImage& image() const { return made(); }
  int width() const { return width_; }
  int height() const { return height_; }

  QFont& font() { return font_; }
  // The current font at `points` (converted to pixels at 96 dpi).
  void setFontSize(double points);
  double fontSize() const { return points_; }
  void setFont(const QString& family, double points, bool bold);

  // The pen that outlines use when a box names none; a black 1-pixel pen at first.
  const QPen& selectedPen() const { return pen_; }
  void selectPen(const QPen& pen) { pen_ = pen; }

  void setRefresh(std::function<void()> refresh) { refresh_ = std::move(refresh); }
  void refresh() {
    ++refreshes_;
    if (refresh_) refresh_();
  }
  // How many times the surface was refreshed: lets tests see redraws.
  int refreshCount() const { return refreshes_; }

 private:
  QImage& made() const;

  int width_;
  int height_;
  mutable QImage image_;
  QFont font_;
  double points_ = 0;
  QPen pen_{QColor(0, 0, 0), 1};
  std::function<void()> refresh_;
  int refreshes_ = 0;
};

// A widget that shows a Surface pixel for pixel and hands its mouse events on.
class SurfaceWidget : public QWidget {
 public:
  SurfaceWidget(Surface& surface, QWidget* parent = nullptr);

  // Handlers get the button (1 left, 2 right, 4 middle, 0 none) and the point.
  std::function<void(int button, double x, double y)> onMouseDown;
  std::function<void(int button, double x, double y)> onMouseUp;
  std::function<void(int buttons, double x, double y)> onMouseMove;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  Surface& surface_;
};

}  // namespace vorpex
