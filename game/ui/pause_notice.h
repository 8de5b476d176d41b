// The pause notice: the board's place taken by a plain notice in the
// palette's value colour on dark, so that the letters cannot be studied
// during a pause. Drawn with the kit like every surface of the game, at the
// window's zoom; clicks pass through it to the window, which resumes.
#pragma once

#include "drawing_kit.h"
#include "surface.h"

namespace vorpex {

class PauseNotice {
 public:
  // The notice's widget is a child of `window`, hidden at first.
  PauseNotice(QWidget& window, const DrawingKit& kit);

  SurfaceWidget& widget() { return *widget_; }
  // Draws the notice (in the palette of the time) and shows it on top.
  void show();
  void hide();
  bool shown() const;

 private:
  void draw();

  const DrawingKit& kit_;
  Surface surface_;
  SurfaceWidget* widget_;
};

}  // namespace vorpex
