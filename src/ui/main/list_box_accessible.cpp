#include "ui/main/list_box_accessible.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QItemSelectionModel>
#include <QPointer>

#include "ui/main/list_box_view.h"

namespace tarvola {

namespace {

// One entry, named by its row: a rebuilt list drops every entry's interface.
class EntryAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  EntryAccessible(ListBoxView* view, int row) : view_(view), row_(row) {}

  bool isValid() const override { return view_ && view_->model() && row_ < view_->model()->rowCount(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return view_->window()->windowHandle(); }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(view_.data()); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  void setText(QAccessible::Text, const QString&) override {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return index().data(Qt::DisplayRole).toString();
    if (t == QAccessible::Description) return index().data(Qt::AccessibleDescriptionRole).toString();
    return {};
  }

  QRect rect() const override {
    const QRect shown = view_->visualRect(index());
    return QRect(view_->viewport()->mapToGlobal(shown.topLeft()), shown.size());
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    state.selectable = state.focusable = true;
    state.selected = view_->selectionModel()->isSelected(index());
    state.focused = state.selected && view_->hasFocus();
    state.invisible = !view_->viewport()->rect().intersects(view_->visualRect(index()));
    state.offscreen = state.invisible;
    return state;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }

  // The first action is the default one.
  QStringList actionNames() const override { return {pressAction(), toggleAction()}; }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

  void doAction(const QString& name) override {
    if (name == pressAction()) view_->openEntry(row_);
    if (name == toggleAction()) view_->toggleEntry(row_);
  }

 private:
  QModelIndex index() const { return view_->model()->index(row_, 0); }

  QPointer<ListBoxView> view_;
  int row_;
};

class ListBoxAccessible final : public QAccessibleWidget {
 public:
  explicit ListBoxAccessible(ListBoxView* view) : QAccessibleWidget(view, QAccessible::List) {
    if (view->model()) reset_ = QObject::connect(view->model(), &QAbstractItemModel::modelReset, [this] { forget(); });
  }
  ~ListBoxAccessible() override {
    QObject::disconnect(reset_);
    forget();
  }

  int childCount() const override { return view()->model() ? view()->model()->rowCount() : 0; }

  QAccessibleInterface* child(int row) const override {
    if (row < 0 || row >= childCount()) return nullptr;
    auto known = entries_.constFind(row);
    if (known != entries_.constEnd()) return QAccessible::accessibleInterface(*known);
    auto* entry = new EntryAccessible(view(), row);
    entries_.insert(row, QAccessible::registerAccessibleInterface(entry));
    return entry;
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    for (auto known = entries_.cbegin(); known != entries_.cend(); ++known) {
      if (QAccessible::accessibleInterface(known.value()) == child) return known.key();
    }
    return QAccessibleWidget::indexOfChild(child);
  }

  QAccessibleInterface* childAt(int x, int y) const override {
    const QModelIndex at = view()->indexAt(view()->viewport()->mapFromGlobal(QPoint(x, y)));
    return at.isValid() ? child(at.row()) : nullptr;
  }

  QAccessibleInterface* focusChild() const override {
    const QModelIndexList selected = view()->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? nullptr : child(selected.first().row());
  }

 private:
  ListBoxView* view() const { return static_cast<ListBoxView*>(widget()); }

  void forget() {
    for (QAccessible::Id id : std::as_const(entries_)) QAccessible::deleteAccessibleInterface(id);
    entries_.clear();
  }

  mutable QHash<int, QAccessible::Id> entries_;
  QMetaObject::Connection reset_;
};

}  // namespace

QAccessibleInterface* listBoxAccessible(const QString& className, QObject* object) {
  if (className != QLatin1String(ListBoxView::staticMetaObject.className()) || !object->isWidgetType()) return nullptr;
  return new ListBoxAccessible(static_cast<ListBoxView*>(object));
}

}  // namespace tarvola
