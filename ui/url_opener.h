// Opening a document or a web address with the desktop's opener (xdg-open), as a user's
// desktop opens a link; replaceable in tests.
//
// Addresses are the texts of fields made for names of files and folders
// (TextKind::kFileName): the file system's bytes.
#pragma once
#include <functional>
#include <string>

namespace ui {

// The URL, percent-encoded, that an address stands for:
// - a path to an existing file or folder, absolute or relative to the current directory,
//   is a file URL of exactly its bytes;
// - a path beginning with "/" that does not exist, a file URL whose file is missing, and
//   an empty text give "" (nothing to open);
// - anything else is read as a web address ("www.example.com" gives
//   "http://www.example.com"); a text that is no URL gives "".
std::string UrlOfAddress(const std::string& address);

// Opens the address and returns at once; the window goes on while the opener runs. `done`
// runs later from the message loop, dispatched like an event, with whether the address
// was opened: false when there is nothing to open (UrlOfAddress gives ""), when the opener
// cannot be started, or when it ends with a failure (no program for the address, or one
// that failed to start). An opener that has not ended after kOpenerAnswerSeconds is
// running the document's program (it waits for that program on some desktops): opened.
// The opener's input and output are the null device: what it and the program it starts
// print goes nowhere (the window tells of a failure), and no pipe ties them to this
// program, which may end first.
void OpenUrl(const std::string& address, std::function<void(bool opened)> done);
inline constexpr int kOpenerAnswerSeconds = 10;

// While one exists, OpenUrl hands every address, as given, to `open`, and its answer
// reaches `done` as the opener's would; the desktop is not asked. They nest: the newest one
// answers.
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
