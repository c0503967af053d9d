// Fictional Japanese names for the sample data, as Shift-JIS texts.
#pragma once
#include <set>
#include <string>

#include "tools/sampledata/rng.h"

namespace sampledata {

// Number of characters of a text made of double-byte characters only.
int WideLength(const std::string& sjis);
// The text followed by full-width spaces up to `bytes` bytes (cut to whole characters).
std::string PadWide(const std::string& sjis, int bytes);

// A katakana horse name of at most 9 characters that is not in `used`; adds it there.
std::string HorseName(Rng& rng, std::set<std::string>& used);
// A jockey's or trainer's name as the records carry it: exactly 8 bytes, a surname and a
// given name, or a surname, a one-character given name and a full-width space.
std::string PersonName(Rng& rng);
// An owner's name (a person or a racing company), at most 32 characters.
std::string OwnerName(Rng& rng);
// The name of a special race ("...特別", "...ステークス", ...); `main` gives the main race's.
std::string RaceName(Rng& rng, bool main);

}  // namespace sampledata
