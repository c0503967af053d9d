// Full-width spaces in the texts of the racing records.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace records {

// Every full-width space (0x81 0x40) that begins on a character boundary becomes one
// blank, then every byte with a code from 0 to 32 is removed from both ends. Blanks
// inside the text stay.
std::string TrimFullWidthSpaces(std::string_view text);

// The same, written to out, which has room for text.size() bytes; gives the length.
std::size_t TrimFullWidthSpacesInto(std::string_view text, char* out);

}  // namespace records
