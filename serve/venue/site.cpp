#include "venue/site.h"

#include <cstdint>

namespace kaz::serve {

void Site::setPage(const std::string& path, std::string body, std::string contentType) {
    auto page = std::make_shared<Page>();
    page->entityTag = entityTag(body);
    page->body = std::move(body);
    page->contentType = std::move(contentType);
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pages[path] = std::move(page);
}

void Site::removePage(const std::string& path) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pages.erase(path);
}

std::shared_ptr<const Page> Site::page(const std::string& path) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto found = m_pages.find(path);
    return found == m_pages.end() ? nullptr : found->second;
}

std::string entityTag(std::string_view body) {
    // FNV-1a over the bytes and the length: a tag, not a secret.
    uint64_t hash = 14695981039346656037ull;
    for (const char c : body) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    hash ^= body.size();
    static const char kDigits[] = "0123456789abcdef";
    std::string tag = "\"";
    for (int shift = 60; shift >= 0; shift -= 4) tag += kDigits[(hash >> shift) & 0xF];
    tag += '"';
    return tag;
}

std::string pagePath(std::string_view fileName) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string path = "/";
    for (const char c : fileName) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                           (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' ||
                           byte == '_' || byte == '~';
        if (plain) {
            path += c;
        } else {
            path += '%';
            path += kDigits[byte >> 4];
            path += kDigits[byte & 0xF];
        }
    }
    return path;
}

}  // namespace kaz::serve
