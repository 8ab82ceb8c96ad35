#include "draw/draw_random.h"

#include <chrono>
#include <exception>
#include <random>

namespace kaz {

uint64_t DrawRandom::next() {
    m_state += 0x9E3779B97F4A7C15u;
    uint64_t z = m_state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

uint32_t DrawRandom::below(uint32_t n) {
    const uint64_t threshold = (0 - uint64_t{n}) % n;  // 2^64 mod n
    uint64_t value = next();
    while (value < threshold) value = next();
    return static_cast<uint32_t>(value % n);
}

uint32_t pickDrawNumber() {
    // Only the number comes from here; the lot itself always runs on DrawRandom. Where the
    // system has no randomness to give, the clock will do for picking a number.
    uint64_t seed = 0;
    try {
        std::random_device device;
        seed = (uint64_t{device()} << 32) | device();
    } catch (const std::exception&) {
        seed = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    }
    DrawRandom random(seed);
    return kMinDrawNumber + random.below(kMaxDrawNumber - kMinDrawNumber + 1);
}

}  // namespace kaz
