// cardpull's reading dialog: opens the day's real-time card, reads it into the day files
// and closes itself.
#pragma once
#include "fetch/common/ReadingWindows.h"

namespace cardpull {

class TfrmMain;

class TfrmJVLinkDialog : public fetch::ReadingDialog {
 public:
  explicit TfrmJVLinkDialog(TfrmMain& main);

  // The whole fetch (RunReadingDialog) for the main window's key.
  void FormShow();

 private:
  TfrmMain& main_;
};

}  // namespace cardpull
