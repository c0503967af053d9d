// What the fuzz targets share: the input as bytes, its parts, the check that reports a
// finding, and a scratch folder for the readers that take a file.
//
// A target whose input has several parts (a line of parameters, a file, ...) reads them
// separated by a line "%%": the bytes "\n%%\n" end a part; missing parts are empty.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Every target defines this; it returns 0.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fuzzsupport {

inline constexpr std::string_view kPartEnd = "\n%%\n";

inline std::string_view Bytes(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// The first `count` parts of the input; the last one runs to the end.
std::vector<std::string_view> Parts(std::string_view input, std::size_t count);
// Every part of the input.
std::vector<std::string_view> AllParts(std::string_view input);

// The input's parts written back, for seeds.
std::string JoinParts(const std::vector<std::string>& parts);

// A finding: prints what was wrong (bytes shown as \xNN where not printable) and aborts,
// so that libFuzzer keeps the input.
[[noreturn]] void Fail(std::string_view what);
std::string Shown(std::string_view bytes);

// A folder of this process, made at the first call and removed at the end of the run.
const std::string& ScratchFolder();

}  // namespace fuzzsupport

// Reports a finding unless the condition holds.
#define FUZZ_CHECK(condition, what)                                               \
  do {                                                                            \
    if (!(condition)) ::fuzzsupport::Fail(std::string(#condition ": ") + (what)); \
  } while (false)
