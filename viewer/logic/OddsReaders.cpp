#include "viewer/logic/OddsReaders.h"

#include <array>
#include <limits>

#include "base/csv.h"
#include "base/errors.h"
#include "base/files.h"
#include "base/racing.h"
#include "base/values.h"
#include "viewer/logic/RaceHeader.h"
#include "viewer/logic/SnapshotSelection.h"

namespace viewer {
namespace {

constexpr int kBracketTable[] = {0, 4, 11, 17, 22, 26, 29, 31, 32};
constexpr int kHorseTable[] = {0,   3,   19,  34,  48,  61,  73,  84,  94,
                               103, 111, 118, 124, 129, 133, 136, 138, 139};

// Pair odds by bracket or horse number, 1-based.
using PairOdds = std::array<std::array<float, 19>, 19>;
using Shares = std::array<float, 19>;

// The columns of one stored line, each read through `Column`, which names a missing one.
class StoredLine {
 public:
  StoredLine(const OddsLines& file, std::size_t line)
      : file_(file), line_(line), fields_(base::SplitCsvLine(file.line(line))) {}
  const std::string& Column(int c) const {
    if (c < 0 || static_cast<std::size_t>(c) >= fields_.size()) {
      throw base::Error("The odds line has no column " + std::to_string(c) +
                        LinePlace(file_.file(), line_));
    }
    return fields_[c];
  }
  int32_t Integer(int c) const {
    return AtLine(file_.file(), line_, [&] { return base::IntegerValue(Column(c)); });
  }
  // An odds text as the record's 32-bit float. Odds texts are digits and a point: a
  // negative number, or one beyond a float, is no odds value (its vote shares would not
  // be numbers).
  float Odds(std::string_view text) const {
    return AtLine(file_.file(), line_, [&] {
      const double v = base::DecimalValue(text);
      if (v < 0 || v > std::numeric_limits<float>::max()) {
        throw base::ConversionError("'" + std::string(text) +
                                    "' is not an odds value (a number from 0 to 3.4e38)");
      }
      return static_cast<float>(v);
    });
  }

 private:
  const OddsLines& file_;
  std::size_t line_;
  std::vector<std::string> fields_;
};

// The shares of brackets or horses 1 to m from the pair odds, in 32-bit floats: pairs
// i <= j (same_pair) or i < j, i ascending and then j; a pair of odds 0 counts nowhere.
Shares PairShares(const PairOdds& odds, int m, bool same_pair) {
  const int first_j = same_pair ? 0 : 1;
  float sum = 0.0f;
  for (int i = 1; i <= m; ++i) {
    for (int j = i + first_j; j <= m; ++j) {
      float v = odds[i][j] == 0.0f ? 0.0f : 75.0f / odds[i][j] / 2.0f;
      sum = sum + v;
    }
  }
  if (sum == 0.0f) sum = 0.0001f;
  const float c = 75.0f * 50.0f / sum;
  Shares share{};
  for (int i = 1; i <= m; ++i) share[i] = 0.0f;
  for (int i = 1; i <= m; ++i) {
    for (int j = i + first_j; j <= m; ++j) {
      float v = odds[i][j] == 0.0f ? 0.0f : c / odds[i][j] / 2.0f;
      share[i] = share[i] + v;
      share[j] = share[j] + v;
    }
  }
  return share;
}

float WinPlaceValue(const StoredLine& line, int column) {
  const std::string& text = line.Column(column);
  return text == "0" ? 10001.0f : line.Odds(text);
}

float PairValue(const StoredLine& line, std::string_view text) {
  return line.Odds(text == "0" ? std::string_view("9999") : text);
}

}  // namespace

OddsLines::OddsLines(std::string file, base::FileBuffer bytes)
    : file_(std::move(file)), bytes_(std::move(bytes)) {
  const std::string_view all = bytes_.view();
  for (std::string_view line : base::LineViews(all)) {
    lines_.emplace_back(static_cast<std::size_t>(line.data() - all.data()), line.size());
  }
}

namespace {

std::string JoinedLines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes.append(line).append("\r\n");
  return bytes;
}

}  // namespace

OddsLines::OddsLines(std::string file, const std::vector<std::string>& lines)
    : OddsLines(std::move(file), base::FileBuffer::Copy(JoinedLines(lines))) {}

