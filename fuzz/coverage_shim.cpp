// g++ marks every basic block with a call of __sanitizer_cov_trace_pc
// (-fsanitize-coverage=trace-pc); libFuzzer counts coverage in counters that it finds in
// the section __libfuzzer_extra_counters. The link renames the calls to the function below
// (--wrap), which counts each block in a counter chosen by its address. Its own code is
// neither instrumented nor checked, so it never calls itself.
#include <cstdint>

extern "C" {

// 64K saturating 8-bit counters: libFuzzer reads and clears them around every input.
__attribute__((section("__libfuzzer_extra_counters"))) std::uint8_t vantrel_block_counters[1 << 16];

__attribute__((no_sanitize_coverage, no_sanitize_address, no_sanitize_undefined)) void
__wrap___sanitizer_cov_trace_pc() {
  const auto pc = reinterpret_cast<std::uintptr_t>(__builtin_return_address(0));
  std::uint8_t& counter = vantrel_block_counters[(pc * 0x9E3779B97F4A7C15ull) >> 48];
  if (counter != 255) ++counter;
}

// g++ also hooks compares of floats, which libFuzzer does not take: they count nothing.
__attribute__((no_sanitize_coverage)) void __sanitizer_cov_trace_cmpf(float, float) {}
__attribute__((no_sanitize_coverage)) void __sanitizer_cov_trace_cmpd(double, double) {}

// A finding of UndefinedBehaviorSanitizer ends the run with SIGABRT, which libFuzzer
// catches to keep the input (its own runtime does not tell libFuzzer otherwise).
const char* __ubsan_default_options() { return "abort_on_error=1:print_stacktrace=1"; }

}  // extern "C"
