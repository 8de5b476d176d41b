#include "drawn_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <deque>
#include <map>
#include <vector>

#include "main_window.h"
#include "surface.h"

namespace vorpex {

namespace {

// One item of a surface, by its id: what it says is read afresh from the
// description each time it is asked, and the same thing keeps the same
// interface (a screen reader's cache holds it by that) wherever the
// description places it. An item gone from the description answers as
// empty until its owner says it is gone and deletes it.
class ItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  ItemAccessible(SurfaceWidget* widget, int id) : widget_(widget), id_(id) {}

  bool isValid() const override { return static_cast<bool>(widget_); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return widget_ ? widget_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(widget_.data()); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  void setText(QAccessible::Text, const QString&) override {}

  QString text(QAccessible::Text kind) const override {
    const DrawnItem item = this->item();
    switch (kind) {
      case QAccessible::Name: return item.name;
      case QAccessible::Value: return item.value;
      case QAccessible::Description: return item.description;
      default: return {};
    }
  }
  QAccessible::Role role() const override { return item().role; }
  QAccessible::State state() const override {
    const DrawnItem item = this->item();
    QAccessible::State state;
    // A row scrolled out of the list, or an item gone, is not on screen.
    state.invisible = !widget_ || !widget_->isVisible() || item.box.isEmpty();
    state.offscreen = state.invisible;
    state.focusable = item.focusable;
    state.focused = widget_ && widget_->isVisible() && widget_->items().focusedId() == id_ &&
                    widget_->window()->isActiveWindow();
    state.disabled = !item.enabled;
    state.checkable = item.checkable;
    state.checked = item.checked;
    return state;
  }
  QRect rect() const override {
    if (!widget_) return {};
    const QRect box = zoomed(item().box, widget_->zoom());
    if (box.isEmpty()) return {};
    return QRect(widget_->mapToGlobal(box.topLeft()), box.size());
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }

  QStringList actionNames() const override {
    const DrawnItem item = this->item();
    if (!item.choose || !item.enabled) return {};
    return {pressAction()};
  }
  // Done from the event loop, as a button's own click is: the choice may
  // open a modal dialog, and the screen reader waits for this call to
  // return before it can read that dialog.
  void doAction(const QString& name) override {
    if (!widget_ || name != pressAction()) return;
    QTimer::singleShot(0, widget_.data(), [widget = widget_, id = id_] {
      if (widget) widget->items().choose(widget->items().indexOf(id));
    });
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

  int id() const { return id_; }
  SurfaceWidget* widget() const { return widget_; }

 private:
  DrawnItem item() const {
    if (!widget_) return {};
    for (DrawnItem& item : widget_->items().items())
      if (item.id == id_) return std::move(item);
    return {};
  }

  QPointer<SurfaceWidget> widget_;
  int id_;
};

// A described surface: a pane whose children are its items.
class SurfaceAccessible : public QAccessibleWidget {
 public:
  explicit SurfaceAccessible(SurfaceWidget* widget) : QAccessibleWidget(widget, QAccessible::Pane) {}
  ~SurfaceAccessible() override {
    for (const auto& [id, registered] : children_) QAccessible::deleteAccessibleInterface(registered);
  }

  int childCount() const override { return static_cast<int>(surface()->items().items().size()); }
  QAccessibleInterface* child(int index) const override {
    const std::vector<DrawnItem> all = surface()->items().items();
    if (index < 0 || static_cast<size_t>(index) >= all.size()) return nullptr;
    return itemInterface(all[static_cast<size_t>(index)].id);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const auto* item = dynamic_cast<const ItemAccessible*>(child);
    return item && item->widget() == surface() ? surface()->items().indexOf(item->id()) : -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int i = 0; i < childCount(); ++i)
      if (QAccessibleInterface* item = child(i); item->rect().contains(x, y)) return item;
    return nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    const int focused = surface()->items().focusedIndex();
    return focused >= 0 ? child(focused) : nullptr;
  }

  // The interface of item `id`, made at its first use and kept.
  QAccessibleInterface* itemInterface(int id) const {
    auto found = children_.find(id);
    if (found == children_.end())
      found = children_.emplace(id, QAccessible::registerAccessibleInterface(new ItemAccessible(surface(), id))).first;
    return QAccessible::accessibleInterface(found->second);
  }
  // Whether readers may have met item `id` (its interface was made).
  bool known(int id) const { return children_.count(id) != 0; }
  // Item `id` left the description: the interface goes once readers are told.
  void forget(int id) {
    const auto found = children_.find(id);
    if (found == children_.end()) return;
    QAccessible::deleteAccessibleInterface(found->second);
    children_.erase(found);
  }

 private:
  SurfaceWidget* surface() const { return static_cast<SurfaceWidget*>(widget()); }
  mutable std::map<int, QAccessible::Id> children_;
};

// The notification an announcement appears as: a child of the window that
// speaks, named by what it tells. Each announcement is an object of its
// own, so that a reader still reading one is not handed the next instead.
class Announcement : public QAccessibleInterface {
 public:
  Announcement(QWidget* window, QString text) : window_(window), text_(std::move(text)) {}
  bool isValid() const override { return static_cast<bool>(window_); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return window_ ? window_->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(window_.data()); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text kind) const override { return kind == QAccessible::Name ? text_ : QString(); }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override { return {}; }
  QAccessible::Role role() const override { return QAccessible::Notification; }
  QAccessible::State state() const override { return {}; }

