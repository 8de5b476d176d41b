// The colours every window draws with, as a value: the classic palette or
// the high-contrast one. Boxes and windows name an ink, never a colour, and
// the drawing kit looks the ink up in the palette it holds when it draws, so
// switching palettes means drawing again, not laying out again.
#pragma once

#include <QColor>
#include <array>
#include <cstddef>

namespace vorpex {

enum class Ink {
  none,            // no fill; as a frame, the pen the surface last selected
  light,           // the board's background, the Hall of Fame's page
  dark,            // buttons, the side panel, the menu, the dialogs
  frame,           // the outlines of buttons and slots
  hot,             // a caption under the pointer, a found word
  caption,         // captions and labels, a word not found
  value,           // the side panel's read-outs, questions, the pause notice
  onLight,         // the Hall of Fame's rows
  black,           // every caption's shadow, and the lines written on the light board
  tileLetter,      // a letter on a tile still in the rack
  usedTileLetter,  // a letter on a picked tile, and in the answer slots
  tileFace,        // a tile's flat face (high contrast only)
  usedTileFace,
};
inline constexpr size_t kInkCount = static_cast<size_t>(Ink::usedTileFace) + 1;

struct Palette {
  std::array<QColor, kInkCount> inks;
  // High contrast also changes the look beyond colour: flat tile faces,
  // shadows close to their captions, missed words slanted, and the picture
  // cells' rounded corners laid on this palette's background.
  bool highContrast = false;

  const QColor& operator[](Ink ink) const { return inks[static_cast<size_t>(ink)]; }

  // The classic look, exactly.
  static Palette classic();
  // Every text at 4.5:1 or more against what lies under it.
  static Palette strongContrast();
  static Palette forHighContrast(bool on) { return on ? strongContrast() : classic(); }
};

}  // namespace vorpex
