// A ScreenBox on `surface` at (x, y), w by h, with nothing else set: what
// the drawing tests draw into.
#pragma once

#include "drawing_kit.h"

namespace vorpex::testing {

inline ScreenBox boxAt(Surface& surface, int x, int y, int w, int h) {
  ScreenBox box;
  box.surface = &surface;
  box.x = x;
  box.y = y;
  box.w = w;
  box.h = h;
  return box;
}

}  // namespace vorpex::testing
