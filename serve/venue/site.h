#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace kaz::serve {

// One page the server answers with: its bytes, their entity tag and their type.
struct Page {
    std::string body;
    std::string entityTag;  // "\"…\"", made from the bytes: the same page has the same tag
    std::string contentType;
};

// The pages a server answers with, by the path a request names ("/" the index,
// "/<name>.html"), held in memory: nothing is ever read from a path a request names. Shared
// between the thread that makes the pages and the server's: a page is replaced whole, and a
// request keeps the version it found while it is sent.
class Site {
public:
    void setPage(const std::string& path, std::string body,
                 std::string contentType = "text/html; charset=utf-8");
    void removePage(const std::string& path);
    // The page at `path` as a request names it (its percent escapes left as they are), or
    // nullptr.
    std::shared_ptr<const Page> page(const std::string& path) const;

private:
    mutable std::mutex m_mutex;
    std::map<std::string, std::shared_ptr<const Page>> m_pages;
};

// The entity tag of `body`: a hash of its bytes, quoted.
std::string entityTag(std::string_view body);

// The path of a page called `fileName` (UTF-8) as a browser asks for it: "/" followed by the
// name with every byte but letters, digits and - . _ ~ percent-escaped.
std::string pagePath(std::string_view fileName);

}  // namespace kaz::serve
