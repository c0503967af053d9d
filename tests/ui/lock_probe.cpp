// A second process for the lock and start-up tests.
//   lock_probe try NAME          exit 0 when it got the lock, 1 when another holds it
//   lock_probe hold NAME READY   takes the lock, creates the file READY, waits to be killed
//   lock_probe wait READY        creates the file READY, waits to be killed
//   lock_probe app               makes the application object as a program does, prints
//                                the runtime folder it then has and ends
//   lock_probe raise             makes the application object, shows a window and brings
//                                it to the front twice, then warns once through Qt and ends
#include <unistd.h>

#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/instance_lock.h"

namespace {

void CreateReadyFile(const char* path) {
  if (std::FILE* f = std::fopen(path, "w")) std::fclose(f);
}

}  // namespace

int main(int argc, char** argv) {
  std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "try" && argc == 3) {
    ui::InstanceLock lock(argv[2]);
    return lock.held() ? 0 : 1;
  }
  if (mode == "hold" && argc == 4) {
    ui::InstanceLock lock(argv[2]);
    if (!lock.held()) return 1;
    CreateReadyFile(argv[3]);
    for (;;) pause();
  }
  if (mode == "wait" && argc == 3) {
    CreateReadyFile(argv[2]);
    for (;;) pause();
  }
  if (mode == "app" && argc == 2) {
    ui::Application application(argc, argv);
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::printf("%s\n", runtime ? runtime : "");
    return 0;
  }
  if (mode == "raise" && argc == 2) {
    ui::Application application(argc, argv);
    ui::Form form;
    form.Show();
    form.BringToFront();
    ui::ProcessMessages();
    qWarning("lock_probe: a warning of its own");
    return 0;
  }
  return 2;
}
