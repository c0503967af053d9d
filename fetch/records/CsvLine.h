// Writing the CSV lines of the day files and the odds files.
#pragma once
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

#include "fetch/records/FullWidthSpaces.h"

namespace records {

// The last field of every line of the day files; the odds lines have none.
inline constexpr std::string_view kLineEndMark = "t";

// Builds one CSV line in place, field after field, with one quoting rule for every line:
// a field in which a single-byte character with a code from 1 to 32, a double quote or a
// comma is met is enclosed in double quotes, with its double quotes doubled; double-byte
// characters (a lead byte with a trail byte) are stepped over whole, so a full-width space
// forces no quotes. Bytes that one line cannot carry are written as a blank: a byte 0, a
// CR, an LF, and a lead byte that ends the field. So every line reads back into the
// fields written (base::SplitCsvLine), and a reader that takes lines at CR or LF, or a
// lead byte with whatever follows, still finds them. An empty field is written as
// nothing; fields are separated by single commas. A field is one text (Field), a number
// (NumberField), up to eight bytes put together in a word (WordField), or pieces appended between
// BeginField and EndField. Finish ends the line.
//
// The writer works on the line's own room: it sizes the line once for the expected length
// (growing it only when that is passed) and cuts it to what was written at Finish, so a
// line costs one allocation, however many fields it has. While the bytes are copied they
// are sorted into kinds a word at a time; a field of plain bytes only (digits, letters,
// points, dashes) is written as it is, one with blanks or commas but no byte from 0x80,
// control character below 14 or double quote is enclosed at once, and only the others are
// walked byte by byte by the exact rule (QuoteField).

// The hot members are always inlined: a line has up to 158 fields.
#define VANTREL_HOT [[gnu::always_inline]]

class CsvLineWriter {
 public:
  // Appends to line, which it makes room for expected_size more bytes.
  explicit CsvLineWriter(std::string& line, std::size_t expected_size = 64)
      : line_(line), pos_(line.size()) {
    line_.resize(pos_ + expected_size);
    data_ = line_.data();
    room_ = line_.size();
  }
  CsvLineWriter(const CsvLineWriter&) = delete;
  CsvLineWriter& operator=(const CsvLineWriter&) = delete;

  // Cuts the line to the fields written; call it once, after the last field.
  void Finish() { line_.resize(pos_); }

  VANTREL_HOT void Field(std::string_view text) {
    BeginField();
    const unsigned kinds = KindsOfBytes<false>(nullptr, text.data(), text.size());
    if (kinds != 0 && (kinds & (kCloserLook | kBlankOrComma)) == kBlankOrComma) {
      // Quotes known before the field is written: put them around it at once.
      Ensure(text.size() + 2);
      data_[pos_++] = '"';
      KindsOfBytes<true>(data_ + pos_, text.data(), text.size());
      pos_ += text.size();
      data_[pos_++] = '"';
      return;
    }
    Append(text);
    EndField();
  }
  VANTREL_HOT void NumberField(int32_t value) {
    BeginField();
    AppendNumber(value);
    EndField();
  }

