// The settings and help window TForm5 "設定・ヘルプ": the version, the choice of the
// odds-timing file among the entries of gt_data, and the links to the home page and the
// manual. Made hidden at start after the main window, it lives until the program ends;
// the main window's "設定・ヘルプ" button shows it.
#pragma once

#include "ui/controls.h"
#include "ui/form.h"

namespace viewer {

class TForm5 : public ui::Form {
 public:
  // Makes the window hidden, sets Form5 and runs FormCreate (the main window must exist).
  TForm5();
  ~TForm5() override;

  // Fills the fields and the list of odds-timing files; once, at start.
  void FormCreate();
  // The combo's text becomes the odds-timing file, at every keystroke and every pick; the
  // settings keep its bytes up to their capacity, cut on a character boundary.
  void ComboBox1Change();
  // Open the home page and the manual; a failure, found once the opener has answered,
  // shows "起動に失敗しました".
  void Edit9Click();
  void Edit10Click();
  // Hides the window.
  void Button2Click();

  // Controls (containers before the controls they hold).
  ui::Label Label2{*this};        // "Vantrelのバージョン："
  ui::Edit Edit1{*this};          // the version
  ui::GroupBox GroupBox1{*this};  // "オッズ時間ファイルの選択"
  ui::Label Label4{GroupBox1};    // "オッズ取得時間ファイル："
  // The odds-timing file: the entries of gt_data.
  ui::ComboBox ComboBox1{GroupBox1, ui::TextKind::kFileName};
  ui::GroupBox GroupBox2{*this};                        // "ホームページとヘルプ"
  ui::Label Label10{GroupBox2};                         // "Vantrel ホームページ："
  ui::Edit Edit9{GroupBox2, ui::TextKind::kFileName};   // the home page's address
  ui::Label Label11{GroupBox2};                         // "Vantrel  取り扱い説明："
  ui::Edit Edit10{GroupBox2, ui::TextKind::kFileName};  // the manual's address
  ui::Button Button2{*this};                            // "画面を閉じる"

 private:
  void LayOut();
  // Opens the field's text with the desktop's opener; tells when it cannot.
  void OpenLink(const ui::Edit& field);
};

// The settings window; set before its creation handler runs, nullptr when there is none.
extern TForm5* Form5;

// The messages of the settings window.
inline constexpr char kTimingFileChangedMessage[] = "オッズ取得時間設定ファイルを変更しました。";
inline constexpr char kOpenFailedMessage[] = "起動に失敗しました";
inline constexpr char kOpenFailedCaption[] = "エラー";

}  // namespace viewer
