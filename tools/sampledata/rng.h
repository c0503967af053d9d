// A small random source that gives the same numbers for the same seed on every machine
// and library (the standard distributions do not promise that).
#pragma once
#include <cmath>
#include <cstdint>
#include <vector>

namespace sampledata {

class Rng {
 public:
  explicit Rng(uint64_t seed) : state_(seed) {}

  uint64_t Next() {  // splitmix64
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // In [0, 1).
  double Unit() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
  // In [lo, hi], both included.
  int Uniform(int lo, int hi) {
    return lo + static_cast<int>(Next() % static_cast<uint64_t>(hi - lo + 1));
  }
  bool Chance(double p) { return Unit() < p; }
  // Standard normal (Box-Muller).
  double Normal() {
    double u = 1.0 - Unit();
    double v = Unit();
    return std::sqrt(-2.0 * std::log(u)) * std::cos(6.283185307179586 * v);
  }
  template <typename T>
  const T& Pick(const std::vector<T>& items) {
    return items[Next() % items.size()];
  }

 private:
  uint64_t state_;
};

}  // namespace sampledata