  VANTREL_HOT void BeginField() {
    Ensure(1);
    if (!first_) data_[pos_++] = ',';
    first_ = false;
    field_start_ = pos_;
    kinds_ = 0;
  }
  VANTREL_HOT void Append(std::string_view piece) {
    Ensure(piece.size());
    kinds_ |= KindsOfBytes<true>(data_ + pos_, piece.data(), piece.size());
    pos_ += piece.size();
  }
  VANTREL_HOT void Append(char c) {
    Ensure(1);
    data_[pos_++] = c;
    if (static_cast<unsigned char>(c - 0x2D) >= 0x53) {  // not a plain byte
      kinds_ |= KindsOf(static_cast<uint64_t>(static_cast<unsigned char>(c)) * kEachByte);
    }
  }
  // The n low bytes of word (n up to 8, the first byte lowest), for pieces that a
  // formatter puts together in a register.
  VANTREL_HOT void AppendWord(uint64_t word, std::size_t n) {
    Ensure(8);
    Store(data_ + pos_, word);  // the bytes behind n are written over by what follows
    pos_ += n;
    const uint64_t kept = n >= 8 ? ~uint64_t{0} : (uint64_t{1} << (8 * n)) - 1;
    kinds_ |= KindsOf((word & kept) | (kEachByte * '0' & ~kept));
  }
  // A whole field of the n low bytes of word (n up to 8, the first byte lowest), for
  // fields that a formatter puts together in a register: written with its comma (and
  // its quotes, when it has blanks but no double-byte characters or quotes) in a few
  // stores.
  VANTREL_HOT void WordField(uint64_t word, std::size_t n) {
    const uint64_t kept = n >= 8 ? ~uint64_t{0} : (uint64_t{1} << (8 * n)) - 1;
    word &= kept;
    const unsigned kinds = KindsOf(word | (kEachByte * '0' & ~kept));
    if (first_ || (kinds & kCloserLook) != 0) {
      BeginField();
      AppendWord(word, n);
      EndField();
      return;
    }
    Ensure(16);
    if (kinds == 0 && n <= 7) {  // plain: comma and field in one store
      Store(data_ + pos_, uint64_t{','} | word << 8);
      pos_ += n + 1;
      return;
    }
    data_[pos_++] = ',';
    if (kinds & kBlankOrComma) data_[pos_++] = '"';
    Store(data_ + pos_, word);
    pos_ += n;
    if (kinds & kBlankOrComma) data_[pos_++] = '"';
  }
  // The number text of value (decimal, no leading zeros).
  VANTREL_HOT void AppendNumber(int32_t value) {
    Ensure(11);
    pos_ =
        static_cast<std::size_t>(std::to_chars(data_ + pos_, data_ + pos_ + 11, value).ptr - data_);
  }
  // The text after TrimFullWidthSpaces.
  VANTREL_HOT void AppendTrimmed(std::string_view text) {
    Ensure(text.size());
    pos_ += TrimFullWidthSpacesInto(text, data_ + pos_);
    kinds_ |= kNotPlain | kCloserLook;
  }
  // Quotes the field begun last when the rule asks for it.
  VANTREL_HOT void EndField() {
    if (kinds_ == 0) return;  // plain bytes only
    if ((kinds_ & kCloserLook) == 0) {
      if ((kinds_ & kBlankOrComma) == 0) return;
      if (pos_ - field_start_ <= kShortField) {  // enclose a short field at once
        Ensure(2);
        for (std::size_t i = pos_; i > field_start_; --i) data_[i] = data_[i - 1];
        data_[field_start_] = '"';
        pos_ += 2;
        data_[pos_ - 1] = '"';
        return;
      }
    }
    pos_ = QuoteField(line_, field_start_, pos_, (kinds_ & kCloserLook) == 0);
    data_ = line_.data();
    room_ = line_.size();
  }

 private:
  // What the bytes of a field hold, beyond plain bytes (0x2D-0x7F: digits, points,
  // dashes, letters), which never force quotes and never begin a double-byte character.
  static constexpr unsigned kNotPlain = 1;      // some other byte
  static constexpr unsigned kBlankOrComma = 2;  // a code from 0 to 32, or a comma
  static constexpr unsigned kCloserLook = 4;    // a byte from 0x80, a code below 14 or a quote

  static constexpr std::size_t kShortField = 16;
  static constexpr uint64_t kEachByte = 0x0101010101010101ull;
  static constexpr uint64_t kHigh = 0x8080808080808080ull;

