#include "fetch/cardpull/Unit2.h"

#include "fetch/cardpull/CardFetch.h"
#include "fetch/cardpull/Unit1.h"

namespace cardpull {

TfrmJVLinkDialog::TfrmJVLinkDialog(TfrmMain& main)
    : ReadingDialog(main, "Cardpull - データ読み込み中"), main_(main) {
  on_run = [this] { FormShow(); };
}

void TfrmJVLinkDialog::FormShow() { RunReadingDialog(*main_.JVLink1, main_.view, main_.Key); }

}  // namespace cardpull
