// What the tests of the three fetch programs' call sequences put in place of the windows
// and around the component: a view that records what is shown, in order, and a JVLink
// that records the calls it passes on. The cardpull and pricepull tests use them too.
#pragma once
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/dates.h"
#include "base/files.h"
#include "fetch/jvlink/JVLink.h"
#include "fetch/jvlink/RecordedJVLink.h"
#include "fetch/storepull/StoredFetch.h"
#include "tests/support/temp_dir.h"

namespace fetchtest {

// Every call as one event: "log:", "status:", "caption:", "date:" with the text,
// "cursor:app", "cursor:normal", "sleep:" with the milliseconds, "close" for the posted
// close request. Message pumps are counted, not recorded.
class RecordingView : public storepull::StorePullView {
 public:
  void ShowStatus(const std::string& text) override { events.push_back("status:" + text); }
  void ProcessMessages() override {
    ++pumps;
    if (on_pump) on_pump(pumps);
  }
  bool CloseRequested() const override { return close_requested; }
  void AppendLog(const std::string& text) override {
    log += text;
    events.push_back("log:" + text);
  }
  void SetDialogCaption(const std::string& caption) override {
    events.push_back("caption:" + caption);
  }
  void SetDialogCursor(fetch::DialogCursor cursor) override {
    events.push_back(cursor == fetch::DialogCursor::kAppStart ? "cursor:app" : "cursor:normal");
  }
  void PostDialogClose() override { events.push_back("close"); }
  void SetStartDate(const base::Date& date) override {
    events.push_back("date:" + base::Yyyymmdd(date));
  }
  void Sleep(int milliseconds) override {
    events.push_back("sleep:" + std::to_string(milliseconds));
  }

  // The texts of the events of one kind ("status", "caption", "date", ...), in order.
  std::vector<std::string> Texts(const std::string& kind) const {
    std::vector<std::string> out;
    for (const std::string& e : events) {
      if (e.compare(0, kind.size() + 1, kind + ":") == 0) out.push_back(e.substr(kind.size() + 1));
    }
    return out;
  }
  std::string LastStatus() const {
    std::vector<std::string> s = Texts("status");
    return s.empty() ? std::string() : s.back();
  }
  int Count(const std::string& event) const {
    int n = 0;
    for (const std::string& e : events) n += e == event;
    return n;
  }

  std::vector<std::string> events;
  std::string log;
  int pumps = 0;
  bool close_requested = false;
  std::function<void(int pump)> on_pump;
};

// Passes every call on to the component and records it: "JVInit <id>", "JVOpen <spec>
// <from> <option>", "JVStatus", "JVRTOpen <spec> <key>", "JVRead <size>",
// "SkipRestOfFile", "ReadingFileStamp", "JVClose", "JVSetUIProperties".
class CallRecorder : public jvlink::JVLink {
 public:
  explicit CallRecorder(jvlink::JVLink& inner) : inner_(inner) {}
  int JVInit(const std::string& id) override {
    calls.push_back("JVInit " + id);
    return inner_.JVInit(id);
  }
  int JVSetUIProperties() override {
    calls.push_back("JVSetUIProperties");
    return inner_.JVSetUIProperties();
  }
  int JVOpen(const std::string& spec, const std::string& from, int option, int& read_count,
             int& download_count, std::string& stamp) override {
    calls.push_back("JVOpen " + spec + " " + from + " " + std::to_string(option));
    return inner_.JVOpen(spec, from, option, read_count, download_count, stamp);
  }
  int JVStatus() override {
    calls.push_back("JVStatus");
    return inner_.JVStatus();
  }
  int JVRTOpen(const std::string& spec, const std::string& key) override {
    calls.push_back("JVRTOpen " + spec + " " + key);
    return inner_.JVRTOpen(spec, key);
  }
  int JVRead(std::string& buffer, int size, std::string& file_name) override {
    calls.push_back("JVRead " + std::to_string(size));
    return inner_.JVRead(buffer, size, file_name);
  }
  int SkipRestOfFile() override {
    calls.push_back("SkipRestOfFile");
    return inner_.SkipRestOfFile();
  }
  std::string ReadingFileStamp() override {
    calls.push_back("ReadingFileStamp");
    return inner_.ReadingFileStamp();
  }
  int JVClose() override {
    calls.push_back("JVClose");
    return inner_.JVClose();
  }

  // The calls without the repeated reads and stamps: the order of opens and closes.
  std::vector<std::string> Outline() const {
    std::vector<std::string> out;
    for (const std::string& c : calls) {
      if (c.compare(0, 6, "JVRead") == 0 || c == "ReadingFileStamp") continue;
      out.push_back(c);
    }
    return out;
  }
  int Count(const std::string& call) const {
    int n = 0;
    for (const std::string& c : calls) n += c == call;
    return n;
  }

  std::vector<std::string> calls;

 private:
  jvlink::JVLink& inner_;
};

// Runs the fetch in a child process that is killed (SIGKILL) at its pump-th message pump,
// as a kill or a crash ends a program midway. True when the child ended by that kill.
inline bool RunKilledAtPump(RecordingView& view, int pump, const std::function<void()>& fetch) {
  std::fflush(nullptr);
  const pid_t pid = fork();
  if (pid == 0) {
    view.on_pump = [pump](int n) {
      if (n == pump) raise(SIGKILL);
    };
    fetch();
    _exit(0);
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
  }
  return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

// The temporary files that a run left in the folder.
inline std::vector<std::string> TemporaryFiles(const std::string& folder) {
  std::vector<std::string> names = base::ListEntries(folder);
  std::erase_if(names, [](const std::string& n) { return !n.ends_with(".part"); });
  return names;
}

// The fixture of the call-sequence tests: the recorded data in dir/jvlink, the program's
// current directory dir/work (made), the stand-in of a run with its calls recorded, and
// the recording view.
class RecordedFetchTest : public ::testing::Test {
 protected:
  RecordedFetchTest() { base::MakeDirs(work()); }

  std::string data() const { return dir / "jvlink"; }
  std::string work() const { return dir / "work"; }
  void Faults(const std::string& lines) { testsupport::WriteFile(data() + "/faults.csv", lines); }

  // A fresh stand-in over the recorded data for the next run; `calls` passes calls on to it.
  CallRecorder& Connect() {
    jv = std::make_unique<jvlink::RecordedJVLink>(data());
    calls = std::make_unique<CallRecorder>(*jv);
    return *calls;
  }

  std::string Output(const std::string& path) const {
    return base::ReadFileBytes(work() + "/" + path);
  }
  bool Exists(const std::string& path) const { return base::PathExists(work() + "/" + path); }

  testsupport::TempDir dir;
  std::unique_ptr<jvlink::RecordedJVLink> jv;
  std::unique_ptr<CallRecorder> calls;
  RecordingView view;
};

}  // namespace fetchtest
