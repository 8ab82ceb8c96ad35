#pragma once

#include <chrono>
#include <mutex>
#include <string>
#include <unordered_map>

namespace kaz::serve {

// How many phones are reading: the distinct addresses that asked for a page in the last
// minute. Bounded: past kMostAddresses the oldest are forgotten first, so that no client can
// make it grow without end.
class Viewers {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::seconds kWindow{60};
    static constexpr size_t kMostAddresses = 8192;

    void seen(const std::string& address, Clock::time_point when = Clock::now());
    int count(Clock::time_point now = Clock::now()) const;

private:
    void forgetOld(Clock::time_point now);

    mutable std::mutex m_mutex;
    std::unordered_map<std::string, Clock::time_point> m_lastSeen;
};

}  // namespace kaz::serve
