#include "palette.h"

namespace vorpex {

namespace {
Palette make(bool high, std::initializer_list<std::pair<Ink, QColor>> colours) {
  Palette palette;
  palette.highContrast = high;
  for (const auto& [ink, colour] : colours) palette.inks[static_cast<size_t>(ink)] = colour;
  return palette;
}
}  // namespace

Palette Palette::classic() {
  return make(false, {{Ink::light, QColor(180, 240, 180)},
                      {Ink::dark, QColor(120, 150, 120)},
                      {Ink::frame, QColor(170, 200, 170)},
                      {Ink::hot, QColor(180, 240, 180)},
                      {Ink::caption, QColor(140, 220, 140)},
                      {Ink::value, QColor(209, 255, 209)},
                      {Ink::onLight, QColor(120, 150, 120)},
                      {Ink::black, QColor(0, 0, 0)},
                      {Ink::tileLetter, QColor(250, 250, 0)},
                      {Ink::usedTileLetter, QColor(240, 240, 100)},
                      // The sheet's glossy faces, unused: the classic tiles are pictures.
                      {Ink::tileFace, QColor(22, 34, 128)},
                      {Ink::usedTileFace, QColor(52, 60, 70)}});
}

Palette Palette::strongContrast() {
  return make(true, {{Ink::light, QColor(225, 250, 225)},
                     {Ink::dark, QColor(20, 45, 25)},
                     // Seen on the dark buttons and the light board alike.
                     {Ink::frame, QColor(100, 150, 105)},
                     {Ink::hot, QColor(255, 240, 120)},
                     {Ink::caption, QColor(230, 255, 230)},
                     {Ink::value, QColor(255, 255, 255)},
                     {Ink::onLight, QColor(0, 40, 0)},
                     {Ink::black, QColor(0, 0, 0)},
                     {Ink::tileLetter, QColor(250, 250, 0)},
                     {Ink::usedTileLetter, QColor(240, 240, 100)},
                     {Ink::tileFace, QColor(22, 34, 128)},
                     {Ink::usedTileFace, QColor(52, 60, 70)}});
}

}  // namespace vorpex
