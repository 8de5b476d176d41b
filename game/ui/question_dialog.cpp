#include "question_dialog.h"

#include <QFontMetrics>

#include "key_codes.h"
#include "text_codec.h"
#include "text_resources.h"

namespace vorpex {

namespace {
constexpr int kWidth = 422;
constexpr int kHeight = 220;
constexpr int u = kUnitSize;
}  // namespace

QString QuestionDialog::caption(int b) const { return fromAnsi(loadText(textId_ + b)); }

QuestionDialog::QuestionDialog(const DrawingKit& kit, QWidget* parent, int textId, const std::string& detail)
    : DrawnDialog(kWidth, kHeight, translatedText("Do you want to exit"), parent),
      kit_(kit),
      textId_(textId),
      question_(fromAnsi(formatResString(textId, {"|1", detail}))) {
  Surface& s = surface();
  s.setFont("Arial", 12, false);
  // The caption is the game's own and says little; a reader opening the
  // window hears the question itself first.
  setAccessibleDescription(question_.simplified());
  // The window's size less two pixels, so the drawing stays inside its frame.
  const int w = kWidth - 2, h = kHeight - 2;
  background_ = {&s, 1, 1, w, h, false, Ink::dark, Ink::none, Ink::black, 0};
  text_ = {&s, u, u, w - 2 * u, h - 4 * u, false, Ink::dark, Ink::none, Ink::value, 0};
  buttons_(1) = {&s, 20, h - 2 * u, 4 * u, 30, false, Ink::dark, Ink::frame, Ink::caption, 0};
  buttons_(2) = {&s, 4 * (u + 10), h - 2 * u, 4 * u, 30, false, Ink::dark, Ink::frame, Ink::caption, 0};

  // A question longer than its line (a translation, a named word list) takes
  // the room down to the buttons and breaks between words.
  unsigned format = kTextMiddle;
  if (QFontMetrics(s.font()).horizontalAdvance(question_) > text_.w) {
    text_.h = buttons_(1).y - u / 4 - text_.y;
    format |= kTextWrap;
  }

  kit_.clearPicture(s, Ink::dark);
  kit_.fillBox(background_);
  kit_.drawShadowText(text_, 1, question_, format);
  s.setFontSize(14);
  kit_.drawButton(buttons_(1), FrameStyle::single, false, Shadow::resting, caption(1));
  kit_.drawButton(buttons_(2), FrameStyle::single, false, Shadow::resting, caption(2));
  describeWith(
      kit_,
      [this] {
        std::vector<DrawnItem> all{textItem(0, QAccessible::StaticText,
                                            question_.simplified(), text_.rect(), true)};
        for (int b = 1; b <= 2; ++b) {
          const QRect box = buttons_(static_cast<size_t>(b)).rect();
          all.push_back(buttonItem(b, caption(b), box, surfaceWidget().items().clickOn(box)));
        }
        return all;
      },
      1);
  s.refresh();
}

void QuestionDialog::pointerMoved(double x, double y) {
  for (int b = 1; b <= 2; ++b) {
    ScreenBox& box = buttons_(static_cast<size_t>(b));
    const bool inside = isInBox(box, static_cast<float>(x), static_cast<float>(y));
    if (inside == box.isHot) continue;
    if (inside) {
      kit_.drawButton(box, FrameStyle::doubled, true, Shadow::litFar, caption(b));
    } else {
      kit_.drawButton(box, FrameStyle::single, false, Shadow::resting, caption(b));
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
  if (code == KEY_ENTER) answerWith(1);
  if (code == KEY_ESCAPE) answerWith(2);
}

void QuestionDialog::answerWith(int answer) {
  answer_ = answer;
  accept();
}

}  // namespace vorpex
