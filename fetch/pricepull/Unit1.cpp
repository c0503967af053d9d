#include "fetch/pricepull/Unit1.h"

#include "fetch/pricepull/OddsFetch.h"
#include "ui/application.h"

namespace pricepull {

TForm1::TForm1(std::unique_ptr<jvlink::JVLink> jvlink, std::string argument)
    : JVLink1(std::move(jvlink)), argument_(std::move(argument)) {
  SetCaption("Vantrel - オッズ情報の取得（Through JVLink）1.02a");
  SetPosition(1, 4);
  SetClientSize(505, 96);
  SetFixedBorder(true);
  SetBorderIcons(true, false);
  SetFont("ＭＳ Ｐゴシック", 12);

  GroupBox1.SetBounds(8, 8, 489, 81);
  GroupBox1.SetCaption("JVLink Read Status");
  Panel1.SetBounds(16, 24, 353, 41);
  Panel1.SetColor(ui::kCream);
  Panel1.SetFont("ＭＳ Ｐゴシック", 13);
  Panel1.SetText("Panel1");
  Button1.SetBounds(384, 32, 90, 25);
  Button1.SetFont("ＭＳ Ｐゴシック", 13);
  Button1.SetCaption("画面を閉じる");
  Button1.on_click = [this] { Button1Click(); };

  on_activate = [this] { FormActivate(); };
  on_close = [this](ui::CloseAction& action) { FormClose(action); };
}

TForm1::~TForm1() { RunDestroyHandler(); }

void TForm1::FormActivate() {
  if (running_) return;
  running_ = true;
  close_requested_ = false;
  ++runs_;
  struct EndRun {
    bool& running;
    ~EndRun() { running = false; }
  } end{running_};
  RunOddsFetch(*JVLink1, *this, argument_);
  running_ = false;  // before the close, which would only be remembered during a run
  if (close_requested_) Close();
}

void TForm1::Button1Click() { Close(); }

void TForm1::FormClose(ui::CloseAction& action) {
  if (running_) {
    close_requested_ = true;
    action = ui::CloseAction::kNone;
  }
}

void TForm1::ShowStatus(const std::string& text) { Panel1.SetText(text); }

void TForm1::ProcessMessages() { ui::ProcessMessages(); }

}  // namespace pricepull
