#include "question_dialog.h"

#include "text_codec.h"
#include "text_resources.h"

namespace vorpex {

namespace {
constexpr int kWidth = 422;
constexpr int kHeight = 220;
constexpr int u = unitSize;
QString caption(int b) { return fromAnsi(loadText(230 + b)); }
}  // namespace

QuestionDialog::QuestionDialog(const DrawingKit& kit, QWidget* parent)
    : DrawnDialog(kWidth, kHeight, "Do you want to exit", parent), kit_(kit) {
  Surface& s = surface();
  s.setFont("Arial", 12, false);
  // The window's size less two pixels, so the drawing stays inside its frame.
  const int w = kWidth - 2, h = kHeight - 2;
  background_ = {&s, 1, 1, w, h, false, &kit.brDark, nullptr, {}, 0};
  text_ = {&s, u, u, w - 2 * u, h - 4 * u, false, &kit.brDark, nullptr, kit.clrValue, 0};
  buttons_(1) = {&s, 20, h - 2 * u, 4 * u, 30, false, &kit.brDark, &kit.penFrame, kit.clrText, 0};
  buttons_(2) = {&s, 4 * (u + 10), h - 2 * u, 4 * u, 30, false, &kit.brDark, &kit.penFrame, kit.clrText, 0};

  s.image().fill(kit.brDark.color());
  kit_.fillBox(background_);
  kit_.drawShadowText(text_, 1, fromAnsi(loadText(230)), -1);
  s.setFontSize(14);
  kit_.drawButton(buttons_(1), 1, false, 4, caption(1));
  kit_.drawButton(buttons_(2), 1, false, 4, caption(2));
  s.refresh();
}

void QuestionDialog::pointerMoved(double x, double y) {
  for (int b = 1; b <= 2; ++b) {
    ScreenBox& box = buttons_(static_cast<size_t>(b));
    const bool inside = isInBox(box, static_cast<float>(x), static_cast<float>(y));
    if (inside == box.isHot) continue;
    if (inside) {
      kit_.drawButton(box, 2, true, 8, caption(b));
    } else {
      kit_.drawButton(box, 1, false, 4, caption(b));
    }
    box.isHot = inside;
    surface().refresh();
  }
}

void QuestionDialog::pointerPressed(int, double x, double y) {
  for (int b = 1; b <= 2; ++b)
    if (isInBox(buttons_(static_cast<size_t>(b)), static_cast<float>(x), static_cast<float>(y))) answerWith(b);
}

void QuestionDialog::characterTyped(int code) {
  if (code == 13) answerWith(1);
  if (code == 27) answerWith(2);
}

void QuestionDialog::answerWith(int answer) {
  answer_ = answer;
  accept();
}

}  // namespace vorpex
