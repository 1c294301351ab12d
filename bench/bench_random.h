#pragma once

#include <cstdint>

namespace tkm::bench {

// splitmix64: tiny, fast, and the same numbers on every machine and library,
// which std::uniform_int_distribution does not promise.
class TBenchRandom {
public:
    explicit TBenchRandom(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [low, high].
    int Between(int low, int high) { return low + int(Next() % std::uint64_t(high - low + 1)); }
    // True with the given chance in percent.
    bool Percent(int chance) { return Between(0, 99) < chance; }

private:
    std::uint64_t state_;
};

}  // namespace tkm::bench
