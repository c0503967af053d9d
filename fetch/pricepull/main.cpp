// pricepull: fetches the time-series odds of every race of one race day into the races'
// odds files in jv_data. Argument 1: the race day yyyymmdd.
#include "fetch/common/Component.h"
#include "fetch/pricepull/Unit1.h"
#include "ui/application.h"

int main(int argc, char** argv) {
  ui::Application application(argc, argv);
  pricepull::TForm1 form(fetch::MakeComponent(), argc > 1 ? argv[1] : "");
  return application.Run(form);
}
