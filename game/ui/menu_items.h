// The main menu as the keyboard and screen readers meet it: its seven
// buttons, each named by its caption, chosen as a click chooses it, and
// each with an Alt+letter of its own.
#pragma once

#include <QChar>
#include <vector>

#include "board_layout.h"
#include "drawn_items.h"

namespace vorpex {

// The seven buttons, top first, their ids their numbers 1..7; none before
// the menu is laid out.
std::vector<DrawnItem> describeMenu(const MenuBoxes& boxes, const DrawnItems& items);

// The letter that chooses button b (1..7) with Alt: the first letter of a
// word of its caption that no button above it took (C, T, O, H, F, I, E).
QChar menuMnemonic(int b);
// The button Alt+`letter` chooses (either case), or 0.
int menuButtonForMnemonic(QChar letter);

}  // namespace vorpex
