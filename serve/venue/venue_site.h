#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "html/site_index.h"
#include "venue/site.h"

namespace kaz::serve {

// What a venue serves: each document's live page at its own path, and at "/" the index of them
// all, in the order they came. Safe from any thread: each publisher puts its pages from its own.
class VenueSite {
public:
    VenueSite() : m_site(std::make_shared<Site>()) { putIndex(); }

    // The pages a server answers with.
    std::shared_ptr<const Site> site() const { return m_site; }

    // Puts `page` at `path` (pagePath of its file name) and its line in the index.
    void setDocument(const std::string& path, std::string page, SiteIndexEntry entry,
                     const std::string& updatedAt);
    void removeDocument(const std::string& path);

private:
    void putIndex();

    std::shared_ptr<Site> m_site;
    std::mutex m_mutex;  // over the entries and the index made from them
    std::vector<SiteIndexEntry> m_entries;
    std::string m_updatedAt;
};

}  // namespace kaz::serve