  static uint64_t HasZeroByte(uint64_t v) { return (v - kEachByte) & ~v & kHigh; }
  static uint64_t HasByteBelow(uint64_t v, uint8_t n) { return (v - kEachByte * n) & ~v & kHigh; }
  // The kinds of the eight bytes of v (0x2D + 0x53 = 0x80 marks the plain ones; a carry
  // or borrow runs only into bytes above one that is not plain, which is enough to know
  // whether some byte is of a kind).
  VANTREL_HOT static unsigned KindsOf(uint64_t v) {
    if (((v | ~(v + kEachByte * 0x53)) & kHigh) == 0) return 0;
    unsigned kinds = kNotPlain;
    if ((v & kHigh) != 0 || HasByteBelow(v, 14) != 0 || HasZeroByte(v ^ (kEachByte * '"')) != 0) {
      kinds |= kCloserLook;
    }
    if (HasByteBelow(v, 33) != 0 || HasZeroByte(v ^ (kEachByte * ',')) != 0) {
      kinds |= kBlankOrComma;
    }
    return kinds;
  }
  template <typename Word>
  static Word Load(const char* s) {
    Word v;
    std::memcpy(&v, s, sizeof v);
    return v;
  }
  template <typename Word>
  static void Store(char* d, Word v) {
    std::memcpy(d, &v, sizeof v);
  }
  // The kinds of the n bytes at s, copied to d when kCopy. Short pieces go by
  // overlapping words that hold only bytes of the piece (some twice), never reading or
  // writing beyond either end.
  template <bool kCopy>
  VANTREL_HOT static unsigned KindsOfBytes(char* d, const char* s, std::size_t n) {
    if (n >= 8 && n <= 16) {
      const auto a = Load<uint64_t>(s), b = Load<uint64_t>(s + n - 8);
      if constexpr (kCopy) {
        Store(d, a);
        Store(d + n - 8, b);
      }
      return KindsOf(a) | KindsOf(b);
    }
    if (n >= 4 && n < 8) {
      const auto a = Load<uint32_t>(s), b = Load<uint32_t>(s + n - 4);
      if constexpr (kCopy) {
        Store(d, a);
        Store(d + n - 4, b);
      }
      return KindsOf(a | static_cast<uint64_t>(b) << 32);
    }
    if (n > 0 && n < 4) {
      const auto a = static_cast<unsigned char>(s[0]), b = static_cast<unsigned char>(s[n / 2]),
                 c = static_cast<unsigned char>(s[n - 1]);
      if constexpr (kCopy) {
        d[0] = static_cast<char>(a);
        d[n / 2] = static_cast<char>(b);
        d[n - 1] = static_cast<char>(c);
      }
      const uint64_t three = a | b << 8 | c << 16;
      return KindsOf(three | three << 24 | (three & 0xFFFF) << 48);
    }
    if (n == 0) return 0;
    if constexpr (kCopy) std::memcpy(d, s, n);
    return KindsOfLong(s, n);
  }
  static unsigned KindsOfLong(const char* s, std::size_t n);

  VANTREL_HOT void Ensure(std::size_t n) {
    if (pos_ + n > room_) {
      Grow(line_, pos_ + n);
      data_ = line_.data();
      room_ = line_.size();
    }
  }
  // The slow paths are static and never see the writer, so that its state can stay in
  // registers while the bytes of the line are written.
  static void Grow(std::string& line, std::size_t needed);
  // Quotes the field line[start, end) and gives the new end of the line. enclose: the
  // field must be quoted and holds no double quote; otherwise the exact rule decides,
  // byte by byte (double-byte characters, double quotes), and the bytes that a line cannot
  // carry become blanks first.
  static std::size_t QuoteField(std::string& line, std::size_t start, std::size_t end,
                                bool enclose);

  std::string& line_;
  char* data_;
  std::size_t pos_;
  std::size_t room_;
  std::size_t field_start_ = 0;
  unsigned kinds_ = 0;
  bool first_ = true;
};
#undef VANTREL_HOT

// The CSV line of the fields, without a line end. Every line it writes reads back into
// the same fields (base::SplitCsvLine), with the bytes that a line cannot carry written as
// blanks, except a list of one empty field: that line is empty, and an empty line holds no
// field.
std::string JoinCsvFields(std::span<const std::string> fields);

}  // namespace records
