// The main window's zoom and full screen as plain numbers, without a
// window: what the player chose, what is shown, the steps of Ctrl+= and
// Ctrl+-, where a dragged frame snaps to, and how large the window may be
// on a screen. MainWindow carries the answers out on its widget.
#pragma once

#include <cstdint>
#include <optional>

#include "preferences.h"

namespace vorpex {

// The board's logical size at 100 %: 16 x 12 layout units.
constexpr int kWindowWidth = 704;
constexpr int kWindowHeight = 528;
// The largest zoom: the most the settings keep.
constexpr double kLargestZoom = kMaxZoomPercent / 100.0;
// The smallest: below 100 % only on a screen smaller than the board (a
// scaled desktop on a small monitor), and never so small that it vanishes.
constexpr double kSmallestZoom = 0.25;

class WindowZoom {
 public:
  // A zoom to choose: a step of 100, 125, 150 or 200 %, or "fit".
  struct Choice {
    double zoom;
    bool fit;
    bool operator==(const Choice&) const = default;
  };

  // The zoom the player chose (1 is 100 %), kept while in full screen.
  double chosen() const { return chosen_; }
  // The zoom of what is on screen: the chosen one, or in full screen the
  // largest the screen holds.
  double shown() const { return shown_; }
  bool fullScreen() const { return fullScreen_; }
  // Whether the chosen zoom is "fit" rather than a percent.
  bool fit() const { return fit_; }

  // The chosen zoom as the settings keep it: percent, or kFitZoomPercent
  // for "fit" (measured again on each screen). A zoom below 100 % that a
  // small screen forced is kept as 100 %.
  int32_t setting() const;
  // A kept setting on a screen whose largest zoom is `fit`: a zoom kept
  // from a larger screen is as large as this one holds, below 100 % too.
  void applySetting(int32_t percent, double fit);

  // Chooses `zoom`, brought into kSmallestZoom .. kLargestZoom; shown at
  // once unless in full screen.
  void choose(double zoom, bool fit);
  // Ctrl+= and Ctrl+-: the next step up or down that the screen holds, or
  // nothing when there is none.
  std::optional<Choice> stepIn(double fit) const;
  std::optional<Choice> stepOut(double fit) const;
  // The frame was dragged to width x height (window pixels): the nearest
  // 4:3 zoom from 100 % (or `fit` where that is less) to `fit`, when it
  // differs from the chosen one or
  // the size was beyond what the screen holds; nothing when the window is
  // at its zoom already (a window manager that keeps it a little off 4:3
  // must not start a tug of war).
  std::optional<double> dragged(int width, int height, double fit) const;

  void setFullScreen(bool on);
  // In full screen: the largest zoom a screen of width x height shows,
  // letterboxed at 4:3.
  void fillScreen(int width, int height);

  // The largest zoom at which the window with a frame of frameWidth x
  // frameHeight fits an area of areaWidth x areaHeight: below 1 on an area
  // smaller than the board, within kSmallestZoom .. kLargestZoom.
  static double fitting(int areaWidth, int areaHeight, int frameWidth, int frameHeight);
  // Two zooms this close are the same.
  static constexpr double kSameZoom = 0.005;

 private:
  double chosen_ = 1;
  double shown_ = 1;
  bool fit_ = false;
  bool fullScreen_ = false;
};

}  // namespace vorpex
