#include "venue/viewers.h"

#include <algorithm>
#include <vector>

namespace kaz::serve {

void Viewers::seen(const std::string& address, Clock::time_point when) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_lastSeen.size() >= kMostAddresses && m_lastSeen.count(address) == 0) forgetOld(when);
    m_lastSeen[address] = when;
}

int Viewers::count(Clock::time_point now) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return static_cast<int>(std::count_if(m_lastSeen.begin(), m_lastSeen.end(),
                                          [now](auto& e) { return now - e.second < kWindow; }));
}

void Viewers::forgetOld(Clock::time_point now) {
    for (auto it = m_lastSeen.begin(); it != m_lastSeen.end();) {
        it = now - it->second >= kWindow ? m_lastSeen.erase(it) : std::next(it);
    }
    // Still full: a flood of addresses within the minute. The oldest half goes.
    if (m_lastSeen.size() < kMostAddresses) return;
    std::vector<Clock::time_point> times;
    for (const auto& entry : m_lastSeen) times.push_back(entry.second);
    auto middle = times.begin() + times.size() / 2;
    std::nth_element(times.begin(), middle, times.end());
    const Clock::time_point cut = *middle;
    for (auto it = m_lastSeen.begin(); it != m_lastSeen.end();) {
        it = it->second <= cut ? m_lastSeen.erase(it) : std::next(it);
    }
}

}  // namespace kaz::serve
