// A dialog window whose whole client area is one Surface drawn with the
// drawing kit (no controls), fixed at its client size. Subclasses draw on
// surface() and react to the pointer and the keyboard; closing it by the
// window's own means is an ordinary close.
#pragma once

#include <QDialog>

#include "drawing_kit.h"
#include "surface.h"

namespace vorpex {

class DrawnDialog : public QDialog {
 public:
  DrawnDialog(int width, int height, const QString& caption, QWidget* parent);

  Surface& surface() { return surface_; }
  SurfaceWidget& surfaceWidget() { return *widget_; }

 protected:
  // The pointer, in client pixels; button 1 left, 2 right, 4 middle.
  virtual void pointerMoved(double x, double y) = 0;
  virtual void pointerPressed(int button, double x, double y) = 0;
  // A character code (KEY_ENTER, KEY_ESCAPE, otherwise the key's text).
  virtual void characterTyped(int code) = 0;

  // The dialog's parts for the keyboard and screen readers, with the one
  // a screen reader meets first as it opens (its default button), unmarked.
  void describeWith(const DrawingKit& kit, std::function<std::vector<DrawnItem>()> describe, int firstFocus);

  // Tab, the arrows, Space and Enter move among and choose the parts
  // first; every other key is characterTyped.
  void keyPressEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool) override { return false; }
  void showEvent(QShowEvent* event) override;

 private:
  Surface surface_;
  SurfaceWidget* widget_;
  int firstFocus_ = -1;
};

// A drawn dialog with one OK button: it lights while the pointer is over
// it, and the dialog closes on a click on it, Enter or Esc.
class OkButtonDialog : public DrawnDialog {
 public:
  OkButtonDialog(const DrawingKit& kit, int width, int height, const QString& caption, QWidget* parent)
      : DrawnDialog(width, height, caption, parent), kit_(kit) {}

  const ScreenBox& okButton() const { return ok_; }
  // The id of the OK button among the dialog's parts.
  static constexpr int kOkItem = 1;

 protected:
  // Places the button, 2 units wide and 30 high, centred at `top`, with
  // `caption` in the surface's current font, and draws it; at rest its
  // caption's shadow is `resting` (the level summary's own 6, or the 4 of
  // every other dialog button).
  void placeOkButton(int top, const QString& caption, Shadow resting);

  void pointerMoved(double x, double y) override;
  void pointerPressed(int button, double x, double y) override;
  void characterTyped(int code) override;
  // The dialog's parts: `text` (shown in `box`) to read, then OK.
  void describeTextAndOk(const QString& text, const QRect& box);

  const DrawingKit& kit_;

 private:
  ScreenBox ok_;
  QString okCaption_;
  Shadow resting_ = Shadow::resting;
};

// The character code the keyboard handlers of the game's windows expect for
// `event`: KEY_ENTER for either Enter key, KEY_ESCAPE, KEY_BACKSPACE and
// KEY_DELETE for theirs, else the first character typed (0 for none).
int characterCode(const QKeyEvent& event);

}  // namespace vorpex
