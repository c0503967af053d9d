// The desktop's opener (xdg-open) in window tests: a stand-in script of our own first on
// PATH, the environment of a desktop where the real one finds no program to open with, and
// waiting for an answer that arrives from the message loop.
#pragma once
#include <sys/stat.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/files.h"
#include "tests/support/temp_dir.h"

namespace testsupport {

// Sets environment variables (nullopt: unsets them) for its lifetime.
class ScopedEnv {
 public:
  explicit ScopedEnv(const std::map<std::string, std::optional<std::string>>& values) {
    for (const auto& [name, value] : values) {
      const char* old = std::getenv(name.c_str());
      previous_[name] = old ? std::optional<std::string>(old) : std::nullopt;
      Set(name, value);
    }
  }
  ~ScopedEnv() {
    for (const auto& [name, value] : previous_) Set(name, value);
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  static void Set(const std::string& name, const std::optional<std::string>& value) {
    if (value) {
      setenv(name.c_str(), value->c_str(), 1);
    } else {
      unsetenv(name.c_str());
    }
  }
  std::map<std::string, std::optional<std::string>> previous_;
};

// While it exists, "xdg-open" is a shell script with the body given, found first on PATH;
// every run appends its arguments, one line, to the file Calls() reads.
class FakeOpener {
 public:
  explicit FakeOpener(const std::string& body)
      : made_((WriteFile(dir_ / "xdg-open",
                         "#!/bin/sh\necho \"$@\" >> '" + (dir_ / "calls") + "'\n" + body + "\n"),
               chmod((dir_ / "xdg-open").c_str(), 0755), true)),
        path_({{"PATH", dir_.path() + ":" + std::getenv("PATH")}}) {}
  // The arguments of each run, as its lines.
  std::string Calls() const {
    return base::FileExists(dir_ / "calls") ? base::ReadFileBytes(dir_ / "calls") : "";
  }
  std::string Folder() const { return dir_.path(); }

 private:
  TempDir dir_;
  bool made_;
  ScopedEnv path_;
};

// The desktop of a test machine without a program to open documents with: no display, no
// desktop named, empty configuration folders, no BROWSER. The real xdg-open then looks for
// the text browsers and run-mailcap on PATH only.
class NoDesktopEnv {
 public:
  NoDesktopEnv()
      : env_({{"DISPLAY", std::nullopt},
              {"WAYLAND_DISPLAY", std::nullopt},
              {"BROWSER", std::nullopt},
              {"XDG_CURRENT_DESKTOP", std::nullopt},
              {"XDG_SESSION_DESKTOP", std::nullopt},
              {"DESKTOP_SESSION", std::nullopt},
              {"KDE_FULL_SESSION", std::nullopt},
              {"GNOME_DESKTOP_SESSION_ID", std::nullopt},
              {"MATE_DESKTOP_SESSION_ID", std::nullopt},
              {"HOME", dir_.path()},
              {"XDG_CONFIG_HOME", dir_ / "config"},
              {"XDG_DATA_HOME", dir_ / "data"},
              {"XDG_DATA_DIRS", dir_ / "data"}}) {}
  // Why the real xdg-open could still open something here, or "" when it cannot.
  static std::string WhyNotUsable() {
    if (!OnPath("xdg-open")) return "xdg-open is not installed";
    for (const char* program :
         {"run-mailcap", "www-browser", "links2", "elinks", "links", "lynx", "w3m"}) {
      if (OnPath(program)) return std::string(program) + " could open the document";
    }
    return "";
  }

 private:
  static bool OnPath(const std::string& program) {
    const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
    for (std::size_t start = 0; start <= path.size();) {
      std::size_t end = path.find(':', start);
      if (end == std::string::npos) end = path.size();
      const std::string file = path.substr(start, end - start) + "/" + program;
      if (end > start && access(file.c_str(), X_OK) == 0) return true;
      start = end + 1;
    }
    return false;
  }
  TempDir dir_;
  ScopedEnv env_;
};

// Runs the message loop until done() holds or `seconds` have passed; gives done().
inline bool RunMessagesUntil(const std::function<bool()>& done, int seconds = 30) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < seconds * 1000) {
    QEventLoop loop;
    QTimer::singleShot(10, &loop, &QEventLoop::quit);
    loop.exec();
  }
  return done();
}

}  // namespace testsupport
