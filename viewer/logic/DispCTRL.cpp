#include "viewer/logic/DispCTRL.h"

#include <array>

#include "base/racing.h"
#include "base/sjis.h"

namespace viewer {
namespace {

// Full-width counterpart (two bytes) of each single byte; empty for a byte that has none.
using FullWidthTable = std::array<std::string, 256>;

void Fill(FullWidthTable& table, int first_byte, std::string_view full_width) {
  // full_width holds one double-byte character per byte from first_byte on.
  for (std::size_t i = 0; i + 1 < full_width.size(); i += 2) {
    table[first_byte + i / 2] = std::string(full_width.substr(i, 2));
  }
}

FullWidthTable MakeTable() {
  FullWidthTable t;
  Fill(t, 0xA6, "ヲァィゥェォャュョッ");
  Fill(
      t, 0xB1,
      "アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン");
  Fill(t, 0x20, "　");
  Fill(t, 'A', "ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ");
  Fill(t, 'a', "ａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙｚ");
  Fill(t, '0', "０１２３４５６７８９");
  Fill(t, 0x21, "！”＃＄％＆’（）＊＋，－．／");
  Fill(t, 0x3A, "：；＜＝＞？＠");
  Fill(t, 0x5B, "［￥］＾＿｀");
  Fill(t, 0x7B, "｛｜｝￣");
  Fill(t, 0xA1, "。「」、・");
  Fill(t, 0xB0, "ー");
  Fill(t, 0xDE, "゛゜");
  return t;
}

struct TrackRow {
  const char* code;
  int number;
  const char* turn;
};

constexpr TrackRow kTracks[] = {{"01", 1, "右"}, {"02", 2, "右"}, {"03", 3, "右"}, {"04", 4, "左"},
                                {"05", 5, "左"}, {"06", 6, "右"}, {"07", 7, "左"}, {"08", 8, "右"},
                                {"09", 9, "右"}, {"10", 10, "右"}};

}  // namespace

std::string ConvertToFullWidth(std::string_view text) {
  static const FullWidthTable table = MakeTable();
  std::string out;
  out.reserve(text.size() * 2);
  for (std::size_t p = 0; p < text.size();) {
    auto c = static_cast<unsigned char>(text[p]);
    if (base::IsLeadByte(c)) {
      std::size_t next = base::NextCharPos(text, p);
      out.append(text.substr(p, next - p));
      p = next;
      continue;
    }
    if (table[c].empty()) {
      out += static_cast<char>(c);
    } else {
      out += table[c];
    }
    ++p;
  }
  return out;
}

std::string TrackCodeToName(std::string_view code) {
  for (const auto& row : kTracks) {
    if (code == row.code) return base::TrackNameByCode(row.number);
  }
  return {};
}

std::string TrackNameToCode(std::string_view name) {
  for (const auto& row : kTracks) {
    if (name == base::TrackNameByCode(row.number)) return row.code;
  }
  return {};
}

std::string TrackTurnDirection(std::string_view name) {
  for (const auto& row : kTracks) {
    if (name == base::TrackNameByCode(row.number)) return row.turn;
  }
  return {};
}

}  // namespace viewer
