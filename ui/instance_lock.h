// A named lock that tells a second copy of a program that the first one runs.
//
// It is an exclusive flock() on the file "<name>.lock" in the lock folder: the folder named
// by VANTREL_LOCK_DIR when set (tests), else XDG_RUNTIME_DIR, else /tmp (there the file name
// also carries the user id). The system releases it when the process ends, also by a crash.
// Taking it is one atomic step, so of two copies started at the same instant one runs.
#pragma once
#include <string>

namespace ui {

class InstanceLock {
 public:
  // Tries to take the lock; see held(). Throws base::FileError when the lock file cannot
  // be opened or made.
  explicit InstanceLock(const std::string& name);
  ~InstanceLock();  // releases it
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // True when this object holds the lock; false when another process held it.
  bool held() const { return fd_ >= 0; }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  int fd_ = -1;
};

}  // namespace ui
