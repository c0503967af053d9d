// cardpull: fetches the card of one race day (races, runners, payoffs) into the day's
// files in jv_data. Argument 1: the race day yyyymmdd.
#include "fetch/cardpull/Unit1.h"
#include "fetch/common/Component.h"
#include "ui/application.h"

int main(int argc, char** argv) {
  ui::Application application(argc, argv);
  cardpull::TfrmMain form(fetch::MakeComponent(), argc > 1 ? argv[1] : "");
  return application.Run(form);
}
