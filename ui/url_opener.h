// Opening a document or a web address with the desktop's default handler, as a user's
// desktop opens a link; replaceable in tests.
#pragma once
#include <functional>
#include <string>

namespace ui {

// The URL, percent-encoded, that an address (Shift-JIS text) stands for:
// - a path to an existing file or folder, absolute or relative to the current directory,
//   is a file URL of exactly its bytes;
// - a path beginning with "/" that does not exist, a file URL whose file is missing, and
//   an empty text give "" (nothing to open);
// - anything else is read as a web address ("www.example.com" gives
//   "http://www.example.com"); a text that is no URL gives "".
std::string UrlOfAddress(const std::string& address);

// Opens the address with the desktop's default handler. False when it cannot: nothing to
// open (UrlOfAddress gives ""), or the desktop has no handler for it.
bool OpenUrl(const std::string& address);

// While one exists, OpenUrl hands every address, as given, to `open` and returns its
// answer; the desktop is not asked. They nest: the newest one answers.
class ScopedUrlOpener {
 public:
  explicit ScopedUrlOpener(std::function<bool(const std::string& address)> open);
  ~ScopedUrlOpener();
  ScopedUrlOpener(const ScopedUrlOpener&) = delete;
  ScopedUrlOpener& operator=(const ScopedUrlOpener&) = delete;

  // Used by OpenUrl.
  bool Open(const std::string& address) const { return open_(address); }

 private:
  std::function<bool(const std::string&)> open_;
  ScopedUrlOpener* previous_ = nullptr;
};

}  // namespace ui
