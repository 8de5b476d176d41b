#include "drawn_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <vector>

#include "main_window.h"
#include "surface.h"

namespace vorpex {

namespace {

// One item of a surface, by its place in the surface's description: what
// it says is read afresh from the description each time it is asked.
class ItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  ItemAccessible(SurfaceWidget* widget, int index) : widget_(widget), index_(index) {}

  bool isValid() const override { return widget_ && static_cast<size_t>(index_) < widget_->items().items().size(); }
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
    state.invisible = !widget_ || !widget_->isVisible();
    state.focusable = item.focusable;
    state.focused = widget_ && widget_->isVisible() && widget_->items().focusedIndex() == index_ &&
                    widget_->window()->isActiveWindow();
    state.disabled = !item.enabled;
    state.checkable = item.checkable;
    state.checked = item.checked;
    return state;
  }
  QRect rect() const override {
    if (!widget_) return {};
    const QRect box = zoomed(item().box, widget_->zoom());
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
    const int id = item().id;
    QTimer::singleShot(0, widget_.data(), [widget = widget_, id] {
      if (widget) widget->items().choose(widget->items().indexOf(id));
    });
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

  int index() const { return index_; }
  SurfaceWidget* widget() const { return widget_; }

 private:
  DrawnItem item() const {
    if (!widget_) return {};
    std::vector<DrawnItem> all = widget_->items().items();
    return static_cast<size_t>(index_) < all.size() ? all[static_cast<size_t>(index_)] : DrawnItem{};
  }

  QPointer<SurfaceWidget> widget_;
  int index_;
};

// A described surface: a pane whose children are its items.
class SurfaceAccessible : public QAccessibleWidget {
 public:
  explicit SurfaceAccessible(SurfaceWidget* widget) : QAccessibleWidget(widget, QAccessible::Pane) {}
  ~SurfaceAccessible() override {
    for (const QAccessible::Id id : children_) QAccessible::deleteAccessibleInterface(id);
  }

  int childCount() const override { return static_cast<int>(surface()->items().items().size()); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    while (children_.size() <= static_cast<size_t>(index))
      children_.push_back(QAccessible::registerAccessibleInterface(
          new ItemAccessible(surface(), static_cast<int>(children_.size()))));
    return QAccessible::accessibleInterface(children_[static_cast<size_t>(index)]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const auto* item = dynamic_cast<const ItemAccessible*>(child);
    return item && item->widget() == surface() ? item->index() : -1;
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

 private:
  SurfaceWidget* surface() const { return static_cast<SurfaceWidget*>(widget()); }
  mutable std::vector<QAccessible::Id> children_;
};

// The notification announcements appear as: a child of the window that
// speaks, named by what it tells.
class Announcement : public QAccessibleInterface {
 public:
  explicit Announcement(QWidget* window) : window_(window) {}
  bool isValid() const override { return static_cast<bool>(window_); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return window_ ? window_->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(window_.data()); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text kind) const override { return kind == QAccessible::Name ? text_ : QString(); }
  void setText(QAccessible::Text kind, const QString& text) override {
    if (kind == QAccessible::Name) text_ = text;
  }
  QRect rect() const override { return {}; }
  QAccessible::Role role() const override { return QAccessible::Notification; }
  QAccessible::State state() const override { return {}; }

 private:
  QPointer<QWidget> window_;
  QString text_;
};

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

void tellFocus(SurfaceWidget& widget, int index) {
  if (!readerListening()) return;
  QAccessibleEvent event(&widget, QAccessible::Focus);
  event.setChild(index);
  tell(event);
}

void tellChecked(SurfaceWidget& widget, int index) {
  if (!readerListening()) return;
  QAccessible::State changed;
  changed.checked = true;
  QAccessibleStateChangeEvent event(&widget, changed);
  event.setChild(index);
  tell(event);
}

void announce(QWidget& window, const QString& text) {
  if (!readerListening() || text.isEmpty()) return;
  // One announcement object per window, made at its first announcement.
  const char* const kProperty = "vorpexAnnouncement";
  auto id = window.property(kProperty).value<QAccessible::Id>();
  if (!QAccessible::accessibleInterface(id)) {
    id = QAccessible::registerAccessibleInterface(new Announcement(&window));
    window.setProperty(kProperty, QVariant::fromValue(id));
  }
  QAccessibleInterface* announcement = QAccessible::accessibleInterface(id);
  announcement->setText(QAccessible::Name, text);
  QAccessibleEvent shown(announcement, QAccessible::ObjectShow);
  tell(shown);
}

}  // namespace vorpex
