// The main of every fuzz target: libFuzzer's driver over the target's
// LLVMFuzzerTestOneInput.
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" int LLVMFuzzerRunDriver(int* argc, char*** argv,
                                   int (*test_one_input)(const std::uint8_t*, std::size_t));

int main(int argc, char** argv) {
  return LLVMFuzzerRunDriver(&argc, &argv, LLVMFuzzerTestOneInput);
}
