// storepull's reading dialog: opens the stored data from the start date, waits for the
// download, reads every record into the day files and closes itself.
#pragma once
#include "fetch/common/ReadingWindows.h"

namespace storepull {

class TfrmMain;

class TfrmJVLinkDialog : public fetch::ReadingDialog {
 public:
  explicit TfrmJVLinkDialog(TfrmMain& main);

  // The whole fetch (RunReadingDialog) with the main window's state.
  void FormShow();

 private:
  TfrmMain& main_;
};

}  // namespace storepull
