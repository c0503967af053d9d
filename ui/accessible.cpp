// The factory of the layer's accessible interfaces, the posting of accessible input,
// buttons, drop-down lists and popup menus' items.
#include "ui/accessible.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <vector>

namespace ui::internal {
namespace {

// The nearest widget of the layer at or above the object decides.
QAccessibleInterface* LayerFactory(const QString& /*class_name*/, QObject* object) {
  for (QObject* o = object; o; o = o->parent()) {
    if (auto* parts = dynamic_cast<AccessibleParts*>(o)) return parts->NewAccessible(object);
  }
  return nullptr;
}

// A button's text without its mnemonic marks ("&&" is a literal "&"), as Qt names buttons.
QString WithoutMnemonic(const QString& text) {
  QString plain;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && i + 1 < text.size()) ++i;
    plain += text[i];
  }
  return plain;
}

class ButtonAccessible : public QAccessibleWidget {
 public:
  ButtonAccessible(QAbstractButton* button, QAccessible::Role role)
      : QAccessibleWidget(button, role) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) {
      QString name = widget()->accessibleName();
      if (name.isEmpty()) name = WithoutMnemonic(button()->text());
      if (!name.isEmpty()) return name;
    }
    return QAccessibleWidget::text(t);
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.checkable = button()->isCheckable();
    s.checked = button()->isChecked();
    s.pressed = button()->isDown();
    if (auto* push = qobject_cast<QPushButton*>(button())) s.defaultButton = push->isDefault();
    return s;
  }

  QStringList actionNames() const override {
    QStringList names;
    if (widget()->isEnabled()) {
      names << pressAction();
      if (role() == QAccessible::RadioButton) names << toggleAction();
    }
    return names + QAccessibleWidget::actionNames();
  }

  void doAction(const QString& action) override {
    if (action == pressAction() ||
        (action == toggleAction() && role() == QAccessible::RadioButton)) {
      PostUserInput(widget(), [button = button()] { button->click(); });
    } else {
      QAccessibleWidget::doAction(action);
    }
  }

 private:
  QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

class PickList;

// An item of a drop-down list.
class PickItem : public AccessibleItem {
 public:
  PickItem(PickList* list, int row) : list_(list), row_(row) {}

  bool isValid() const override;
  QWindow* window() const override;
  QAccessibleInterface* parent() const override;
  QString text(QAccessible::Text t) const override;
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override;

  QStringList actionNames() const override { return {pressAction(), toggleAction()}; }
  void doAction(const QString& action) override;

 private:
  PickList* list_;
  int row_;
};

class PickList : public QAccessibleWidget {
 public:
  PickList(QAbstractItemView* view, QWidget* owner, std::function<void(int)> pick)
      : QAccessibleWidget(view, QAccessible::List), owner_(owner), pick_(std::move(pick)) {}
  ~PickList() override {
    for (QAccessible::Id id : item_ids_) QAccessible::deleteAccessibleInterface(id);
  }

  int childCount() const override { return Rows(); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= Rows()) return nullptr;
    if (static_cast<int>(item_ids_.size()) <= index) item_ids_.resize(index + 1, 0);
    QAccessibleInterface* item = QAccessible::accessibleInterface(item_ids_[index]);
    if (!item) {
      item = new PickItem(const_cast<PickList*>(this), index);
      item_ids_[index] = QAccessible::registerAccessibleInterface(item);
    }
    return item;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (std::size_t row = 0; row < item_ids_.size(); ++row) {
      if (item_ids_[row] != 0 && QAccessible::accessibleInterface(item_ids_[row]) == child) {
        return child->isValid() ? static_cast<int>(row) : -1;
      }
    }
    return -1;
  }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(owner_);
  }

  QAbstractItemView* view() const { return static_cast<QAbstractItemView*>(widget()); }
  QModelIndex Index(int row) const {
    return view()->model() ? view()->model()->index(row, 0, view()->rootIndex()) : QModelIndex();
  }
  int Rows() const { return view()->model() ? view()->model()->rowCount(view()->rootIndex()) : 0; }
  void Pick(int row) {
    if (row >= Rows()) return;
    PostUserInput(owner_, [view = QPointer<QAbstractItemView>(view()), pick = pick_, row] {
      if (view && view->model() && row < view->model()->rowCount(view->rootIndex())) pick(row);
    });
  }
  bool Enabled() const { return owner_->isEnabled(); }

 private:
  QWidget* owner_;
  std::function<void(int)> pick_;
  // The items by row, made when first asked for; the cache holds them.
  mutable std::vector<QAccessible::Id> item_ids_;
};

