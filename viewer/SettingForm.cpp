// The settings and help window.
#include "viewer/SettingForm.h"

#include "base/file_names.h"
#include "ui/dispatch.h"
#include "ui/message_box.h"
#include "ui/url_opener.h"
#include "viewer/MainForm.h"
#include "viewer/ViewerState.h"
#include "viewer/logic/SettingChoices.h"
#include "viewer/logic/SettingsRecord.h"

namespace viewer {

TForm5* Form5 = nullptr;

TForm5::TForm5() : ui::Form(Form1) {
  LayOut();
  ComboBox1.on_change = [this] { ComboBox1Change(); };
  Edit9.on_click = [this] { Edit9Click(); };
  Edit10.on_click = [this] { Edit10Click(); };
  Button2.on_click = [this] { Button2Click(); };
  Form5 = this;
  ui::RunHandler([this] { FormCreate(); });
}

TForm5::~TForm5() {
  RunDestroyHandler();
  if (Form5 == this) Form5 = nullptr;
}

void TForm5::LayOut() {
  SetCaption("設定・ヘルプ");
  SetFont("ＭＳ ゴシック", 12);
  SetClientSize(472, 236);
  SetFixedBorder(true);
  SetBorderIcons(true, false);

  Label2.SetCaption("Vantrelのバージョン：");
  Label2.SetBounds(16, 16, 140, 16);
  Edit1.SetBounds(160, 14, 160, 20);
  Edit1.SetBorder(false);
  Edit1.SetColor(ui::kMenuBar);

  GroupBox1.SetCaption("オッズ時間ファイルの選択");
  GroupBox1.SetBounds(8, 44, 456, 60);
  Label4.SetCaption("オッズ取得時間ファイル：");
  Label4.SetBounds(12, 28, 150, 16);
  ComboBox1.SetBounds(164, 24, 280, 24);

  GroupBox2.SetCaption("ホームページとヘルプ");
  GroupBox2.SetBounds(8, 112, 456, 80);
  Label10.SetCaption("Vantrel ホームページ：");
  Label10.SetBounds(12, 26, 150, 16);
  Label11.SetCaption("Vantrel  取り扱い説明：");
  Label11.SetBounds(12, 52, 150, 16);
  for (ui::Edit* link : {&Edit9, &Edit10}) {
    link->SetBorder(false);
    link->SetFontColor(ui::kBlue);
    link->SetFontStyle(false, true);
  }
  Edit9.SetBounds(164, 24, 280, 20);
  Edit10.SetBounds(164, 50, 280, 20);

  Button2.SetCaption("画面を閉じる");
  Button2.SetBounds(180, 200, 112, 28);
}

void TForm5::FormCreate() {
  Edit9.SetText(ProgramFolderFile(ViewerProgramPath(), kHomePageFile));
  Edit10.SetText(ProgramFolderFile(ViewerProgramPath(), kManualFile));
  Edit1.SetText(kVersionText);
  if (Form1) Form1->SetCaption(kVersionText);
  ComboBox1.Clear();
  for (const std::string& name : TimingFileEntries(State.TimingFolder)) ComboBox1.AddItem(name);
  ComboBox1.SetText(State.TimingFileName);
}

void TForm5::ComboBox1Change() {
  State.TimingFileName = ComboBox1.Text();
  State.Settings.TimingFile =
      base::CutName(State.TimingFileName, SettingsRecord::kTimingFileCapacity);
  ui::ShowMessage(kTimingFileChangedMessage);
}

void TForm5::OpenLink(const ui::Edit& field) {
  ui::OpenUrl(field.Text(), [](bool opened) {
    if (!opened) ui::ShowError(kOpenFailedMessage, kOpenFailedCaption);
  });
}

void TForm5::Edit9Click() { OpenLink(Edit9); }

void TForm5::Edit10Click() { OpenLink(Edit10); }

void TForm5::Button2Click() { Close(); }

}  // namespace viewer
