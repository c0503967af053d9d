#include "base/sjis.h"

#include <iconv.h>

#include <cerrno>

namespace base {
namespace {

// One converter per direction and thread, opened on first use.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts in; a byte sequence that does not convert is replaced by `bad` and the
  // walk goes on behind it (`skip(in, pos)` tells how far).
  template <typename Skip>
  std::string Run(std::string_view in, std::string_view bad, Skip skip) {
    std::string out;
    if (cd_ == reinterpret_cast<iconv_t>(-1)) return std::string(in);
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    out.resize(in.size() * 4 + 8);
    char* src = const_cast<char*>(in.data());
    size_t src_left = in.size();
    char* dst = out.data();
    size_t dst_left = out.size();
    while (src_left > 0) {
      if (iconv(cd_, &src, &src_left, &dst, &dst_left) != static_cast<size_t>(-1)) break;
      if (errno == E2BIG) {
        size_t used = static_cast<size_t>(dst - out.data());
        out.resize(out.size() * 2);
        dst = out.data() + used;
        dst_left = out.size() - used;
        continue;
      }
      // EILSEQ or EINVAL: replace one character and go on.
      size_t step = skip(std::string_view(src, src_left));
      if (dst_left < bad.size()) {
        size_t used = static_cast<size_t>(dst - out.data());
        out.resize(out.size() * 2 + bad.size());
        dst = out.data() + used;
        dst_left = out.size() - used;
      }
      for (char c : bad) {
        *dst++ = c;
        --dst_left;
      }
      src += step;
      src_left -= step;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(static_cast<size_t>(dst - out.data()));
    return out;
  }

 private:
  iconv_t cd_;
};

size_t SkipSjisChar(std::string_view rest) { return NextCharPos(rest, 0); }

size_t SkipUtf8Char(std::string_view rest) {
  size_t n = 1;
  while (n < rest.size() && (static_cast<unsigned char>(rest[n]) & 0xC0) == 0x80) ++n;
  return n;
}

}  // namespace

std::string SjisToUtf8(std::string_view sjis) {
  thread_local Converter conv("UTF-8", "CP932");
  return conv.Run(sjis, "\xEF\xBF\xBD", SkipSjisChar);
}

std::string Utf8ToSjis(std::string_view utf8) {
  thread_local Converter conv("CP932", "UTF-8");
  return conv.Run(utf8, "?", SkipUtf8Char);
}

}  // namespace base
