#include "level_summary_dialog.h"

#include "rounding.h"
#include "text_codec.h"
#include "text_resources.h"

namespace vorpex {

namespace {
constexpr int kWidth = 419;
constexpr int kHeight = 220;
constexpr int u = kUnitSize;
}  // namespace

LevelSummaryDialog::LevelSummaryDialog(const DrawingKit& kit, const QString& text, QWidget* parent)
    : OkButtonDialog(kit, kWidth, kHeight, translatedText("Game Statistics"), parent) {
  Surface& s = surface();
  s.setFont("Arial", 12, false);
  const int w = s.width(), h = s.height();
  background_ = {&s, 0, 0, w, h, false, Ink::dark, Ink::none, Ink::black, 0};
  const int okTop = h - 2 * u;
  // The message reaches down to just above the button: a box of H - 4U
  // (44 pixels) would cut the four-line summaries after their second line.
  message_ = {&s, u, u, w - 2 * u, okTop - 8 - u, false, Ink::dark, Ink::none, Ink::caption, 0};

  kit_.fillBox(background_);
  kit_.drawShadowText(message_, 2, text, kTextCentred);
  placeOkButton(okTop, fromAnsi(loadText(kOkText)), Shadow::lit);
  describeTextAndOk(text.simplified(), message_.rect());
  s.refresh();
}

}  // namespace vorpex
