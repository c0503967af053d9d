#include "ui/process.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

extern char** environ;

namespace ui {

ChildProcess::~ChildProcess() { Release(); }

bool ChildProcess::Start(const std::string& path, const std::vector<std::string>& arguments) {
  Release();
  exit_code_ = -1;
  if (path.empty()) return false;
  // posix_spawn (unlike posix_spawnp) searches no path; a bare name is in the current
  // directory. glibc reports a failing exec as the result, so a missing or not
  // executable file is seen here.
  std::vector<std::string> args;
  args.push_back(path);
  args.insert(args.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  std::string file = path.find('/') == std::string::npos ? "./" + path : path;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addclosefrom_np(&actions, 3);  // only stdin, stdout, stderr
  pid_t pid = -1;
  int rc = posix_spawn(&pid, file.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) return false;
  pid_ = pid;
  return true;
}

bool ChildProcess::Running() {
  if (pid_ <= 0) return false;
  int status = 0;
  pid_t r;
  do {
    r = waitpid(pid_, &status, WNOHANG);
  } while (r < 0 && errno == EINTR);
  if (r == 0) return true;
  if (r == pid_ && WIFEXITED(status)) exit_code_ = WEXITSTATUS(status);
  pid_ = -1;  // ended, or can no longer be waited on
  return false;
}

void ChildProcess::Release() {
  if (pid_ > 0) Running();  // reaps a child that has ended
  pid_ = -1;
}

}  // namespace ui
