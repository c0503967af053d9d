// storepull: fetches the stored race data from a start date on into the day files of
// jv_data, and remembers in storepull.cfg where to resume. Takes no argument.
#include "fetch/common/Component.h"
#include "fetch/storepull/Unit1.h"
#include "ui/application.h"

int main(int argc, char** argv) {
  ui::Application application(argc, argv);
  storepull::TfrmMain form(fetch::MakeComponent());
  return application.Run(form);
}
