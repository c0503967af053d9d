// The main window's buttons that run the fetch programs, show the settings window and end
// the program.
#include "ui/message_box.h"
#include "viewer/DispCTRLWindow.h"
#include "viewer/FetchRun.h"
#include "viewer/MainForm.h"
#include "viewer/SettingForm.h"
#include "viewer/logic/DayList.h"

namespace viewer {

void TForm1::Button1Click() {
  RunFetchProgram(*this, kStorePullProgram, {}, kFetchStartFailedMessage);
  BlankTrackCaptions();
  FillRaceDayList();
}

void TForm1::Button3Click() {
  RunFetchProgram(*this, kCardPullProgram, CommandLineArguments(RaceDayOfText(ComboBox1.Text())),
                  kFetchStartFailedMessage);
  ChooseStoredTrackAndRace();
}

void TForm1::Button2Click() {
  RunFetchProgram(*this, kPricePullProgram, CommandLineArguments(RaceDayOfText(ComboBox1.Text())),
                  kPricePullStartFailedMessage);
  ChooseStoredTrackAndRace();
}

void TForm1::Button7Click() {
  if (ui::Confirm(kExitConfirmation)) Close();
}

void TForm1::Exit1Click() { Close(); }

// Modeless; a window already shown only comes to the front.
void TForm1::Button8Click() {
  if (Form5) Form5->Show();
}

}  // namespace viewer
