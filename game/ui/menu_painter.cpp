#include "menu_painter.h"

#include "text_codec.h"
#include "text_resources.h"

namespace vorpex {

MenuPainter::MenuPainter(Surface& menu, MenuBoxes& boxes, const DrawingKit& kit)
    : menu_(menu), boxes_(boxes), kit_(kit) {
  layOutMainMenu(boxes_, menu_);
}

void MenuPainter::draw() {
  kit_.clearPicture(menu_, Ink::dark);
  for (int b = 1; b <= kMenuButtons; ++b) {
    drawButton(b, false);
    boxes_.buttons(static_cast<size_t>(b)).isHot = false;
  }
  kit_.drawSprite(boxes_.title, Sprite::title, true);
  menu_.refresh();
}

void MenuPainter::drawButton(int b, bool hot) {
  const QString caption = fromAnsi(loadText(kMenuCaptionText + b));
  ScreenBox& box = boxes_.buttons(static_cast<size_t>(b));
  if (hot) {
    kit_.drawButton(box, FrameStyle::single, true, Shadow::litFar, caption);
  } else {
    kit_.drawButton(box, FrameStyle::none, false, Shadow::resting, caption);
  }
}

}  // namespace vorpex
