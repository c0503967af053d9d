#include "ui/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "base/errors.h"
#include "base/file_names.h"

namespace ui {
namespace {

std::string LockPath(const std::string& name) {
  std::string file = name;
  for (char& c : file) {
    if (c == '/') c = '_';
  }
  file += ".lock";
  if (const char* dir = std::getenv("VANTREL_LOCK_DIR"); dir && *dir) {
    return std::string(dir) + "/" + file;
  }
  if (const char* dir = std::getenv("XDG_RUNTIME_DIR"); dir && *dir) {
    return std::string(dir) + "/" + file;
  }
  return "/tmp/" + std::to_string(getuid()) + "-" + file;
}

}  // namespace

InstanceLock::InstanceLock(const std::string& name) : path_(LockPath(name)) {
  // Close-on-exec: a child program must not keep the lock after this process ends.
  int fd = open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) {
    throw base::FileError("Cannot open the lock file " + base::PathText(path_) + ": " +
                          std::strerror(errno));
  }
  int rc;
  do {
    rc = flock(fd, LOCK_EX | LOCK_NB);
  } while (rc != 0 && errno == EINTR);
  if (rc == 0) {
    fd_ = fd;
    return;
  }
  int error = errno;
  close(fd);
  if (error != EWOULDBLOCK) {
    throw base::FileError("Cannot lock the file " + base::PathText(path_) + ": " +
                          std::strerror(error));
  }
}

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) close(fd_);  // closing the only descriptor releases the lock
}

}  // namespace ui
