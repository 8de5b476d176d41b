// A drawing surface: a persistent off-screen image with its current font,
// selected pen and text colour, as the drawing kit paints it. A refresh asks
// the widget that shows it to repaint what was drawn since the last one;
// nothing reaches the screen before.
//
// Everything draws in logical pixels, the layout's coordinates. The image
// holds `scale` physical pixels for each (the window's zoom times the
// screen's device pixel ratio), so text and pictures come out sharp at any
// size; at scale 1 it is the plain logical image.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPen>
#include <QRegion>
#include <QWidget>
#include <functional>

#include "drawn_items.h"

namespace vorpex {

// A font size in points at 96 dots per inch, as whole pixels: 14.25 pt is
// 19 px, 12 pt 16 px, 10 pt 13 px.
int pointsToPixels(double points);

// The zoom the player chose for the game's windows (1 is 100 %): the main
// window keeps it on itself, and every dialog opened over it reads it there
// and is that much larger. 1 for a widget without one. Every window scales
// the same way: what is drawn on a Surface is shown by its SurfaceWidget at
// the zoom, and a control's place and font come from zoomed and zoomedFont.
double windowZoom(const QWidget* widget);
void setWindowZoom(QWidget& window, double zoom);
// `rect` (or a length) in logical pixels, at `zoom`.
QRect zoomed(const QRect& rect, double zoom);
int zoomed(int length, double zoom);
// `family` at `points` (as whole pixels at 96 dpi), at `zoom`.
QFont zoomedFont(const QString& family, double points, bool bold, double zoom);

class Surface {
 public:
  // A black surface of that size. Its image is made at its first use: a
  // surface the player never sees (the board, until a game starts) costs
  // nothing at start-up.
  Surface(int width, int height);

  // The image, `scale` times the logical size, its device pixel ratio set
  // to `scale` so that a QPainter on it draws in logical pixels. Drawing
  // through image() counts as drawing on the whole surface.
  QImage& image() { return drawOn(QRect(0, 0, width_, height_)); }
  const QImage& image() const { return made(); }
  // The image, for drawing within `touched` (logical pixels) only: the next
  // refresh shows that part again, with whatever else was touched.
  QImage& drawOn(const QRect& touched);
  int width() const { return width_; }   // logical
  int height() const { return height_; }

  // A new scale drops the image's content (a black image of the new size);
  // the owner draws it again. The same scale changes nothing.
  void setScale(double scale);
  double scale() const { return scale_; }

  QFont& font() { return font_; }
  // The current font at `points` (converted to pixels at 96 dpi).
  void setFontSize(double points);
  double fontSize() const { return points_; }
  void setFont(const QString& family, double points, bool bold);

  // The pen that outlines use when a box names none; a black 1-pixel pen at first.
  const QPen& selectedPen() const { return pen_; }
  void selectPen(const QPen& pen) { pen_ = pen; }

  // Called by refresh with the logical rectangles drawn on since the last
  // refresh; not called when nothing was.
  void setRefresh(std::function<void(const QRegion& changed)> refresh) { refresh_ = std::move(refresh); }
  void refresh();
  // How many times the surface was refreshed: lets tests see redraws.
  int refreshCount() const { return refreshes_; }

 private:
  QImage& made() const;

  int width_;
  int height_;
  double scale_ = 1;
  mutable QImage image_;
  QFont font_;
  double points_ = 0;
  QPen pen_{QColor(0, 0, 0), 1};
  std::function<void(const QRegion&)> refresh_;
  int refreshes_ = 0;
  QRegion changed_;
};

// A widget that shows a Surface, `zoom` times its logical size, and hands
// its mouse events on in the surface's logical pixels, so that every hit
// test reads the layout's coordinates at any zoom.
class SurfaceWidget : public QWidget {
 public:
  SurfaceWidget(Surface& surface, QWidget* parent = nullptr);

  // The widget's size becomes the surface's times `zoom` (at least 1/8).
  void setZoom(double zoom);
  double zoom() const { return zoom_; }
  // Called when the surface's scale had to change to match the zoom and the
  // screen (a window moved to a screen of another pixel ratio): the surface
  // is blank and must be drawn again now. Without a handler the surface
  // keeps its scale and is shown stretched.
  std::function<void()> onRescaled;
  // Brings the surface's scale to zoom times the screen's pixel ratio,
  // calling onRescaled when it changed; paint does it too.
  void matchScale();

  // Handlers get the button (1 left, 2 right, 4 middle, 0 none) and the point.
  std::function<void(int button, double x, double y)> onMouseDown;
  std::function<void(int button, double x, double y)> onMouseUp;
  std::function<void(int buttons, double x, double y)> onMouseMove;

  // What the surface shows, item by item, for the keyboard and screen
  // readers; a press of the mouse hides the keyboard's mark.
  DrawnItems& items() { return items_; }
  const DrawnItems& items() const { return items_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  // The widget's pixels that show the surface's logical rectangles.
  QRegion shownPart(const QRegion& logical) const;

  Surface& surface_;
  double zoom_ = 1;
  DrawnItems items_{*this};
};

}  // namespace vorpex
