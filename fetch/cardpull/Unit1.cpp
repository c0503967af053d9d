#include "fetch/cardpull/Unit1.h"

#include "fetch/cardpull/CardFetch.h"
#include "fetch/cardpull/Unit2.h"

namespace cardpull {

TfrmMain::TfrmMain(std::unique_ptr<jvlink::JVLink> jvlink, std::string argument)
    : JVLink1(std::move(jvlink)), argument_(std::move(argument)) {
  SetCaption("Vantrel - 最新情報の取得（Through JVLink）1.07a");
  SetBorderIcons(false, false);
  SetClientSize(440, 112);
  SetFixedBorder(true);

  txtOut.SetBounds(8, 8, 100, 20);
  txtOut.SetVisible(false);
  GroupBox1.SetBounds(8, 8, 424, 96);
  GroupBox1.SetCaption("JVLink Read Status");
  Panel1.SetBounds(12, 24, 300, 60);
  Panel1.SetColor(ui::kCream);
  Panel1.SetText("開催日を選択して「データ取り込み」をクリックしてください。");
  Button1.SetBounds(322, 42, 90, 25);
  Button1.SetCaption("画面を閉じる");
  Button1.on_click = [this] { Button1Click(); };

  on_show = [this] { FormShow(); };
  on_close = [this](ui::CloseAction& action) { FormClose(action); };
}

TfrmMain::~TfrmMain() { RunDestroyHandler(); }

void TfrmMain::FormShow() {
  if (!InitJVLink(*JVLink1, view)) return;
  SetTopmost(true);
  Key = argument_;
  DataSpec = kDataSpec;
  if (!CheckKey(Key, view)) return;
  fetch::ShowReadingDialog(view, [this] { return std::make_unique<TfrmJVLinkDialog>(*this); });
  if (close_after_fetch_) Close();
}

void TfrmMain::Button1Click() { Close(); }

void TfrmMain::FormClose(ui::CloseAction& action) {
  if (fetch::ReadingDialog* dialog = view.dialog(); dialog && dialog->Running()) {
    dialog->RequestClose();
    close_after_fetch_ = true;
    action = ui::CloseAction::kNone;
  }
}

}  // namespace cardpull
