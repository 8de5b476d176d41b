#include "drawn_items.h"

#include <QKeyEvent>
#include <QPainter>
#include <cmath>

#include "drawing_kit.h"
#include "drawn_accessible.h"
#include "surface.h"

namespace vorpex {

namespace {
// The mark stands this far outside the item's box, in logical pixels, so
// that it never covers the item's own frame.
constexpr int kMarkGap = 3;
constexpr double kMarkWidth = 2;
}  // namespace

DrawnItem buttonItem(int id, const QString& name, const QRect& box, std::function<void()> choose) {
  DrawnItem item = textItem(id, QAccessible::Button, name, box, true);
  item.choose = std::move(choose);
  return item;
}

DrawnItem textItem(int id, QAccessible::Role role, const QString& name, const QRect& box, bool focusable) {
  DrawnItem item;
  item.id = id;
  item.role = role;
  item.name = name;
  item.box = box;
  item.focusable = focusable;
  return item;
}

std::function<void()> DrawnItems::clickOn(const QRect& box, int button) const {
  SurfaceWidget* widget = &widget_;
  const QPointF centre = QRectF(box).center();
  return [widget, centre, button] {
    if (widget->onMouseDown) widget->onMouseDown(button, centre.x(), centre.y());
    if (widget->onMouseUp) widget->onMouseUp(button, centre.x(), centre.y());
  };
}

int DrawnItems::indexOf(int id) const {
  const std::vector<DrawnItem> all = items();
  for (size_t i = 0; i < all.size(); ++i)
    if (all[i].id == id) return static_cast<int>(i);
  return -1;
}

int DrawnItems::focusedIndex() const { return focusedId_ < 0 ? -1 : indexOf(focusedId_); }

void DrawnItems::moveFocus(int step) {
  const std::vector<DrawnItem> all = items();
  std::vector<int> focusable;
  for (size_t i = 0; i < all.size(); ++i)
    if (all[i].focusable) focusable.push_back(static_cast<int>(i));
  if (focusable.empty()) return;
  const int count = static_cast<int>(focusable.size());
  int at = -1;
  for (int k = 0; k < count; ++k)
    if (all[static_cast<size_t>(focusable[static_cast<size_t>(k)])].id == focusedId_) at = k;
  // From no focus the first step lands on the first or last item; from a
  // mark the mouse hid, where the mark was.
  int next = 0;
  if (at < 0) {
    next = step >= 0 ? 0 : count - 1;
  } else if (shown_ == FocusShown::hidden) {
    next = at;
  } else {
    next = ((at + step) % count + count) % count;
  }
  showFocusOn(focusable[static_cast<size_t>(next)]);
}

void DrawnItems::focusQuietly(int id) {
  // Without a screen reader there is nobody to tell, and a focus nobody
  // sees must not take keys.
  if (!readerListening()) return;
  const int index = indexOf(id);
  if (index < 0 || !items()[static_cast<size_t>(index)].focusable) return;
  hideMark();
  focusedId_ = id;
  shown_ = FocusShown::heard;
  tellFocus(widget_, id);
}

void DrawnItems::retellFocus() {
  if (focusedIndex() >= 0) tellFocus(widget_, focusedId_);
}

void DrawnItems::showFocusOn(int index) {
  const int before = markShown() ? focusedIndex() : -1;
  if (before >= 0) widget_.update(markRect(before));
  const DrawnItem item = items()[static_cast<size_t>(index)];
  focusedId_ = item.id;
  shown_ = FocusShown::marked;
  if (item.reveal) item.reveal();
  // Revealing may have moved it.
  widget_.update(markRect(indexOf(item.id)));
  tellFocus(widget_, item.id);
}

void DrawnItems::hideMark() {
  if (markShown()) widget_.update(markRect(focusedIndex()));
  shown_ = FocusShown::hidden;
}

void DrawnItems::hideMarkForTyping() {
  const bool hadFocus = focusedIndex() >= 0;
  hideMark();
  if (hadFocus) shown_ = FocusShown::heard;
}

bool DrawnItems::choose(int index) {
  const std::vector<DrawnItem> all = items();
  if (index < 0 || static_cast<size_t>(index) >= all.size()) return false;
  const DrawnItem item = all[static_cast<size_t>(index)];
  if (!item.enabled || !item.choose) return false;
  item.choose();
  // The item may be gone (a menu left, a dialog closed); the readers hear
  // what it changed from the refresh it made.
  if (markShown() && focusedId_ == item.id) widget_.update(markRect(focusedIndex()));
  return true;
}

void DrawnItems::tellChanges() {
  if (!readerListening() || !described()) {
    told_.reset();
    return;
  }
  std::vector<ToldItem> now;
  for (const DrawnItem& item : items())
    now.push_back({item.id, item.name, item.description, !item.box.isEmpty(), item.enabled, item.checked,
                   !(item.ticking && item.id == focusedId_)});
  if (told_) vorpex::tellChanges(widget_, *told_, now);
  told_ = std::move(now);
}

bool DrawnItems::keyPressed(const QKeyEvent& event, ChooseKeys keys) {
  if (!described() || (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier))) return false;
  switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Right:
    case Qt::Key_Down: moveFocus(1); return true;
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Up: moveFocus(-1); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (!keys.enter) return false;
      [[fallthrough]];
    case Qt::Key_Space: {
      // A key chooses only a part the player can see is focused, or one a
      // screen reader that still listens was told of where the key means
      // nothing else.
      const bool heard = shown_ == FocusShown::heard && keys.whenHeard && readerListening();
      if (!markShown() && !(heard && focusedIndex() >= 0)) return false;
      // Enter on a part that only reads keeps its own meaning; Space there
      // does nothing.
      return chooseFocused() || event.key() == Qt::Key_Space;
    }
    default: return false;
  }
}

QRect DrawnItems::markRect(int index) const {
  const std::vector<DrawnItem> all = items();
  if (index < 0 || static_cast<size_t>(index) >= all.size()) return {};
  const QRect around = all[static_cast<size_t>(index)].box.adjusted(-kMarkGap, -kMarkGap, kMarkGap, kMarkGap);
  // Half the mark's pen lies outside the rectangle, and smoothing one more.
  const int pen = static_cast<int>(std::ceil((kMarkWidth + 2) * widget_.zoom())) + 1;
  return zoomed(around, widget_.zoom()).adjusted(-pen, -pen, pen, pen);
}

void DrawnItems::paintMark(QPainter& painter, double zoom) const {
  const int index = markShown() ? focusedIndex() : -1;
  if (index < 0 || !kit_) return;
  const QRectF box = QRectF(items()[static_cast<size_t>(index)].box).adjusted(-kMarkGap, -kMarkGap, kMarkGap, kMarkGap);
  const QRectF shown(box.x() * zoom, box.y() * zoom, box.width() * zoom, box.height() * zoom);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  // The lit caption's colour, over a dark edge so it reads on light and dark.
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kit_->colour(Ink::black), (kMarkWidth + 2) * zoom));
  painter.drawRoundedRect(shown, 4 * zoom, 4 * zoom);
  painter.setPen(QPen(kit_->colour(Ink::hot), kMarkWidth * zoom));
  painter.drawRoundedRect(shown, 4 * zoom, 4 * zoom);
  painter.restore();
}

}  // namespace vorpex
