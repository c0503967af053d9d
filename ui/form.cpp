#include "ui/form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QEventLoop>
#include <QMetaObject>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "base/errors.h"
#include "ui/all_windows.h"
#include "ui/application.h"
#include "ui/controls.h"
#include "ui/dispatch.h"
#include "ui/widget_util.h"

namespace ui {
namespace {

// The top-level widget of a form: routes the close box and activation to the form.
class FormWidget : public QWidget {
 public:
  explicit FormWidget(Form* form) : form_(form) {}

 protected:
  void closeEvent(QCloseEvent* event) override {
    // The form decides and hides itself; Qt's own closing is not used.
    event->ignore();
    form_->DoClose(true);
  }
  bool event(QEvent* event) override {
    bool result = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate) form_->HandleActivate();
    return result;
  }

 private:
  Form* form_;
};

constexpr Qt::WindowFlags kFrameFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                        Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

}  // namespace

Container::~Container() = default;

Form::Form(Form* owner) {
  widget_ = new FormWidget(this);
  widget_->setWindowFlags(kFrameFlags | Qt::WindowMinimizeButtonHint |
                          Qt::WindowMaximizeButtonHint);
  widget_->setAttribute(Qt::WA_QuitOnClose, false);
  if (owner) {
    owner_widget_ = owner->widget_;
    QObject::connect(owner_widget_, &QObject::destroyed, widget_,
                     [this] { owner_widget_ = nullptr; });
  }
}

Form::~Form() {
  RunDestroyHandler();
  delete widget_;
}

void Form::SetCaption(const std::string& caption) {
  widget_->setWindowTitle(internal::ToQt(caption));
}

std::string Form::Caption() const { return internal::ToSjis(widget_->windowTitle()); }

void Form::SetPosition(int left, int top) { widget_->move(left, top); }
int Form::Left() const { return widget_->x(); }
int Form::Top() const { return widget_->y(); }

void Form::SetClientSize(int width, int height) {
  if (fixed_border_) {
    widget_->setFixedSize(width, height);
  } else {
    widget_->resize(width, height);
  }
}
int Form::ClientWidth() const { return widget_->width(); }
int Form::ClientHeight() const { return widget_->height(); }

void Form::SetFont(const std::string& name, int pixel_height) {
  internal::ApplyFont(widget_, name, pixel_height);
}

void Form::SetColor(Color color) { internal::ApplyBackground(widget_, color); }

void Form::SetFixedBorder(bool fixed) {
  fixed_border_ = fixed;
  if (fixed) {
    widget_->setFixedSize(widget_->size());
  } else {
    widget_->setMinimumSize(0, 0);
    widget_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  }
}

void Form::SetBorderIcons(bool minimize, bool maximize) {
  Qt::WindowFlags flags = kFrameFlags | (widget_->windowFlags() & Qt::WindowStaysOnTopHint);
  if (minimize) flags |= Qt::WindowMinimizeButtonHint;
  if (maximize) flags |= Qt::WindowMaximizeButtonHint;
  bool visible = widget_->isVisible();
  QRect geometry = widget_->geometry();
  widget_->setWindowFlags(flags);
  if (visible) {
    widget_->setGeometry(geometry);
    widget_->show();
  }
}

void Form::Show() {
  bool was_hidden = !widget_->isVisible();
  if (was_hidden && owner_widget_) {
    widget_->winId();  // makes the native windows, so that the owner can be set
    owner_widget_->winId();
    widget_->windowHandle()->setTransientParent(owner_widget_->windowHandle());
  }
  widget_->show();
  widget_->raise();
  widget_->activateWindow();
  if (was_hidden) RunHandler(on_show);
}

void Form::Hide() {
  widget_->hide();
  if (modal_) {
    modal_done_ = true;
    if (modal_loop_) modal_loop_->quit();
  }
}

void Form::SetVisible(bool visible) {
  if (visible) {
    Show();
  } else {
    Hide();
  }
}

bool Form::Visible() const { return widget_->isVisible(); }

void Form::ShowModal() {
  if (Visible()) throw base::Error("A visible window cannot be made modal");
  QPointer<QWidget> previously_active = QApplication::activeWindow();
  DisabledWindows disabled = DisableAllWindows();
  modal_ = true;
  modal_done_ = false;
  struct EndModal {
    Form* form;
    DisabledWindows& disabled;
    QPointer<QWidget>& previously_active;
    ~EndModal() {
      form->modal_ = false;
      form->modal_loop_ = nullptr;
      EnableWindows(disabled);
      form->widget_->hide();
      if (previously_active && previously_active->isVisible()) {
        previously_active->activateWindow();
      }
    }
  } end_modal{this, disabled, previously_active};
  Show();
  if (modal_done_ || !widget_->isVisible()) return;
  QEventLoop loop;
  modal_loop_ = &loop;
  loop.exec();
}

void Form::Close() { DoClose(false); }

void Form::PostClose() {
  // A request that finds the form closed already (a second request) does nothing.
  QMetaObject::invokeMethod(
      widget_,
      [this] {
        if (widget_->isVisible()) DoClose(true);
      },
      Qt::QueuedConnection);
}

void Form::DoClose(bool from_window_system) {
  CloseAction action = CloseAction::kHide;
  auto handler = [&] {
    if (on_close) on_close(action);
  };
  if (from_window_system) {
    if (!RunHandler(handler)) return;
  } else {
    CallHandler(handler);
  }
  if (action == CloseAction::kNone) return;
  Hide();
  if (action == CloseAction::kFree) {
    QMetaObject::invokeMethod(
        widget_, [this] { RunHandler(on_free); }, Qt::QueuedConnection);
  }
  if (Application* app = Application::Instance()) app->FormClosed(*this);
}

void Form::HandleActivate() { RunHandler(on_activate); }

void Form::BringToFront() {
  widget_->raise();
  widget_->activateWindow();
}

void Form::Activate() { widget_->activateWindow(); }

void Form::SetEnabled(bool enabled) { widget_->setEnabled(enabled); }
bool Form::Enabled() const { return widget_->isEnabled(); }

void Form::SetTopmost(bool topmost) {
  if (Topmost() == topmost) return;
  Qt::WindowFlags flags = widget_->windowFlags();
  flags.setFlag(Qt::WindowStaysOnTopHint, topmost);
  bool visible = widget_->isVisible();
  QRect geometry = widget_->geometry();
  if (visible && widget_->windowHandle()) {
    // Changed on the shown window itself: it is neither hidden, moved nor activated.
    widget_->overrideWindowFlags(flags);
    widget_->windowHandle()->setFlags(flags);
  } else {
    widget_->setWindowFlags(flags);
  }
  if (visible && !widget_->isVisible()) {
    bool no_activate = widget_->testAttribute(Qt::WA_ShowWithoutActivating);
    widget_->setAttribute(Qt::WA_ShowWithoutActivating, true);
    widget_->show();
    widget_->setAttribute(Qt::WA_ShowWithoutActivating, no_activate);
  }
  if (widget_->geometry() != geometry) widget_->setGeometry(geometry);
}

bool Form::Topmost() const { return widget_->windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

void Form::SetCursor(Cursor cursor) {
  cursor_ = cursor;
  if (cursor == Cursor::kAppStart) {
    widget_->setCursor(Qt::BusyCursor);
  } else {
    widget_->unsetCursor();
  }
}

void Form::RunDestroyHandler() {
  if (destroy_handler_run_) return;
  destroy_handler_run_ = true;
  RunHandler(on_destroy);
}

}  // namespace ui
