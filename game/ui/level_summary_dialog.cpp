#include "level_summary_dialog.h"

#include "rounding.h"
#include "text_codec.h"
#include "text_resources.h"

namespace vorpex {

namespace {
constexpr int kWidth = 419;
constexpr int kHeight = 220;
constexpr int u = unitSize;
}  // namespace

LevelSummaryDialog::LevelSummaryDialog(const DrawingKit& kit, const QString& text, QWidget* parent)
    : DrawnDialog(kWidth, kHeight, "Game Statistics", parent), kit_(kit) {
  Surface& s = surface();
  s.setFont("Arial", 12, false);
  const int w = s.width(), h = s.height();
  background_ = {&s, 0, 0, w, h, false, &kit.brDark, nullptr, {}, 0};
  ok_ = {&s, roundHalfEven((w - 2 * u) / 2.0), h - 2 * u, 2 * u, 30, false, &kit.brDark, &kit.penFrame, kit.clrText, 0};
  // The message reaches down to just above the button: a box of H - 4U
  // (44 pixels) would cut the four-line summaries after their second line.
  message_ = {&s, u, u, w - 2 * u, ok_.y - 8 - u, false, &kit.brDark, nullptr, kit.clrText, 0};

  kit_.fillBox(background_);
  kit_.drawShadowText(message_, 2, text, DT_CENTER);
  kit_.drawButton(ok_, 1, false, 6, fromAnsi(loadText(91)));
  s.refresh();
}

void LevelSummaryDialog::pointerMoved(double x, double y) {
  const bool inside = isInBox(ok_, static_cast<float>(x), static_cast<float>(y));
  if (inside == ok_.isHot) return;
  if (inside) {
    kit_.drawButton(ok_, 2, true, 8, fromAnsi(loadText(91)));
  } else {
    kit_.drawButton(ok_, 1, false, 6, fromAnsi(loadText(91)));
  }
  ok_.isHot = inside;
  surface().refresh();
}

void LevelSummaryDialog::pointerPressed(int, double x, double y) {
  if (isInBox(ok_, static_cast<float>(x), static_cast<float>(y))) accept();
}

void LevelSummaryDialog::characterTyped(int code) {
  if (code == 13 || code == 27) accept();
}

}  // namespace vorpex
