#include "ui/url_opener.h"

#include <QFileInfo>
#include <QProcess>
#include <QTimer>
#include <QUrl>
#include <memory>

#include "base/files.h"
#include "ui/application.h"
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

// Runs xdg-open on the URL; answer(opened) once, from the message loop.
void StartOpener(const std::string& url, std::function<void(bool)> answer) {
  // Kept until the opener ends, whenever that is; it is no child of another object, so the
  // end of this program never stops an opener that still waits for its document's program.
  // No pipe joins them either: that program may print long after this one has ended.
  auto* opener = new QProcess;
  opener->setStandardInputFile(QProcess::nullDevice());
  opener->setStandardOutputFile(QProcess::nullDevice());
  opener->setStandardErrorFile(QProcess::nullDevice());
  auto answered = std::make_shared<bool>(false);
  auto once = [answered, answer = std::move(answer)](bool opened) {
    if (*answered) return;
    *answered = true;
    Post([answer, opened] { answer(opened); });
  };
  QObject::connect(opener, &QProcess::finished, opener,
                   [opener, once](int code, QProcess::ExitStatus status) {
                     once(status == QProcess::NormalExit && code == 0);
                     Post([opener] { delete opener; });
                   });
  QObject::connect(opener, &QProcess::errorOccurred, opener,
                   [opener, once](QProcess::ProcessError error) {
                     if (error != QProcess::FailedToStart) return;
                     once(false);
                     Post([opener] { delete opener; });
                   });
  QTimer::singleShot(kOpenerAnswerSeconds * 1000, opener, [once] { once(true); });
  opener->start(QStringLiteral("xdg-open"), {QString::fromStdString(url)});
}

}  // namespace

std::string UrlOfAddress(const std::string& address) {
  if (address.empty()) return {};
  if (address[0] == '/') return base::PathExists(address) ? FileUrl(address) : std::string();
  const std::string relative = base::CurrentDirectory() + "/" + address;
  if (base::PathExists(relative)) return FileUrl(relative);
  const QUrl url = QUrl::fromUserInput(internal::FileNameToQt(address));
  if (!url.isValid()) return {};
  if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) return {};
  return url.toEncoded().toStdString();
}

void OpenUrl(const std::string& address, std::function<void(bool opened)> done) {
  const auto answer_later = [&done](bool opened) { Post([done, opened] { done(opened); }); };
  if (current_opener) return answer_later(current_opener->Open(address));
  const std::string url = UrlOfAddress(address);
  if (url.empty()) return answer_later(false);
  StartOpener(url, std::move(done));
}

ScopedUrlOpener::ScopedUrlOpener(std::function<bool(const std::string&)> open)
    : open_(std::move(open)), previous_(current_opener) {
  current_opener = this;
}

ScopedUrlOpener::~ScopedUrlOpener() { current_opener = previous_; }

}  // namespace ui
