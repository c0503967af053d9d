// The names under which files of a folder were closed after writing, as inotify reports
// them: a file's last close names it as it is called at that moment (a file renamed while
// open is named by its new name), and the writers' lock goes with that close.
#pragma once
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace testsupport {

class CloseWatch {
 public:
  explicit CloseWatch(const std::string& folder) : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    EXPECT_GE(fd_, 0);
    EXPECT_GE(::inotify_add_watch(fd_, folder.c_str(), IN_CLOSE_WRITE), 0);
  }
  ~CloseWatch() { ::close(fd_); }
  CloseWatch(const CloseWatch&) = delete;
  CloseWatch& operator=(const CloseWatch&) = delete;

  // The names of the closes since the watch began or since the last call, in order.
  std::vector<std::string> Closed() {
    std::vector<std::string> names;
    alignas(inotify_event) char buffer[4096];
    ssize_t n;
    while ((n = ::read(fd_, buffer, sizeof buffer)) > 0) {
      for (ssize_t at = 0; at < n;) {
        const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
        names.emplace_back(event->len > 0 ? event->name : "");
        at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
      }
    }
    return names;
  }

 private:
  int fd_;
};

}  // namespace testsupport
