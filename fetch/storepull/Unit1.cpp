#include "fetch/storepull/Unit1.h"

#include <time.h>

#include <cerrno>

#include "fetch/common/FetchTexts.h"
#include "fetch/storepull/Unit2.h"
#include "ui/message_box.h"

namespace storepull {

void StorePullWindowView::Sleep(int milliseconds) {
  // <chrono> cannot be compiled to code page 932: the POSIX call.
  timespec pause{milliseconds / 1000, (milliseconds % 1000) * 1000000L};
  while (nanosleep(&pause, &pause) != 0 && errno == EINTR) {
  }
}

TfrmMain::TfrmMain(std::unique_ptr<jvlink::JVLink> jvlink, std::string config_path)
    : JVLink1(std::move(jvlink)), config_path_(std::move(config_path)) {
  SetCaption("Vantrel - レース情報の取得（Through JVLink）1.07a");
  SetBorderIcons(false, false);
  SetClientSize(480, 300);

  ButtonJVLinkDialog.SetBounds(16, 12, 120, 30);
  ButtonJVLinkDialog.SetCaption("データ取込み");
  ButtonJVLinkDialog.on_click = [this] { ButtonJVLinkDialogClick(); };
  ButtonJVSetUIProperties.SetBounds(148, 12, 120, 30);
  ButtonJVSetUIProperties.SetCaption("JVLink設定");
  ButtonJVSetUIProperties.on_click = [this] { ButtonJVSetUIPropertiesClick(); };

  txtOut.SetBounds(280, 12, 192, 30);
  txtOut.SetVisible(false);

  GroupBox1.SetBounds(8, 52, 464, 84);
  GroupBox1.SetCaption("Race Information");
  Label2.SetBounds(16, 26, 90, 20);
  Label2.SetCaption("取得開始日：");
  DateTimePicker1.SetBounds(108, 22, 130, 24);
  Label1.SetBounds(16, 54, 400, 20);
  Label1.SetCaption("（最終データ取得日が表示されています）");

  GroupBox2.SetBounds(8, 144, 464, 96);
  GroupBox2.SetCaption("Read Status &");
  Button1.SetBounds(358, 40, 90, 25);
  Button1.SetCaption("画面を閉じる");
  Button1.on_click = [this] { Button1Click(); };

  Panel1.SetBounds(8, 248, 464, 44);
  Panel1.SetColor(ui::kCream);
  Panel1.SetText("前回の続きからのデータ取得はそのまま「データ取り込み」をクリック");

  on_show = [this] { FormShow(); };
  on_close = [this](ui::CloseAction& action) { FormClose(action); };
}

TfrmMain::~TfrmMain() { RunDestroyHandler(); }

void TfrmMain::FormShow() {
  StartState start = StartStateFromFile(config_path_, base::Today());
  ResumeStamp = start.resume_stamp;
  DateTimePicker1.SetDate(start.start_date);
  if (!start.message.empty()) view.ShowStatus(start.message);
  // Told before the window is made topmost, so that the box is not hidden behind it.
  if (!start.error.empty()) ui::ShowError(start.error);
  SetTopmost(true);
}

void TfrmMain::ButtonJVLinkDialogClick() {
  std::optional<FetchRequest> request =
      StartFetch(*JVLink1, view, DateTimePicker1.Date(), ResumeStamp);
  if (!request) return;
  DataSpec = request->data_spec;
  FromDate = request->from_date;
  fetch::ShowReadingDialog(view, [this] { return std::make_unique<TfrmJVLinkDialog>(*this); });
  if (close_after_fetch_) Close();
}

void TfrmMain::ButtonJVSetUIPropertiesClick() {
  int rc = JVLink1->JVSetUIProperties();
  view.AppendLog(fetch::CallResultText("JVSetUIProperties", rc) + fetch::kCrLf);
}

void TfrmMain::Button1Click() {
  if (!ResumeStamp.empty()) WriteResumeStamp(config_path_, ResumeStamp);
  Close();
}

void TfrmMain::FormClose(ui::CloseAction& action) {
  if (fetch::ReadingDialog* dialog = view.dialog(); dialog && dialog->Running()) {
    dialog->RequestClose();
    close_after_fetch_ = true;
    action = ui::CloseAction::kNone;
  }
}

}  // namespace storepull
