#include "fetch/storepull/Unit2.h"

#include "fetch/storepull/StoredFetch.h"
#include "fetch/storepull/Unit1.h"

namespace storepull {

TfrmJVLinkDialog::TfrmJVLinkDialog(TfrmMain& main)
    : ReadingDialog(main, "storepull JVLink Dialog"), main_(main) {
  on_run = [this] { FormShow(); };
}

void TfrmJVLinkDialog::FormShow() {
  RunReadingDialog(*main_.JVLink1, main_.view, {main_.DataSpec, main_.FromDate}, main_.ResumeStamp,
                   main_.reading_options);
}

}  // namespace storepull
