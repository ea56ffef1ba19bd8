#pragma once
// A small deterministic random source (SplitMix64): the same seed gives the same world on
// every machine and compiler, which the standard distributions do not promise.

#include <cstdint>
#include <vector>

namespace quillbat::sample {

class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A whole number from lo to hi, both included.
    int Between(int lo, int hi) { return lo + static_cast<int>(Next() % static_cast<std::uint64_t>(hi - lo + 1)); }
    // A number in [0, 1).
    double Unit() { return static_cast<double>(Next() >> 11) / 9007199254740992.0; }
    bool Chance(double p) { return Unit() < p; }
    // Of n trials each succeeding with probability p, how many succeed.
    int Binomial(int n, double p) {
        int k = 0;
        for (int i = 0; i < n; ++i) k += Chance(p) ? 1 : 0;
        return k;
    }
    template <typename T>
    const T& Pick(const std::vector<T>& items) { return items[Next() % items.size()]; }

private:
    std::uint64_t state_;
};

}  // namespace quillbat::sample
