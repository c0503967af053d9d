// The main window's buttons that open the analysis windows.
#include "ui/message_box.h"
#include "viewer/DispCTRLWindow.h"
#include "viewer/MainForm.h"
#include "viewer/RenForm.h"
#include "viewer/UmaForm.h"
#include "viewer/ViewerState.h"
#include "viewer/WakuForm.h"

namespace viewer {

namespace {

// What differs between the three buttons: the window's open flag, its instance and how a
// new one is made.
struct WindowButton {
  uint8_t ViewerState::*open_flag;
  ui::Form* (*instance)();
  void (*make)(TForm1& owner);
};

constexpr WindowButton kHorseButton{&ViewerState::HorseWindowOpen,
                                    []() -> ui::Form* { return Form2; },
                                    [](TForm1& owner) { Form2 = new TForm2(owner); }};
constexpr WindowButton kQuinellaButton{&ViewerState::QuinellaWindowOpen,
                                       []() -> ui::Form* { return Form3; },
                                       [](TForm1& owner) { Form3 = new TForm3(owner); }};
constexpr WindowButton kBracketButton{&ViewerState::BracketWindowOpen,
                                      []() -> ui::Form* { return Form4; },
                                      [](TForm1& owner) { Form4 = new TForm4(owner); }};

// Without a chosen race: the message. An open window only comes to the front; without a
// checked racecourse nothing happens; else a new window is made and shown, and the second
// time is chosen anew, which writes its header fields and so fills it.
void OpenAnalysisWindow(TForm1& main, const WindowButton& button) {
  if (State.ChosenRaceIndex == 0) {
    ui::ShowMessage(kNoRaceChosenMessage);
    return;
  }
  if (State.*button.open_flag == 1) {
    if (ui::Form* window = button.instance()) window->Show();
    return;
  }
  if (GetSelectedTrack() == 0) return;
  State.*button.open_flag = 1;
  button.make(main);
  button.instance()->Show();
  CheckTime2Button(0);
  CheckTime2Button(State.ChosenTime2Button);
}

}  // namespace

void TForm1::Button4Click() { OpenAnalysisWindow(*this, kHorseButton); }

void TForm1::Button5Click() { OpenAnalysisWindow(*this, kQuinellaButton); }

void TForm1::Button6Click() { OpenAnalysisWindow(*this, kBracketButton); }

}  // namespace viewer
