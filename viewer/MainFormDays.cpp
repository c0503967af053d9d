// The main window's race-day list and racecourse buttons.
#include "base/dates.h"
#include "base/files.h"
#include "ui/message_box.h"
#include "viewer/logic/DayList.h"
#include "viewer/DispCTRLWindow.h"
#include "viewer/MainForm.h"
#include "viewer/logic/TrackCaption.h"
#include "viewer/ViewerState.h"

namespace viewer {

void TForm1::FillRaceDayList() {
  ComboBox1.Clear();
  const std::vector<std::string> items = RaceDayItems(base::ListEntries(State.DataFolder));
  for (const std::string& item : items) ComboBox1.AddItem(item);
  // An entry that is not a date where the rule reads it throws: the list stays, no day
  // is applied.
  const std::optional<std::size_t> day = DefaultDayIndex(items, base::Today());
  if (!day) return;
  ComboBox1.SetText(items[*day]);
  ApplyDay(items[*day]);
}

void TForm1::ComboBox1Change() { ApplyDay(ComboBox1.Text()); }

void TForm1::ApplyDay(const std::string& day_text) {
  DayFields day = viewer::ApplyDayText(day_text, State.DataFolder, State.WorkFolder);
  State.ChosenFileDate = day.chosen_file_date;
  State.DayDataFolder = day.day_data_folder;
  State.DayWorkFolder = day.day_work_folder;
  State.RaceFileName = day.race_file_name;
  LabelTrackButtons(State.ChosenFileDate);
}

void TForm1::LabelTrackButtons(const std::string& file_date) {
  ResetMainDisplay();
  ListBox1.Clear();
  const std::string race_file = State.DayDataFolder + "/DG" + file_date + ".CSV";
  // Only a race file that is not there is "missing"; a day folder that cannot be read or a
  // path the system refuses throws its own cause.
  if (!base::FileExistsOrThrow(race_file)) {
    ui::ShowMessage(kNoRaceFileMessage);
    return;
  }
  for (const std::string& key : MeetingKeys(base::ReadLines(race_file))) ListBox1.Add(key);
  ListBox1.Sort();
  BlankTrackCaptions();
  // A meeting without a caption (a racecourse code outside the table) gets no button.
  ui::RadioButton* const buttons[] = {&Track1, &Track2, &Track3};
  std::size_t k = 0;
  while (ListBox1.Count() > 0) {
    if (std::optional<std::string> caption = TrackCaption(ListBox1.Item(0))) {
      if (k < std::size(buttons)) buttons[k]->SetCaption(*caption);
      ++k;
    }
    ListBox1.Delete(0);
  }
}

}  // namespace viewer
