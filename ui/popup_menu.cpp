#include "ui/popup_menu.h"

#include <QAction>
#include <QMenu>
#include <QPointer>

#include "ui/accessible.h"
#include "ui/dispatch.h"
#include "ui/form.h"
#include "ui/qt_text.h"

namespace ui {
namespace {

// A user's choice of the action from the shown menu: the menu closes, then the action
// triggers.
void ChooseAction(QMenu* menu, QAction* action) {
  if (!menu->isVisible()) return;
  menu->hide();
  action->trigger();
}

// Through the accessible interface an item's press is its choice (accessible.h); the menu
// itself stays Qt's.
class MenuWidget : public QMenu, public internal::AccessibleParts {
 public:
  using QMenu::QMenu;
  QAccessibleInterface* NewAccessible(QObject* part) override {
    auto* action = qobject_cast<QAction*>(part);
    if (!action || !actions().contains(action)) return nullptr;
    return internal::NewMenuItemAccessible(
        this, action, [menu = QPointer<QMenu>(this), action = QPointer<QAction>(action)] {
          if (menu && action) ChooseAction(menu, action);
        });
  }
};

}  // namespace

// The Qt menu is a child of the form's window, so it goes with the window.
struct PopupMenu::Impl {
  QPointer<QMenu> menu;
};

struct MenuItem::Impl {
  QPointer<QMenu> menu;
  QPointer<QAction> action;
};

PopupMenu::PopupMenu(Form& owner) : impl_(std::make_unique<Impl>()) {
  impl_->menu = new MenuWidget(owner.widget());
}

PopupMenu::~PopupMenu() { delete impl_->menu; }

void PopupMenu::Popup(int x, int y) {
  if (impl_->menu) impl_->menu->popup(QPoint(x, y));
}

bool PopupMenu::Shown() const { return impl_->menu && impl_->menu->isVisible(); }

MenuItem::MenuItem(PopupMenu& menu) : impl_(std::make_unique<Impl>()) {
  impl_->menu = menu.impl_->menu;
  if (!impl_->menu) return;
  impl_->action = impl_->menu->addAction(QString());
  QObject::connect(impl_->action, &QAction::triggered, [this] { RunHandler(on_click); });
}

MenuItem::~MenuItem() { delete impl_->action; }

void MenuItem::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (impl_->action) impl_->action->setText(internal::ToQt(caption));
}

void MenuItem::Choose() {
  if (impl_->menu && impl_->action) ChooseAction(impl_->menu, impl_->action);
}

}  // namespace ui
