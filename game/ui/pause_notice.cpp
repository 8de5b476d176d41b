#include "pause_notice.h"

#include "text_codec.h"
#include "window_zoom.h"

namespace vorpex {

namespace {
constexpr const char* kNoticeFamily = "Arial Narrow";
constexpr double kTitlePoints = 36;  // 48 pixels
constexpr double kLinePoints = 14.25;
}  // namespace

PauseNotice::PauseNotice(QWidget& window, const DrawingKit& kit)
    : kit_(kit), surface_(kWindowWidth, kWindowHeight), widget_(new SurfaceWidget(surface_, &window)) {
  widget_->setAttribute(Qt::WA_TransparentForMouseEvents);
  widget_->onRescaled = [this] {
    if (!widget_->isHidden()) draw();
  };
  widget_->hide();
}

void PauseNotice::draw() {
  kit_.clearPicture(surface_, Ink::dark);
  const QColor& ink = kit_.colour(Ink::value);
  surface_.setFont(kNoticeFamily, kTitlePoints, true);
  DrawingKit::drawText(surface_, QRect(0, 0, kWindowWidth, kWindowHeight / 2 + 4), translatedText("PAUSED"), ink,
                       kTextCentred | kTextBottom | kTextOneLine);
  surface_.setFont(kNoticeFamily, kLinePoints, true);
  DrawingKit::drawText(surface_, QRect(0, kWindowHeight / 2 + 16, kWindowWidth, 30),
                       translatedText("Click anywhere to go on playing"), ink, kTextCentred | kTextTop | kTextOneLine);
  surface_.refresh();
}

void PauseNotice::show() {
  widget_->matchScale();
  draw();
  widget_->show();
  widget_->raise();
}

void PauseNotice::hide() { widget_->hide(); }

bool PauseNotice::shown() const { return widget_->isVisible(); }

}  // namespace vorpex
