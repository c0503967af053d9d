#include "ui/url_opener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "base/files.h"
#include "ui/qt_text.h"

namespace ui {
namespace {

ScopedUrlOpener* current_opener = nullptr;

// A file URL of the path's bytes: paths reach the file system as they are, so a folder
// name in any encoding is kept.
std::string FileUrl(const std::string& absolute_path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string url = "file://";
  for (unsigned char c : absolute_path) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
        c == '.' || c == '_' || c == '~' || c == '/') {
      url += static_cast<char>(c);
    } else {
      url += '%';
      url += kHex[c >> 4];
      url += kHex[c & 15];
    }
  }
  return url;
}

}  // namespace

std::string UrlOfAddress(const std::string& address) {
  if (address.empty()) return {};
  if (address[0] == '/') return base::PathExists(address) ? FileUrl(address) : std::string();
  const std::string relative = base::CurrentDirectory() + "/" + address;
  if (base::PathExists(relative)) return FileUrl(relative);
  const QUrl url = QUrl::fromUserInput(internal::ToQt(address));
  if (!url.isValid()) return {};
  if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) return {};
  return url.toEncoded().toStdString();
}

bool OpenUrl(const std::string& address) {
  if (current_opener) return current_opener->Open(address);
  const std::string url = UrlOfAddress(address);
  if (url.empty()) return false;
  return QDesktopServices::openUrl(QUrl::fromEncoded(QByteArray::fromStdString(url)));
}

ScopedUrlOpener::ScopedUrlOpener(std::function<bool(const std::string&)> open)
    : open_(std::move(open)), previous_(current_opener) {
  current_opener = this;
}

ScopedUrlOpener::~ScopedUrlOpener() { current_opener = previous_; }

}  // namespace ui
