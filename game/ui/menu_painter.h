// Draws the main menu: the title on the dark background and the seven
// buttons, each resting or lit under the pointer.
#pragma once

#include "board_layout.h"
#include "drawing_kit.h"
#include "surface.h"

namespace vorpex {

class MenuPainter {
 public:
  MenuPainter(Surface& menu, MenuBoxes& boxes, const DrawingKit& kit);

  // The whole menu, every button at rest; refreshes.
  void draw();
  // Button b (1 .. kMenuButtons) lit or at rest.
  void drawButton(int b, bool hot);
  void refresh() { menu_.refresh(); }

 private:
  Surface& menu_;
  MenuBoxes& boxes_;
  const DrawingKit& kit_;
};

}  // namespace vorpex
