// What a screen reader finds in the game's drawn windows: every
// SurfaceWidget whose items are described is one accessible object with its
// items (DrawnItems) as children, each with its role, name, states and, for
// those the player can choose, the press action a click would do; and the
// announcements the rules make, told as notifications that screen readers
// speak as they appear.
#pragma once

#include <QString>

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

// Screen readers are told that item `index` of `widget` took the keyboard
// focus, or that its checked state changed. Nothing when none listens.
void tellFocus(SurfaceWidget& widget, int index);
void tellChecked(SurfaceWidget& widget, int index);

// `text` told once, as a notification of `window` appearing, which screen
// readers speak whatever has the focus. Nothing when none listens.
void announce(QWidget& window, const QString& text);

}  // namespace vorpex
