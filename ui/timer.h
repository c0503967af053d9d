// A timer that belongs to a form.
#pragma once
#include <functional>
#include <memory>

namespace ui {

class Form;

// While enabled, runs on_timer every Interval() milliseconds from the message loop,
// dispatched like an event (dispatch.h). A new timer is off, with 1000 ms. It stops for
// good when its form is destroyed. An interval of 0 or less never elapses.
class Timer {
 public:
  explicit Timer(Form& owner);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  // A new interval starts counting anew.
  void SetInterval(int milliseconds);
  int Interval() const { return interval_; }
  // Enabling starts counting the interval anew; disabling stops the timer.
  void SetEnabled(bool enabled);
  bool Enabled() const { return enabled_; }

  std::function<void()> on_timer;
  // What the elapsing of the interval does: on_timer runs, dispatched like an event,
  // while the timer is enabled; a disabled timer does nothing.
  void Tick();

 private:
  void Restart();
  struct Impl;
  std::unique_ptr<Impl> impl_;
  int interval_ = 1000;
  bool enabled_ = false;
};

}  // namespace ui