bool PickItem::isValid() const { return list_->isValid() && row_ < list_->Rows(); }

QWindow* PickItem::window() const { return list_->window(); }

QAccessibleInterface* PickItem::parent() const { return list_; }

QString PickItem::text(QAccessible::Text t) const {
  if (t != QAccessible::Name || !isValid()) return {};
  return list_->Index(row_).data(Qt::DisplayRole).toString();
}

QRect PickItem::rect() const {
  if (!isValid() || !list_->view()->isVisible()) return {};
  QWidget* viewport = list_->view()->viewport();
  QRect r = list_->view()->visualRect(list_->Index(row_));
  return QRect(viewport->mapToGlobal(r.topLeft()), r.size());
}

QAccessible::State PickItem::state() const {
  QAccessible::State s;
  if (!isValid()) {
    s.invalid = true;
    return s;
  }
  QAbstractItemView* view = list_->view();
  s.selectable = true;
  s.focusable = true;
  s.invisible = !view->isVisible();
  s.disabled = !list_->Enabled();
  if (view->selectionModel()) s.selected = view->selectionModel()->isSelected(list_->Index(row_));
  return s;
}

void PickItem::doAction(const QString& action) {
  if ((action == pressAction() || action == toggleAction()) && isValid()) list_->Pick(row_);
}

// An item of a popup menu, read as Qt reads one; its press is its choice from the shown menu.
class MenuItemAccessible : public AccessibleItem {
 public:
  MenuItemAccessible(QMenu* menu, QAction* action, std::function<void()> choose)
      : menu_(menu), action_(action), choose_(std::move(choose)) {}

  bool isValid() const override { return menu_ && action_; }
  QObject* object() const override { return action_; }
  QWindow* window() const override { return menu_ ? menu_->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(menu_);
  }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name && isValid() ? WithoutMnemonic(action_->text()) : QString();
  }
  QRect rect() const override {
    if (!isValid() || !menu_->isVisible()) return {};
    const QRect r = menu_->actionGeometry(action_);
    return QRect(menu_->mapToGlobal(r.topLeft()), r.size());
  }
  QAccessible::Role role() const override {
    return isValid() && action_->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
  }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (!isValid()) {
      s.invalid = true;
      return s;
    }
    s.focusable = true;
    s.disabled = !action_->isEnabled();
    s.invisible = !menu_->isVisible() || !action_->isVisible();
    s.focused = menu_->activeAction() == action_;
    s.checkable = action_->isCheckable();
    s.checked = action_->isChecked();
    return s;
  }
  QStringList actionNames() const override {
    if (!isValid() || !action_->isEnabled() || action_->isSeparator()) return {};
    return {pressAction()};
  }
  void doAction(const QString& action) override {
    if (action != pressAction() || !isValid() || !menu_->isVisible()) return;
    PostUserInput(menu_, [menu = menu_, choose = choose_] {
      if (menu && menu->isVisible()) choose();
    });
  }

 private:
  QPointer<QMenu> menu_;
  QPointer<QAction> action_;
  std::function<void()> choose_;
};

}  // namespace

void PostUserInput(QWidget* target, std::function<void()> input) {
  if (!TakesUserInput(target)) return;
  // The target is the call's context: when it goes, the call goes with it.
  QMetaObject::invokeMethod(
      target,
      [target, input = std::move(input)] {
        if (TakesUserInput(target)) input();
      },
      Qt::QueuedConnection);
}

bool TakesUserInput(const QWidget* widget) {
  if (!widget->isEnabled()) return false;
  const QWidget* modal = QApplication::activeModalWidget();
  if (!modal) return true;
  for (const QWidget* w = widget->window(); w;
       w = w->parentWidget() ? w->parentWidget()->window() : nullptr) {
    if (w == modal) return true;
  }
  return false;
}

void InstallAccessibleFactory() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(LayerFactory);
}

QAccessibleInterface* NewButtonAccessible(QAbstractButton* button, QAccessible::Role role) {
  return new ButtonAccessible(button, role);
}

QAccessibleInterface* NewMenuItemAccessible(QMenu* menu, QAction* action,
                                            std::function<void()> choose) {
  return new MenuItemAccessible(menu, action, std::move(choose));
}

QAccessibleInterface* NewPickListAccessible(QAbstractItemView* view, QWidget* owner,
                                            std::function<void(int row)> pick) {
  return new PickList(view, owner, std::move(pick));
}

}  // namespace ui::internal
