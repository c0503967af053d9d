// Routines of the reading dialogs of storepull and cardpull.
#pragma once
#include "fetch/common/FetchView.h"
#include "fetch/common/LineFile.h"
#include "fetch/jvlink/JVLink.h"

namespace fetch {

// JVClose; the dialog's cursor back to the normal one; the result logged
// ("JVClose正常終了:0" or "JVCloseエラー:" and the result).
void CloseJVLink(jvlink::JVLink& jv, ReadingView& view);

// A day file that could not be made or written: what the system reported goes to the
// log, the file's name to the status panel.
void ReportOutputError(const OutputError& error, ReadingView& view);

}  // namespace fetch
