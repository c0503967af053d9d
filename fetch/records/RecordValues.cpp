#include "fetch/records/RecordValues.h"

#include <cstdio>

#include "base/values.h"
#include "fetch/records/TrackCodeTable.h"

namespace records {
namespace {

// Record characters between double quotes, control bytes shown as \xNN.
void AppendQuoted(std::string& out, std::string_view text) {
  out += '"';
  for (char c : text) {
    auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", u);
      out += hex;
    } else {
      out += c;
    }
  }
  out += '"';
}

}  // namespace

void RecordValues::Note(const Fault& fault) {
  if (faults_ < kMaxFaults) notes_[faults_] = fault;
  ++faults_;
}

int32_t RecordValues::Value(int p, int q) {
  if (auto v = base::ValueOf(record_, p, q)) return *v;
  Note({p, q, false, 0, 0, 0, nullptr});
  return 0;
}

int32_t RecordValues::ValueWithin(int p, int q, int32_t low, int32_t high, const char* what) {
  auto v = base::ValueOf(record_, p, q);
  if (v && *v >= low && *v <= high) return *v;
  Note({p, q, v.has_value(), v.value_or(0), low, high, what});
  return 0;
}

const char* RecordValues::TrackName() {
  int32_t code =
      ValueWithin(20, 21, TrackCodeTable::kFirstCode, TrackCodeTable::kLastCode, "racecourse code");
  return TrackCodeTable::NameOf(code);
}

std::string RecordValues::Error() const {
  if (ok()) return {};
  std::string text = kind_;
  text += " record ";
  AppendQuoted(text, base::Chars(record_, 12, 27));
  text += " (" + std::to_string(record_.size()) + " characters): ";
  for (int i = 0; i < faults_ && i < kMaxFaults; ++i) {
    const Fault& f = notes_[i];
    if (i > 0) text += "; ";
    text += "characters " + std::to_string(f.p) + "-" + std::to_string(f.q) + " ";
    AppendQuoted(text, base::Chars(record_, f.p, f.q));
    if (!f.has_value) {
      text += " hold no number";
    } else {
      text += " hold " + std::string(f.what) + " " + std::to_string(f.value) + ", not within " +
              std::to_string(f.low) + "-" + std::to_string(f.high);
    }
  }
  return text;
}

}  // namespace records
