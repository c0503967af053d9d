// The main of GUI test programs: the application object first, then the tests. A
// MessageRecorder for the whole run keeps any message box that a test does not expect
// from blocking it (confirmations are answered with Cancel); such boxes are printed.
#include <gtest/gtest.h>

#include <cstdio>

#include "base/sjis.h"
#include "ui/application.h"
#include "ui/message_box.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ui::Application application(argc, argv);
  ui::MessageRecorder fallback;
  fallback.on_message = [](const ui::Message& m) {
    std::fprintf(stderr, "[message box] %s\n", base::SjisToUtf8(m.text).c_str());
  };
  return RUN_ALL_TESTS();
}