 private:
  QPointer<QWidget> window_;
  const QString text_;
};

// The announcements a reader may still be reading, oldest first: a few
// are kept, then the oldest goes.
constexpr size_t kAnnouncementsKept = 8;
std::deque<QAccessible::Id> recentAnnouncements;

QAccessibleInterface* drawnFactory(const QString&, QObject* object) {
  // The game's window is a window to a screen reader, which follows its
  // activation, not an unnamed part of one.
  if (auto* window = dynamic_cast<MainWindow*>(object)) return new QAccessibleWidget(window, QAccessible::Window);
  auto* surface = dynamic_cast<SurfaceWidget*>(object);
  // Every surface, described or not yet: an interface is made once and kept.
  return surface ? new SurfaceAccessible(surface) : nullptr;
}

ReaderEventSink eventSink = nullptr;

void tell(QAccessibleEvent& event) {
  if (eventSink) {
    eventSink(&event);
  } else {
    QAccessible::updateAccessibility(&event);
  }
}

}  // namespace

bool readerListening() { return eventSink || QAccessible::isActive(); }

void setReaderEventSink(ReaderEventSink sink) { eventSink = sink; }

void installDrawnAccessibility() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(drawnFactory);
}

void tellFocus(SurfaceWidget& widget, int id) {
  auto* pane = dynamic_cast<SurfaceAccessible*>(QAccessible::queryAccessibleInterface(&widget));
  if (!pane || !readerListening()) return;
  QAccessibleEvent event(pane->itemInterface(id), QAccessible::Focus);
  tell(event);
}

void announce(QWidget& window, const QString& text) {
  if (!readerListening() || text.isEmpty()) return;
  const QAccessible::Id id = QAccessible::registerAccessibleInterface(new Announcement(&window, text));
  recentAnnouncements.push_back(id);
  QAccessibleEvent shown(QAccessible::accessibleInterface(id), QAccessible::ObjectShow);
  tell(shown);
  while (recentAnnouncements.size() > kAnnouncementsKept) {
    QAccessible::deleteAccessibleInterface(recentAnnouncements.front());
    recentAnnouncements.pop_front();
  }
}

void tellChanges(SurfaceWidget& widget, const std::vector<ToldItem>& before, const std::vector<ToldItem>& now) {
  auto* pane = dynamic_cast<SurfaceAccessible*>(QAccessible::queryAccessibleInterface(&widget));
  if (!pane || !readerListening()) return;
  std::map<int, const ToldItem*> earlier;
  for (const ToldItem& item : before) earlier.emplace(item.id, &item);
  for (size_t index = 0; index < now.size(); ++index) {
    const ToldItem& item = now[index];
    const auto found = earlier.find(item.id);
    if (found == earlier.end()) {
      QAccessibleEvent created(pane->itemInterface(item.id), QAccessible::ObjectCreated);
      tell(created);
      continue;
    }
    const ToldItem& was = *found->second;
    earlier.erase(found);
    // Only an item a reader has met can be cached by it.
    if (!pane->known(item.id)) continue;
    QAccessibleInterface* told = pane->itemInterface(item.id);
    if (was.name != item.name && item.speaksChanges) {
      QAccessibleEvent named(told, QAccessible::NameChanged);
      tell(named);
    }
    if (was.description != item.description) {
      QAccessibleEvent described(told, QAccessible::DescriptionChanged);
      tell(described);
    }
    if (was.shown != item.shown) {
      QAccessibleEvent shownOrHidden(told, item.shown ? QAccessible::ObjectShow : QAccessible::ObjectHide);
      tell(shownOrHidden);
    }
    // Qt's bridge tells one kind of state change an event.
    if (was.checked != item.checked) {
      QAccessible::State checked;
      checked.checked = true;
      QAccessibleStateChangeEvent event(told, checked);
      tell(event);
    }
    if (was.enabled != item.enabled) {
      QAccessible::State disabled;
      disabled.disabled = true;
      QAccessibleStateChangeEvent event(told, disabled);
      tell(event);
    }
  }
  for (const auto& [id, gone] : earlier) {
    if (!pane->known(id)) continue;
    QAccessibleEvent destroyed(pane->itemInterface(id), QAccessible::ObjectDestroyed);
    tell(destroyed);
    pane->forget(id);
  }
}

}  // namespace vorpex
