// The parts of a drawn surface as the keyboard and a screen reader meet
// them: each item a thing the player reads or chooses (a tile, a button, a
// read-out, a word), with a role, a name and the box it is drawn in. The
// owner of the surface describes them from the game as it stands, on
// demand, so they never fall out of step with what is drawn.
//
// Keyboard focus moves among the items that take it (Tab, the arrows) and
// shows as a mark drawn over the surface in the game's lit colour; the mark
// appears only once the keyboard moved it, so a mouse player never sees it.
#pragma once

#include <QAccessible>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "drawn_accessible.h"

class QKeyEvent;
class QPainter;

namespace vorpex {

class DrawingKit;
class SurfaceWidget;

struct DrawnItem {
  int id = 0;  // the same for the same thing in every description
  QAccessible::Role role = QAccessible::StaticText;
  QString name;
  QString value;        // a read-out's value ("46"); empty for the rest
  QString description;  // what choosing it does, where the name does not say
  QRect box;            // logical pixels
  bool focusable = false;
  bool enabled = true;
  bool checkable = false;
  bool checked = false;
  // Its name changes by itself (a clock): a reader focused on it is not
  // told each change, only the name when it asks.
  bool ticking = false;
  // Brings the item into view when the focus comes to it (a word scrolled
  // out of the list); empty for an item always in view.
  std::function<void()> reveal;
  // What choosing it does, exactly as a click does it; empty for an item
  // that is only read.
  std::function<void()> choose;
};

// A button (focusable) that does `choose`.
DrawnItem buttonItem(int id, const QString& name, const QRect& box, std::function<void()> choose);
// An item that is only read.
DrawnItem textItem(int id, QAccessible::Role role, const QString& name, const QRect& box, bool focusable);

class DrawnItems {
 public:
  explicit DrawnItems(SurfaceWidget& widget) : widget_(widget) {}

  // The items as the surface now shows them; unset for a bare picture.
  std::function<std::vector<DrawnItem>()> describe;
  std::vector<DrawnItem> items() const { return describe ? describe() : std::vector<DrawnItem>{}; }
  bool described() const { return static_cast<bool>(describe); }

  // A choose action that presses and releases `button` at the centre of
  // `box`, through the widget's own mouse handlers.
  std::function<void()> clickOn(const QRect& box, int button = 1) const;

  // The focused item's index in items(), or -1; its id, or -1.
  int focusedIndex() const;
  int focusedId() const { return focusedId_; }
  // The index in items() of the item `id`, or -1.
  int indexOf(int id) const;
  bool markShown() const { return shown_ == FocusShown::marked && focusedIndex() >= 0; }
  // Screen readers told again where the focus is (a window got it back).
  void retellFocus();
  // Focus to the `step`th next focusable item (wrapping; from none, the
  // first or the last), the mark shown and screen readers told.
  void moveFocus(int step);
  // Focus to the item `id` for screen readers only: no mark is drawn, so a
  // window opens looking exactly as it always has. The first Tab shows the
  // mark there. Nothing while no screen reader is listening.
  void focusQuietly(int id);
  void hideMark();
  // Typing puts the mark away too, but the next Tab moves on from where it
  // was: a reader then hears the focus arrive somewhere.
  void hideMarkForTyping();
  // Chooses item `index` as its click would, when it is enabled; a screen
  // reader focused on it hears the state it changed. False when nothing
  // was chosen.
  bool choose(int index);
  bool chooseFocused() { return choose(focusedIndex()); }

  // What Space and Enter may do where the keys are pressed.
  struct ChooseKeys {
    bool enter = true;  // Enter chooses as Space does
    // Space (and Enter) mean nothing else here (the menu, the dialogs), so
    // they also choose a part a screen reader was told is focused.
    bool whenHeard = true;
  };
  // The navigation keys: Tab and Shift+Tab, the four arrows move the focus;
  // Space chooses the focused item while the mark shows, and Enter too when
  // `keys.enter`. A focus the pointer put away chooses nothing: a key acts
  // only on a part the player sees or hears is the focused one. True when
  // the key was taken.
  bool keyPressed(const QKeyEvent& event, ChooseKeys keys);

  // Screen readers are told what changed in the items since they were last
  // told (the surface calls this at each refresh); the first time while a
  // reader listens, only noted.
  void tellChanges();

  // The mark, in the kit's lit colour (set by the owner).
  void setKit(const DrawingKit* kit) { kit_ = kit; }
  // Draws the mark over the widget's picture (widget pixels at `zoom`).
  void paintMark(QPainter& painter, double zoom) const;

 private:
  // The widget's pixels the mark of item `index` covers.
  QRect markRect(int index) const;
  void showFocusOn(int index);

  // How the focused item, if any, is known to be the focused one.
  enum class FocusShown {
    marked,  // the mark is drawn around it: keys act on it
    heard,   // put there for a screen reader, unmarked: Tab moves on from it
    hidden,  // the pointer put the mark away: Tab brings it back there,
             // Space and Enter leave it alone
  };

  SurfaceWidget& widget_;
  const DrawingKit* kit_ = nullptr;
  int focusedId_ = -1;  // -1: no item has the focus
  FocusShown shown_ = FocusShown::hidden;
  // What readers were last told of the items; none while none listens.
  std::optional<std::vector<ToldItem>> told_;
};

}  // namespace vorpex
