// The application object of a program or a test, and the message loop.
#pragma once
#include <functional>
#include <memory>

namespace ui {

class Form;

// Makes the Qt application (one per process, before the first window; every form and
// control must be destroyed before it, so unit-level window variables are reset at the
// end of main). It maps the fonts
// "ＭＳ ゴシック" and "ＭＳ Ｐゴシック" (also spelled "MS Gothic", "MS PGothic") to IPAGothic and
// IPAPGothic, which this platform has, loads Qt's Japanese texts (standard buttons "はい",
// "キャンセル", "OK") whatever the locale, and gives Qt a private runtime folder when the
// environment names none.
class Application {
 public:
  // argc and argv must outlive the object (pass main's own).
  Application(int& argc, char** argv);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // The one application object; nullptr before it is made.
  static Application* Instance();

  // Makes the form the main form, shows it and runs the message loop until it closes
  // (by code, its close box, or the program). Then runs the form's destroy handler.
  // Closing the main form ends the program even when other windows are open.
  int Run(Form& main_form);

  // The main form while Run runs, else nullptr.
  Form* main_form() const { return main_form_; }
  // Called by a form whose closing was accepted.
  void FormClosed(Form& form);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  Form* main_form_ = nullptr;
  bool main_closed_ = false;
};

// One pass of the message loop: handles every message waiting now, then returns.
void ProcessMessages();

// Queues a call: it runs from the message loop after the current handler has returned,
// dispatched like an event (RunHandler).
void Post(std::function<void()> call);

}  // namespace ui
