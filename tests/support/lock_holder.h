// Another process that holds the whole-file writers' lock (flock) on a file, as a program
// that is stopped or slow would, until the holder is destroyed.
#pragma once
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace testsupport {

class LockHolder {
 public:
  // Returns once the child process holds the lock on the file (made when missing).
  explicit LockHolder(const std::string& path) {
    int ready[2];
    if (::pipe(ready) != 0) {
      ADD_FAILURE() << "pipe";
      return;
    }
    child_ = ::fork();
    if (child_ == 0) {
      ::close(ready[0]);
      const int fd = ::open(path.c_str(), O_RDWR | O_CREAT, 0644);
      const char ok = fd >= 0 && ::flock(fd, LOCK_EX) == 0 ? '1' : '0';
      if (::write(ready[1], &ok, 1) != 1) ::_exit(1);
      ::pause();  // until the holder ends it
      ::_exit(0);
    }
    ::close(ready[1]);
    char ok = '0';
    if (child_ < 0 || ::read(ready[0], &ok, 1) != 1 || ok != '1') {
      ADD_FAILURE() << "no lock on " << path;
    }
    ::close(ready[0]);
  }
  ~LockHolder() {
    if (child_ <= 0) return;
    ::kill(child_, SIGKILL);
    ::waitpid(child_, nullptr, 0);
  }
  LockHolder(const LockHolder&) = delete;
  LockHolder& operator=(const LockHolder&) = delete;

 private:
  pid_t child_ = -1;
};

}  // namespace testsupport
