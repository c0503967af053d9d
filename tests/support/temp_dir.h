// A fresh folder for one test, removed afterwards; optionally made the current directory.
#pragma once
#include <filesystem>
#include <string>

namespace testsupport {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// Makes the folder the current directory for its lifetime.
class ScopedCurrentDir {
 public:
  explicit ScopedCurrentDir(const std::string& dir);
  ~ScopedCurrentDir();

 private:
  std::filesystem::path previous_;
};

// Writes bytes to a file, making its folders.
void WriteFile(const std::string& path, const std::string& bytes);

}  // namespace testsupport
