// What a screen reader finds in the game's drawn windows: every
// SurfaceWidget whose items are described is one accessible object with its
// items (DrawnItems) as children, each with its role, name, states and, for
// those the player can choose, the press action a click would do; and the
// announcements the rules make, told as notifications that screen readers
// speak as they appear.
#pragma once

#include <QString>
#include <vector>

class QAccessibleEvent;
class QWidget;

namespace vorpex {

class SurfaceWidget;

// Installs the interfaces' factory; once, before any window is shown.
void installDrawnAccessibility();

// Whether a screen reader listens (Qt's bridge is active, or a sink is set).
bool readerListening();
// Where the events below go instead of Qt's bridge; null for the bridge.
// Tests record them here, on platforms without a bridge.
using ReaderEventSink = void (*)(QAccessibleEvent* event);
void setReaderEventSink(ReaderEventSink sink);

// Screen readers are told that item `id` of `widget` took the keyboard
// focus. Nothing when none listens.
void tellFocus(SurfaceWidget& widget, int id);

// What readers were told of one item, to tell them what changed since.
struct ToldItem {
  int id = 0;
  QString name, description;
  bool shown = true;  // on screen (a list row scrolled away is not)
  bool enabled = true, checked = false;
  bool speaksChanges = true;  // false: a new name is read on demand only
};
// Readers are told how `widget`'s items changed from `before` to `now`:
// items made and gone, names, descriptions, showing, checked and enabled,
// each by the item's own identity, so that what they keep of the surface
// stays true. Nothing when none listens.
void tellChanges(SurfaceWidget& widget, const std::vector<ToldItem>& before, const std::vector<ToldItem>& now);

// `text` told once, as a notification of `window` appearing, which screen
// readers speak whatever has the focus. Nothing when none listens.
void announce(QWidget& window, const QString& text);

}  // namespace vorpex
