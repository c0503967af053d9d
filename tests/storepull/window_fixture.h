// What the in-process window tests of the three fetch programs share: the recorded-data
// stand-in with its calls recorded and a look at the windows at the real-time open and at
// every read, and the fixture around the program's main window.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "base/files.h"
#include "fetch/common/Component.h"
#include "fetch/jvlink/RecordedJVLink.h"
#include "tests/storepull/fetch_fakes.h"
#include "tests/support/temp_dir.h"
#include "ui/message_box.h"

namespace fetchtest {

struct RecordedStandIn {
  explicit RecordedStandIn(const std::string& folder) : jv(folder, fetch::ShowComponentDialog) {}
  jvlink::RecordedJVLink jv;
};

class WatchedJVLink : private RecordedStandIn, public CallRecorder {
 public:
  explicit WatchedJVLink(const std::string& folder) : RecordedStandIn(folder), CallRecorder(jv) {}
  int JVRTOpen(const std::string& spec, const std::string& key) override {
    if (on_open) on_open();
    return CallRecorder::JVRTOpen(spec, key);
  }
  int JVRead(std::string& buffer, int size, std::string& file_name) override {
    if (on_read) on_read();
    return CallRecorder::JVRead(buffer, size, file_name);
  }
  std::function<void()> on_open, on_read;
};

// The recorded data in dir/jvlink, the program's current directory dir/work, the messages
// shown, and the main window under test with the stand-in it was given (`calls`).
template <class MainForm>
class FetchWindowTest : public ::testing::Test {
 protected:
  // A fresh stand-in over the recorded data for the next window; `calls` watches it.
  std::unique_ptr<WatchedJVLink> Watched() {
    auto jv = std::make_unique<WatchedJVLink>(dir / "jvlink");
    calls = jv.get();
    return jv;
  }
  std::string Work(const std::string& path) const { return dir / ("work/" + path); }
  static std::string Made(const std::string& folder) {
    base::MakeDirs(folder);
    return folder;
  }

  testsupport::TempDir dir;
  testsupport::ScopedCurrentDir cd{Made(dir / "work")};
  ui::MessageRecorder messages;
  std::unique_ptr<MainForm> form;
  WatchedJVLink* calls = nullptr;
};

}  // namespace fetchtest
