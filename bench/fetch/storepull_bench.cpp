// storepull converting a year of stored race data (about 3,700 races, 52,000 runners):
// the stand-in's delivery alone, storepull's read loop fed by a component in memory (its
// own work: record filter, formatters, day files written and flushed line by line, the
// window's message pump before every read), and the two together.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "base/dates.h"
#include "base/files.h"
#include "fetch/jvlink/RecordedJVLink.h"
#include "fetch/storepull/StoredFetch.h"
#include "tests/support/temp_dir.h"
#include "tools/sampledata/card.h"
#include "tools/sampledata/market.h"
#include "tools/sampledata/sample_records.h"
#include "ui/application.h"

namespace {

struct RecordedFile {
  std::string name;
  std::string stamp;
  std::vector<std::string> records;  // each as delivered, with CR LF
};

struct Year {
  std::vector<RecordedFile> files;
  int races = 0;
  int runners = 0;
  int records = 0;
  testsupport::TempDir data;  // the same files for the stand-in
};

// Every Saturday and Sunday of 2015 at three racecourses, twelve races each: a race file,
// a runner file and a payoff file per day.
Year& TheYear() {
  static std::unique_ptr<Year> year([] {
    auto* y = new Year;
    sampledata::Rng rng(2015);
    std::string files_csv;
    base::MakeDirs(y->data / "stored/RACE");
    for (int d = 0; d < 2 * 52; ++d) {
      // 3 January 2015 was a Saturday: every Saturday and Sunday of the year.
      const base::Date day = base::AddDays({2015, 1, 3}, d / 2 * 7 + d % 2);
      RecordedFile ra, se, hr;
      const int meeting_day = 1 + d % 8;
      for (sampledata::Race& race : sampledata::MakeRaces(
               day, {{5, 1, meeting_day}, {6, 1, meeting_day}, {9, 1, meeting_day}}, 12, rng)) {
        sampledata::RunRace(race, rng);
        std::vector<double> bias(race.runners.size(), 0.0);
        std::vector<double> belief = sampledata::Belief(race, bias, 0.0);
        sampledata::Market market =
            sampledata::MakeMarket(race, belief, {5000000, 3000000, 1000000, 8000000}, 1.0);
        std::vector<int> popularity = sampledata::Popularity(market.win);
        ra.records.push_back(sampledata::RaceRecord(race, '7') + "\r\n");
        for (std::size_t i = 0; i < race.runners.size(); ++i) {
          se.records.push_back(sampledata::RunnerRecord(race, race.runners[i], popularity[i], '7') +
                               "\r\n");
        }
        hr.records.push_back(
            sampledata::PayoffRecord(race, sampledata::MakePayoffs(race, market, belief), '2') +
            "\r\n");
        ++y->races;
        y->runners += static_cast<int>(race.runners.size());
      }
      std::string date = base::Yyyymmdd(day);
      ra.name = "RADT" + date + ".txt";
      ra.stamp = date + "170000";
      se.name = "SEDT" + date + ".txt";
      se.stamp = date + "170500";
      hr.name = "HRDT" + date + ".txt";
      hr.stamp = date + "171000";
      for (RecordedFile* f : {&ra, &se, &hr}) {
        std::string lines;
        for (const std::string& r : f->records) lines += r;
        base::WriteFileAtomic(y->data / ("stored/RACE/" + f->name), lines);
        files_csv += f->name + "," + f->stamp + "\r\n";
        y->records += static_cast<int>(f->records.size());
        y->files.push_back(std::move(*f));
      }
    }
    base::WriteFileAtomic(y->data / "stored/RACE/files.csv", files_csv);
    return y;
  }());
  return *year;
}

// The component in memory: hands over the year's records as fast as a copy goes.
class MemoryJVLink : public jvlink::JVLink {
 public:
  explicit MemoryJVLink(const std::vector<RecordedFile>& files) : files_(files) {}
  int JVInit(const std::string&) override { return 0; }
  int JVSetUIProperties() override { return 0; }
  int JVOpen(const std::string&, const std::string&, int, int& read_count, int& download_count,
             std::string& stamp) override {
    read_count = static_cast<int>(files_.size());
    download_count = 0;
    stamp = files_.back().stamp;
    file_ = record_ = 0;
    return 0;
  }
  int JVStatus() override { return 0; }
  int JVRTOpen(const std::string&, const std::string&) override { return -1; }
  int JVRead(std::string& buffer, int, std::string& file_name) override {
    if (file_ >= files_.size()) return 0;
    const RecordedFile& f = files_[file_];
    file_name = f.name;
    if (record_ < f.records.size()) {
      buffer = f.records[record_++];
      return static_cast<int>(buffer.size());
    }
    stamp_ = f.stamp;
    ++file_;
    record_ = 0;
    return -1;
  }
  int SkipRestOfFile() override {
    if (file_ < files_.size()) record_ = files_[file_].records.size();
    return 0;
  }
  std::string ReadingFileStamp() override { return stamp_; }
  int JVClose() override { return 0; }

