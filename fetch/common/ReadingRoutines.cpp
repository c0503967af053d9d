#include "fetch/common/ReadingRoutines.h"

#include "fetch/common/FetchTexts.h"

namespace fetch {

void CloseJVLink(jvlink::JVLink& jv, ReadingView& view) {
  int rc = jv.JVClose();
  view.SetDialogCursor(DialogCursor::kNormal);
  view.AppendLog(CallResultText("JVClose", rc) + kCrLf);
}

void ReportOutputError(const OutputError& error, ReadingView& view) {
  view.AppendLog(FileErrorLog(error.what()));
  view.ShowStatus(error.status());
}

}  // namespace fetch
