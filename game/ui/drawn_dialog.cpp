#include "drawn_dialog.h"

#include <QKeyEvent>

#include "drawn_accessible.h"
#include "key_codes.h"
#include "rounding.h"

namespace vorpex {

int characterCode(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return KEY_ENTER;
    case Qt::Key_Escape: return KEY_ESCAPE;
    case Qt::Key_Backspace: return KEY_BACKSPACE;
    case Qt::Key_Delete: return KEY_DELETE;
    default: break;
  }
  const QString text = event.text();
  if (text.isEmpty()) return 0;
  // A Turkish keyboard's dotted capital and dotless small I type the game's I.
  if (text.at(0) == QChar(0x130)) return 'I';
  if (text.at(0) == QChar(0x131)) return 'i';
  return text.at(0).unicode();
}

DrawnDialog::DrawnDialog(int width, int height, const QString& caption, QWidget* parent)
    : QDialog(parent), surface_(width, height) {
  setWindowTitle(caption);
  // As large as the window it opens over is zoomed, and drawn at that
  // size's own pixels (the subclass draws after this).
  const double zoom = windowZoom(parent);
  setFixedSize(zoomed(width, zoom), zoomed(height, zoom));
  surface_.setScale(zoom * (parent ? parent->devicePixelRatioF() : devicePixelRatioF()));
  if (parent) setWindowIcon(parent->windowIcon());
  installDrawnAccessibility();  // before the surface's interface is made
  widget_ = new SurfaceWidget(surface_, this);
  widget_->setZoom(zoom);
  widget_->move(0, 0);
  widget_->onMouseMove = [this](int, double x, double y) { pointerMoved(x, y); };
  widget_->onMouseDown = [this](int button, double x, double y) { pointerPressed(button, x, y); };
}

void OkButtonDialog::placeOkButton(int top, const QString& caption, Shadow resting) {
  Surface& s = surface();
  const int u = kUnitSize;
  ok_ = {&s, roundHalfEven((s.width() - 2 * u) / 2.0), top, 2 * u, 30, false, Ink::dark, Ink::frame, Ink::caption, 0};
  okCaption_ = caption;
  resting_ = resting;
  kit_.drawButton(ok_, FrameStyle::single, false, resting_, okCaption_);
}

void OkButtonDialog::pointerMoved(double x, double y) {
  const bool inside = isInBox(ok_, static_cast<float>(x), static_cast<float>(y));
  if (inside == ok_.isHot) return;
  if (inside) {
    kit_.drawButton(ok_, FrameStyle::doubled, true, Shadow::litFar, okCaption_);
  } else {
    kit_.drawButton(ok_, FrameStyle::single, false, resting_, okCaption_);
  }
  ok_.isHot = inside;
  surface().refresh();
}

void OkButtonDialog::pointerPressed(int, double x, double y) {
  if (isInBox(ok_, static_cast<float>(x), static_cast<float>(y))) accept();
}

void OkButtonDialog::characterTyped(int code) {
  if (code == KEY_ENTER || code == KEY_ESCAPE) accept();
}

void DrawnDialog::describeWith(const DrawingKit& kit, std::function<std::vector<DrawnItem>()> describe,
                               int firstFocus) {
  widget_->items().setKit(&kit);
  widget_->items().describe = std::move(describe);
  firstFocus_ = firstFocus;
}

void DrawnDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (firstFocus_ >= 0) widget_->items().focusQuietly(firstFocus_);
}

void DrawnDialog::keyPressEvent(QKeyEvent* event) {
  if (widget_->items().keyPressed(*event, {})) return;
  // QDialog would close on Esc by itself; these windows decide for themselves.
  characterTyped(characterCode(*event));
}

void OkButtonDialog::describeTextAndOk(const QString& text, const QRect& box) {
  describeWith(
      kit_,
      [this, text, box] {
        return std::vector<DrawnItem>{
            textItem(kOkItem + 1, QAccessible::StaticText, text, box, true),
            buttonItem(kOkItem, okCaption_, ok_.rect(), surfaceWidget().items().clickOn(ok_.rect()))};
      },
      kOkItem);
}

}  // namespace vorpex