 private:
  const std::vector<RecordedFile>& files_;
  std::size_t file_ = 0, record_ = 0;
  std::string stamp_;
};

// The windows of storepull reduced to what costs time: the message pump before every read.
class PumpingView : public storepull::StorePullView {
 public:
  void ShowStatus(const std::string&) override {}
  void ProcessMessages() override { ui::ProcessMessages(); }
  bool CloseRequested() const override { return false; }
  void AppendLog(const std::string& text) override { log_ += text; }
  void SetDialogCaption(const std::string&) override {}
  void SetDialogCursor(fetch::DialogCursor) override {}
  void PostDialogClose() override {}
  void SetStartDate(const base::Date&) override {}
  void Sleep(int) override {}

 private:
  std::string log_;
};

void Report(benchmark::State& state) {
  const Year& y = TheYear();
  state.counters["races"] = y.races;
  state.counters["runners"] = y.runners;
  state.SetItemsProcessed(state.iterations() * y.records);
}

void Fetch(benchmark::State& state, jvlink::JVLink& jv) {
  testsupport::TempDir out;
  testsupport::ScopedCurrentDir cd(out.path());
  for (auto _ : state) {
    PumpingView view;
    std::string stamp;
    jv.JVInit(jvlink::kSoftwareId);
    auto end = storepull::RunReadingDialog(jv, view, {"RACE", "20150101000000"}, stamp);
    if (end != storepull::RunEnd::kEndOfData) state.SkipWithError("the fetch failed");
  }
  Report(state);
}

void BM_StandInDeliveryAlone(benchmark::State& state) {
  jvlink::RecordedJVLink jv(TheYear().data.path());
  for (auto _ : state) {
    int rc = 0, read_count = 0, download_count = 0;
    std::string stamp, name;
    jv.JVInit(jvlink::kSoftwareId);
    if (jv.JVOpen("RACE", "20150101000000", 1, read_count, download_count, stamp) != 0) {
      state.SkipWithError("the stand-in did not open");
      break;
    }
    do {
      std::string buffer;
      rc = jv.JVRead(buffer, 110000, name);
      benchmark::DoNotOptimize(buffer);
    } while (rc != 0 && rc >= -1);
    jv.JVClose();
  }
  Report(state);
}
BENCHMARK(BM_StandInDeliveryAlone)->Unit(benchmark::kMillisecond);

void BM_StorepullOwnWork(benchmark::State& state) {
  MemoryJVLink jv(TheYear().files);
  Fetch(state, jv);
}
BENCHMARK(BM_StorepullOwnWork)->Unit(benchmark::kMillisecond);

void BM_StorepullWithStandIn(benchmark::State& state) {
  jvlink::RecordedJVLink jv(TheYear().data.path());
  Fetch(state, jv);
}
BENCHMARK(BM_StorepullWithStandIn)->Unit(benchmark::kMillisecond);

}  // namespace

// The message pump needs the application object (offscreen unless a platform is set).
int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  ui::Application application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
