// The values a formatter reads from one record, with a note of every field that has none,
// so that a record that cannot give a line gives one text that says why.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace records {

class RecordValues {
 public:
  // kind names the record in the error text ("race", "runner", ...).
  RecordValues(const char* kind, std::string_view record) : kind_(kind), record_(record) {}

  // Value of characters p-q; 0 (and noted) when they hold no number.
  int32_t Value(int p, int q);
  // Value of characters p-q that must lie within low-high; 0 (and noted) otherwise.
  int32_t ValueWithin(int p, int q, int32_t low, int32_t high, const char* what);
  // Name of the racecourse code in characters 20-21 from TrackCodeTable; the fetch
  // programs cover the codes of the table only, so another code is noted.
  const char* TrackName();

  bool ok() const { return faults_ == 0; }
  // For example: race record "2016052105030811" (1272 characters): characters 882-883
  // "  " hold no number; characters 20-21 "11" hold racecourse code 11, not within 0-10
  std::string Error() const;

 private:
  struct Fault {
    int p, q;
    bool has_value;
    int32_t value, low, high;
    const char* what;
  };
  void Note(const Fault& fault);

  static constexpr int kMaxFaults = 8;
  const char* kind_;
  std::string_view record_;
  Fault notes_[kMaxFaults];
  int faults_ = 0;
};

}  // namespace records
