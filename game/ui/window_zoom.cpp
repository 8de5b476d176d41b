#include "window_zoom.h"

#include <algorithm>
#include <cmath>

namespace vorpex {

namespace {
constexpr double kZoomSteps[] = {1.0, 1.25, 1.5, 2.0};
}  // namespace

int32_t WindowZoom::setting() const {
  return fit_ ? kFitZoomPercent : static_cast<int32_t>(std::lround(std::max(chosen_, 1.0) * 100));
}

void WindowZoom::applySetting(int32_t percent, double fit) {
  const bool isFit = percent == kFitZoomPercent;
  choose(isFit ? fit : std::min(percent / 100.0, fit), isFit);
}

void WindowZoom::choose(double zoom, bool fit) {
  chosen_ = std::clamp(zoom, kSmallestZoom, kLargestZoom);
  fit_ = fit;
  if (!fullScreen_) shown_ = chosen_;
}

std::optional<WindowZoom::Choice> WindowZoom::stepIn(double fit) const {
  for (const double step : kZoomSteps)
    if (step > chosen_ + kSameZoom && step <= fit + kSameZoom) return Choice{step, false};
  if (fit > chosen_ + kSameZoom) return Choice{fit, true};
  return std::nullopt;
}

std::optional<WindowZoom::Choice> WindowZoom::stepOut(double fit) const {
  double below = 0;
  for (const double step : kZoomSteps)
    if (step < chosen_ - kSameZoom && step <= fit + kSameZoom) below = step;
  if (below > 0) return Choice{below, false};
  return std::nullopt;
}

std::optional<double> WindowZoom::dragged(int width, int height, double fit) const {
  const double asked = (width / static_cast<double>(kWindowWidth) + height / static_cast<double>(kWindowHeight)) / 2;
  const double snapped = std::clamp(asked, std::min(1.0, fit), fit);
  if (std::abs(snapped - chosen_) > kSameZoom || asked > snapped + kSameZoom) return snapped;
  return std::nullopt;
}

void WindowZoom::setFullScreen(bool on) {
  fullScreen_ = on;
  if (!on) shown_ = chosen_;
}

void WindowZoom::fillScreen(int width, int height) {
  shown_ = std::min(width / static_cast<double>(kWindowWidth), height / static_cast<double>(kWindowHeight));
}

double WindowZoom::fitting(int areaWidth, int areaHeight, int frameWidth, int frameHeight) {
  const double fit = std::min((areaWidth - frameWidth) / static_cast<double>(kWindowWidth),
                              (areaHeight - frameHeight) / static_cast<double>(kWindowHeight));
  return std::clamp(fit, kSmallestZoom, kLargestZoom);
}

}  // namespace vorpex
