// pricepull's window: at every activation it runs the whole odds fetch of the race day of
// the command line; its status panel is the only output.
#pragma once
#include <memory>
#include <string>

#include "fetch/common/FetchView.h"
#include "fetch/jvlink/JVLink.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace pricepull {

class TForm1 : public ui::Form, public fetch::StatusView {
 public:
  // argument: command-line argument 1, the race day yyyymmdd (empty when missing).
  TForm1(std::unique_ptr<jvlink::JVLink> jvlink, std::string argument);
  ~TForm1() override;

  ui::GroupBox GroupBox1{*this};
  ui::Panel Panel1{GroupBox1};
  ui::Button Button1{GroupBox1};
  std::unique_ptr<jvlink::JVLink> JVLink1;

  // A run (RunOddsFetch). An activation while a run is under way is ignored.
  void FormActivate();
  void Button1Click();
  // A close while a run is under way lets the fetch under way finish; the run stops
  // there and the window closes.
  void FormClose(ui::CloseAction& action);

  bool Running() const { return running_; }
  // Runs started so far (for the tests).
  int runs() const { return runs_; }

  // The status view of the run.
  void ShowStatus(const std::string& text) override;
  void ProcessMessages() override;
  bool CloseRequested() const override { return close_requested_; }

 private:
  std::string argument_;
  bool running_ = false;
  bool close_requested_ = false;
  int runs_ = 0;
};

}  // namespace pricepull