OddsLines ReadOddsLines(const std::string& path) { return {path, base::ReadFileBuffer(path)}; }

std::string OddsFilePath(std::string_view folder, std::string_view prefix,
                         std::string_view race_key) {
  return std::string(folder) + "/" + std::string(prefix) + base::CompactRaceCode(race_key) + ".CSV";
}

int32_t ComboIndex(std::string_view kind, int32_t i, int32_t j) {
  if (kind == "waku") {
    return i >= 1 && i <= 8 && j <= 8 && i <= j ? j + kBracketTable[i] : 1;
  }
  return i >= 1 && i <= 17 && j <= 18 && i < j ? j + kHorseTable[i] : 1;
}

std::string BracketOddsPrefix(int32_t runner_count) { return runner_count > 8 ? "JW" : "JR"; }

void ReadWinPlaceOdds(RaceOddsRecord& r, const OddsLines& jd, const SnapshotTimes& times,
                      std::string_view file_date) {
  const int n = RunnerLimit(r.RunnerCount());
  SelectSnapshotLines(jd, times, file_date,
                      [&](int s, std::size_t index, char prefix, std::string_view hhmm) {
                        StoredLine line(jd, index);
                        int32_t win_total = line.Integer(4);
                        int32_t place_total = line.Integer(5);
                        std::array<float, 19> win{}, place{};
                        for (int k = 1; k <= n; ++k) {
                          win[k] = WinPlaceValue(line, 3 * k + 3);
                          place[k] = WinPlaceValue(line, 3 * k + 4);
                        }
                        r.SetLabel(s, std::string(1, prefix) + std::string(hhmm));
                        r.SetSlotNumber(s, s);
                        r.SetWinVoteTotal(s, win_total);
                        r.SetPlaceVoteTotal(s, place_total);
                        for (int k = 1; k <= n; ++k) {
                          r.SetOddsWin(s, k, win[k]);
                          r.SetOddsPlace(s, k, place[k]);
                        }
                      });
}

void ReadBracketQuinellaOdds(RaceOddsRecord& r, const OddsLines& file, const SnapshotTimes& times,
                             std::string_view file_date) {
  const int n = RunnerLimit(r.RunnerCount());
  const int m = std::min(n, 8);
  SelectSnapshotLines(file, times, file_date, [&](int s, std::size_t index, char, auto) {
    StoredLine line(file, index);
    int32_t total = line.Integer(4);
    PairOdds odds{};
    for (int i = 1; i <= 8; ++i) {
      for (int j = i; j <= 8; ++j) {
        if (n > 8) {
          odds[i][j] = PairValue(line, line.Column(ComboIndex("waku", i, j)));
        } else if (i > n || j > n || i == j) {
          odds[i][j] = 9999.0f;
        } else {
          odds[i][j] = PairValue(line, line.Column(ComboIndex("uma", i, j)));
        }
      }
    }
    Shares share = PairShares(odds, m, true);
    r.SetBracketQuinellaVoteTotal(s, total);
    for (int i = 1; i <= 8; ++i) {
      for (int j = i; j <= 8; ++j) r.SetOddsBracketQuinella(s, i, j, odds[i][j]);
    }
    for (int b = 1; b <= m; ++b) r.SetBracketQuinellaShare(s, b, share[b]);
  });
}

void ReadQuinellaOdds(RaceOddsRecord& r, const OddsLines& jr, const SnapshotTimes& times,
                      std::string_view file_date) {
  const int n = RunnerLimit(r.RunnerCount());
  SelectSnapshotLines(jr, times, file_date, [&](int s, std::size_t index, char, auto) {
    StoredLine line(jr, index);
    int32_t total = line.Integer(4);
    PairOdds odds{};
    for (int i = 1; i < n; ++i) {
      for (int j = i + 1; j <= n; ++j) {
        odds[i][j] = PairValue(line, line.Column(ComboIndex("uma", i, j)));
      }
    }
    Shares share = PairShares(odds, n, false);
    r.SetQuinellaVoteTotal(s, total);
    for (int i = 1; i < n; ++i) {
      for (int j = i + 1; j <= n; ++j) r.SetOddsQuinella(s, i, j, odds[i][j]);
    }
    for (int k = 1; k <= n; ++k) r.SetQuinellaShare(s, k, share[k]);
  });
}

}  // namespace viewer
