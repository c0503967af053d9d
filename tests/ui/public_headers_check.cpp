// The window code of the programs includes these headers without Qt's and is compiled
// with the strict code-page setting: this file must build like it.
#include "ui/all_windows.h"
#include "ui/application.h"
#include "ui/cell_style.h"
#include "ui/chart.h"
#include "ui/chart_data.h"
#include "ui/color.h"
#include "ui/control.h"
#include "ui/controls.h"
#include "ui/dispatch.h"
#include "ui/form.h"
#include "ui/input.h"
#include "ui/instance_lock.h"
#include "ui/memo.h"
#include "ui/message_box.h"
#include "ui/page_control.h"
#include "ui/popup_menu.h"
#include "ui/process.h"
#include "ui/speed_button.h"
#include "ui/string_grid.h"
#include "ui/timer.h"
#include "ui/url_opener.h"

#ifdef QT_VERSION
#error "a public header of the window layer includes Qt"
#endif

namespace {

// A window class as the programs build them.
class TfrmSample : public ui::Form {
 public:
  TfrmSample() {
    SetCaption("画面");
    Button1.on_click = [this] { Close(); };
  }
  ui::GroupBox GroupBox1{*this};
  ui::Button Button1{GroupBox1};
};

}  // namespace

void UiPublicHeadersCheck() { TfrmSample form; }
