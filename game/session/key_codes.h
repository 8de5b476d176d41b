// The character codes and mouse buttons the game's windows hand to the
// rules and to their own dialogs.
#pragma once

namespace vorpex {

// Key codes the board reacts to; every other key is ignored.
constexpr int KEY_ESCAPE = 27;
constexpr int KEY_ENTER = 13;
constexpr int KEY_BACKSPACE = 8;
constexpr int KEY_SKIP_LEVEL = 61;  // "="
constexpr int KEY_HINT = 63;        // "?"
// Typing keys, read only with "Type letters" on.
constexpr int KEY_DELETE = 127;
constexpr int KEY_SPACE = 32;

// Mouse buttons as the board passes them.
constexpr int BUTTON_LEFT = 1;
constexpr int BUTTON_RIGHT = 2;

}  // namespace vorpex
