#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// The lot's random numbers. A draw number gives the same numbers on every platform and in
// every version, so the standard library's engines and distributions are not used.
//
// The generator is SplitMix64: the state starts at the draw number; each step adds
// 0x9E3779B97F4A7C15 to it and returns z ^ (z >> 31), where z is the state after
// z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9 and z = (z ^ (z >> 27)) * 0x94D049BB133111EB
// (arithmetic modulo 2^64). A number below n is the first value v with v >= 2^64 mod n, taken
// modulo n, so that every number is equally likely.

namespace kaz {

constexpr uint32_t kMinDrawNumber = 1;
constexpr uint32_t kMaxDrawNumber = 999999;

class DrawRandom {
public:
    explicit DrawRandom(uint64_t seed) : m_state(seed) {}

    // The next 64-bit value.
    uint64_t next();

    // A number from 0 to n - 1 (n at least 1).
    uint32_t below(uint32_t n);

    // Puts `items` in a random order: for i from the last index down to 1, item i changes
    // places with item below(i + 1).
    template <typename T>
    void shuffle(std::vector<T>& items) {
        for (size_t i = items.size(); i > 1; --i) {
            std::swap(items[i - 1], items[below(static_cast<uint32_t>(i))]);
        }
    }

private:
    uint64_t m_state;
};

// A fresh draw number from kMinDrawNumber to kMaxDrawNumber, from the system's randomness.
uint32_t pickDrawNumber();

}  // namespace kaz
