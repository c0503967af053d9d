#include "ui/timer.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "ui/dispatch.h"
#include "ui/form.h"

namespace ui {

// The Qt timer is a child of the form's window, so it goes with the window.
struct Timer::Impl {
  QPointer<QTimer> timer;
};

Timer::Timer(Form& owner) : impl_(std::make_unique<Impl>()) {
  impl_->timer = new QTimer(owner.widget());
  QObject::connect(impl_->timer, &QTimer::timeout, [this] { Tick(); });
}

Timer::~Timer() { delete impl_->timer; }

void Timer::SetInterval(int milliseconds) {
  interval_ = milliseconds;
  Restart();
}

void Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Restart();
}

void Timer::Tick() {
  if (enabled_ && impl_->timer) RunHandler(on_timer);
}

void Timer::Restart() {
  QTimer* timer = impl_->timer;
  if (!timer) return;
  if (enabled_ && interval_ > 0) {
    timer->start(interval_);
  } else {
    timer->stop();
  }
}

}  // namespace ui
