#pragma once

#include <memory>
#include <variant>

#include "text/messages.h"
#include "venue/site.h"
#include "venue/viewers.h"

struct MHD_Daemon;

namespace kaz::serve {

// What one server allows its clients, who may be anyone on the hall's Wi-Fi.
struct ServerLimits {
    unsigned connections = 2000;          // open at once, in all
    unsigned connectionsPerAddress = 32;  // open at once from one address
    unsigned idleSeconds = 10;            // a client that sends nothing or reads nothing this long
                                          // is dropped
    size_t requestBytes = 16 * 1024;      // the request line and headers: a longer request line
                                          // is answered 414, longer headers 431
};

struct ServerOptions {
    int port = 8080;  // 0: any free port (tests)
    bool loopbackOnly = false;
    ServerLimits limits;
};

// Serves the pages of a Site over HTTP, read-only, on a thread of its own (libmicrohttpd's):
// GET and HEAD of a page that is there (a conditional request whose tag still matches gets
// 304), 405 for every other method, 404 for every other path. It reads nothing but its Site,
// so that it cannot change a document nor reach a file.
class SiteServer {
public:
    using Started = std::variant<std::unique_ptr<SiteServer>, Message>;
    // The server listening on `options.port`, or what kept it from starting (the port in use,
    // not allowed), in the system's words.
    static Started start(std::shared_ptr<const Site> site, const ServerOptions& options);
    // Stops: every connection is closed.
    ~SiteServer();
    SiteServer(const SiteServer&) = delete;
    SiteServer& operator=(const SiteServer&) = delete;

    int port() const { return m_port; }
    // The distinct addresses that read a page in the last minute.
    int viewerCount() const { return m_viewers.count(); }

    // For libmicrohttpd's callback: the answer to one request.
    struct Request;
    int answer(const Request& request) const;

private:
    SiteServer(std::shared_ptr<const Site> site, int port);

    std::shared_ptr<const Site> m_site;
    int m_port;
    mutable Viewers m_viewers;
    MHD_Daemon* m_daemon = nullptr;
};

}  // namespace kaz::serve
