// Names of files and folders as the file system holds them: bytes in its encoding (UTF-8
// on Linux), never Shift-JIS. Paths are built, compared and opened as these bytes; they are
// decoded only where a window shows them (ui::TextKind::kFileName), and turned into
// Shift-JIS only where a message names them (PathText).
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace base {

// Position of the character after the one that starts at pos: a whole UTF-8 sequence
// (no overlong form, no surrogate, nothing above U+10FFFF), or one byte that begins none,
// which stands alone so that every byte of a name is kept.
std::size_t NextNameCharPos(std::string_view name, std::size_t pos);

// The longest start of the name that holds at most max_bytes bytes and ends on a
// character boundary (as NextNameCharPos steps).
std::string CutName(std::string_view name, std::size_t max_bytes);

// The name as Shift-JIS text, for a message that names a file or folder: each character
// (as NextNameCharPos steps) as its code page 932 bytes (base::Utf8ToSjis), "?" for one that
// code page lacks and "?" for each byte that begins no UTF-8 sequence. A name of plain ASCII
// comes out unchanged. errno is left as it was, so one expression can name the path and the
// system's cause. Only the message's text is made so: the path itself stays as it is.
std::string PathText(std::string_view name);

}  // namespace base
