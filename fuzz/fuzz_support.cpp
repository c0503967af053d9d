#include "fuzz/fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace fuzzsupport {
namespace {

// Removes the scratch folder at the end of the run (libFuzzer ends by exit()).
struct Scratch {
  Scratch() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vantrel-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) Fail("cannot make a scratch folder");
    path = pattern;
  }
  ~Scratch() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
  std::string path;
};

}  // namespace

namespace {

// The parts up to the given number (the last one runs to the end).
std::vector<std::string_view> SplitParts(std::string_view input, std::size_t most) {
  std::vector<std::string_view> parts;
  while (parts.size() + 1 < most) {
    std::size_t end = input.find(kPartEnd);
    if (end == std::string_view::npos) break;
    parts.push_back(input.substr(0, end));
    input.remove_prefix(end + kPartEnd.size());
  }
  parts.push_back(input);
  return parts;
}

}  // namespace

std::vector<std::string_view> Parts(std::string_view input, std::size_t count) {
  std::vector<std::string_view> parts = SplitParts(input, count);
  parts.resize(count);
  return parts;
}

std::vector<std::string_view> AllParts(std::string_view input) {
  return SplitParts(input, std::string_view::npos);
}

std::string JoinParts(const std::vector<std::string>& parts) {
  std::string input;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) input += kPartEnd;
    input += parts[i];
  }
  return input;
}

std::string Shown(std::string_view bytes) {
  std::string shown;
  for (char c : bytes) {
    auto u = static_cast<unsigned char>(c);
    if (u >= 0x20 && u < 0x7F && c != '\\') {
      shown += c;
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", u);
      shown += hex;
    }
  }
  return shown;
}

void Fail(std::string_view what) {
  std::fprintf(stderr, "fuzz finding: %.*s\n", static_cast<int>(what.size()), what.data());
  std::abort();
}

const std::string& ScratchFolder() {
  static Scratch scratch;
  return scratch.path;
}

}  // namespace fuzzsupport
