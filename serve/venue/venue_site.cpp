#include "venue/venue_site.h"

#include <algorithm>

namespace kaz::serve {

void VenueSite::setDocument(const std::string& path, std::string page, SiteIndexEntry entry,
                            const std::string& updatedAt) {
    entry.href = path;
    m_site->setPage(path, std::move(page));
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto found = std::find_if(m_entries.begin(), m_entries.end(),
                                    [&path](const SiteIndexEntry& e) { return e.href == path; });
    if (found == m_entries.end()) {
        m_entries.push_back(std::move(entry));
    } else {
        *found = std::move(entry);
    }
    m_updatedAt = std::max(m_updatedAt, updatedAt);
    putIndex();
}

void VenueSite::removeDocument(const std::string& path) {
    m_site->removePage(path);
    std::lock_guard<std::mutex> lock(m_mutex);
    m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(),
                                   [&path](const SiteIndexEntry& e) { return e.href == path; }),
                    m_entries.end());
    putIndex();
}

void VenueSite::putIndex() { m_site->setPage("/", writeSiteIndex(m_entries, m_updatedAt)); }

}  // namespace kaz::serve
