// A child program started by the viewer.
#pragma once
#include <sys/types.h>

#include <string>
#include <vector>

namespace ui {

// Starts a program file and tells whether it still runs. The child gets this process's
// current directory and environment and its standard input, output and error; no other
// file descriptor is handed on.
class ChildProcess {
 public:
  ChildProcess() = default;
  ~ChildProcess();  // releases (does not end) a child that still runs
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Starts the program file at `path` (taken as given, relative to the current directory
  // when it has no "/": no search path) with these arguments after the program name.
  // False when it cannot be started (missing, not executable, not a program).
  bool Start(const std::string& path, const std::vector<std::string>& arguments);
  // True while the child runs; false once it has ended or when none was started.
  bool Running();
  // The child's exit code once it ended normally, -1 otherwise.
  int ExitCode() const { return exit_code_; }
  // Forgets the child (it keeps running if it does).
  void Release();
  pid_t pid() const { return pid_; }

 private:
  pid_t pid_ = -1;
  int exit_code_ = -1;
};

}  // namespace ui
