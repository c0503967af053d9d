// The viewer's main window under the offscreen platform: made (with the hidden settings
// window, as the program starts) and shown on a jv_data of 1,000 day folders, and the window's
// racecourse and race choices on a realistic day (36 races, 18 runners, odds files of 1,000
// announcements), with the process's memory after a race choice; the analysis windows on
// that day's race: opened, and rebuilt and painted at a choice of the second time.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "base/dates.h"
#include "base/files.h"
#include "bench/viewer/bench_day.h"
#include "ui/application.h"
#include "ui/message_box.h"
#include "viewer/AnalysisWindow.h"
#include "viewer/DispCTRLWindow.h"
#include "viewer/MainForm.h"
#include "viewer/SettingForm.h"
#include "viewer/UmaForm.h"
#include "viewer/ViewerState.h"
#include "viewer/logic/SettingsRecord.h"

namespace {

// The day of 36 races as the current directory, with 999 earlier day folders beside it.
struct WindowDay {
  benchday::Day day;
  std::filesystem::path previous = std::filesystem::current_path();
  WindowDay() {
    base::Date d{2024, 6, 1};
    for (int i = 1; i < 1000; ++i) {
      d = base::AddDays(d, -1);
      base::MakeDirs(day.dir.path + "/jv_data/" + base::Yyyymmdd(d));
    }
    base::SetClock([] { return base::DateTime{{2024, 6, 1}, 12, 0, 0}; });
    viewer::SetViewerProgramPath(day.dir.path + "/vantrel");
    std::filesystem::current_path(day.dir.path);
  }
  ~WindowDay() {
    std::filesystem::current_path(previous);
    viewer::SetViewerProgramPath("");
    base::SetClock({});
  }
};

// Resident and peak resident memory of this process in MB.
double StatusMegabytes(const std::string& field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.compare(0, field.size() + 1, field + ":") == 0) {
      return std::stod(line.substr(field.size() + 1)) / 1024.0;
    }
  }
  return 0;
}

void BM_MainWindowStart(benchmark::State& state) {
  WindowDay w;
  ui::MessageRecorder messages;
  for (auto _ : state) {
    auto form = std::make_unique<viewer::TForm1>();
    auto settings = std::make_unique<viewer::TForm5>();
    form->Show();
    ui::ProcessMessages();
    state.PauseTiming();
    if (form->ComboBox1.ItemCount() != 1000 || form->ComboBox1.Text() != "2024/06/01") {
      state.SkipWithError("the day list is not the one expected");
    }
    settings.reset();
    form.reset();
    state.ResumeTiming();
  }
  if (!messages.messages().empty()) state.SkipWithError(messages.texts()[0].c_str());
}
BENCHMARK(BM_MainWindowStart)->Unit(benchmark::kMillisecond);

void BM_WindowRacecourseChoice(benchmark::State& state) {
  WindowDay w;
  ui::MessageRecorder messages;
  viewer::TForm1 form;
  form.Show();
  for (auto _ : state) {
    viewer::CheckTrackButton(0);
    viewer::CheckTrackButton(2);  // 東京, 12 races
  }
  if (viewer::GetRaceCaption(12) != "12R") state.SkipWithError("the race buttons are not labelled");
  if (!messages.messages().empty()) state.SkipWithError(messages.texts()[0].c_str());
}
BENCHMARK(BM_WindowRacecourseChoice)->Unit(benchmark::kMillisecond);

void BM_WindowRaceChoice(benchmark::State& state) {
  WindowDay w;
  ui::MessageRecorder messages;
  viewer::TForm1 form;
  form.Show();
  viewer::CheckTrackButton(2);
  for (auto _ : state) {
    viewer::CheckRaceButton(0);
    viewer::CheckRaceButton(11);
    ui::ProcessMessages();
  }
  if (viewer::State.ChosenTime2Button != 6) state.SkipWithError("the sixth time is not chosen");
  if (!messages.messages().empty()) state.SkipWithError(messages.texts()[0].c_str());
  state.counters["rss_MB"] = StatusMegabytes("VmRSS");
  state.counters["peak_rss_MB"] = StatusMegabytes("VmHWM");
}
BENCHMARK(BM_WindowRaceChoice)->Unit(benchmark::kMillisecond);

// The analysis windows on the day's 東京 race 11 (18 runners, six snapshots).
struct AnalysisWindows {
  WindowDay w;
  ui::MessageRecorder messages;
  viewer::TForm1 form;
  AnalysisWindows() {
    form.Show();
    viewer::CheckTrackButton(2);
    viewer::CheckRaceButton(11);
    ui::ProcessMessages();
  }
  ~AnalysisWindows() { viewer::DestroyAnalysisWindows(); }
  // The header fields of the open windows blanked without a rebuild, so that the next
  // choice of a time changes all four and each window rebuilds four times.
  static void BlankHeaders() {
    for (viewer::AnalysisHeader* h : {&viewer::HorseWindowHeader, &viewer::QuinellaWindowHeader,
                                      &viewer::BracketWindowHeader}) {
      for (int k = 1; k <= 4; ++k) {
        if (!h->window || !h->Edit[k]) continue;
        auto change = std::move(h->Edit[k]->on_change);
        h->Edit[k]->on_change = nullptr;
        h->Edit[k]->SetText("");
        h->Edit[k]->on_change = std::move(change);
      }
    }
  }
};

void BM_OpenHorseWindow(benchmark::State& state) {
  AnalysisWindows a;
  for (auto _ : state) {
    a.form.Button4.Click();
    ui::ProcessMessages();  // painted
    state.PauseTiming();
    if (!viewer::Form2 || viewer::Form2->StringGrid1.Cell(1, 18) == " ") {
      state.SkipWithError("the window shows no 18 runners");
    }
    viewer::DestroyAnalysisWindows();
    state.ResumeTiming();
  }
  if (!a.messages.messages().empty()) state.SkipWithError(a.messages.texts()[0].c_str());
}
BENCHMARK(BM_OpenHorseWindow)->Unit(benchmark::kMillisecond);

// A second time chosen with the analysis windows open: every header field changes, so
// each window rebuilds its table and charts four times; then the windows are painted.
void BM_SecondTimeChoiceWithAnalysisWindows(benchmark::State& state) {
  AnalysisWindows a;
  a.form.Button4.Click();
  a.form.Button5.Click();
  a.form.Button6.Click();
  ui::ProcessMessages();
  int rebuilds = 0;
  viewer::Form2->Edit1.on_change = [&rebuilds] {
    ++rebuilds;
    viewer::Form2->Edit1Change();
  };
  int time = 5;
  for (auto _ : state) {
    state.PauseTiming();
    AnalysisWindows::BlankHeaders();
    time = time == 5 ? 6 : 5;
    state.ResumeTiming();
    viewer::CheckTime2Button(0);
    viewer::CheckTime2Button(time);
    ui::ProcessMessages();  // painted
  }
  if (rebuilds == 0) state.SkipWithError("the windows did not rebuild");
  if (!a.messages.messages().empty()) state.SkipWithError(a.messages.texts()[0].c_str());
  state.counters["rss_MB"] = StatusMegabytes("VmRSS");
  state.counters["peak_rss_MB"] = StatusMegabytes("VmHWM");
}
BENCHMARK(BM_SecondTimeChoiceWithAnalysisWindows)->Unit(benchmark::kMillisecond);

}  // namespace
