#include "venue/site_server.h"

#include <cstring>

#include "venue/microhttpd.h"
#include "venue/network.h"

namespace kaz::serve {

struct SiteServer::Request {
    MHD_Connection* connection;
    const char* path;
    const char* method;
};

namespace {

// Loaded before any server starts (start fails without it), so never null here.
const Microhttpd& mhd() { return *microhttpd(); }

// The request's path as the client wrote it: its escapes are not undone, so that "%2e%2e" or
// "%00" can only ever name no page.
size_t keepEscapes(void*, MHD_Connection*, char* text) { return std::strlen(text); }

// A page's bytes stay alive, without a copy, until the library has sent them.
void releasePage(void* page) { delete static_cast<std::shared_ptr<const Page>*>(page); }

MHD_Result queue(MHD_Connection* connection, unsigned status, MHD_Response* response) {
    if (response == nullptr) return MHD_NO;
    const MHD_Result queued = mhd().queueResponse(connection, status, response);
    mhd().destroyResponse(response);
    return queued;
}

// A short plain answer for a request that names no page or uses another method.
MHD_Result refuse(MHD_Connection* connection, unsigned status) {
    static const char kNotFound[] = "404 Not Found\n";
    static const char kNotAllowed[] = "405 Method Not Allowed\n";
    const char* text = status == MHD_HTTP_NOT_FOUND ? kNotFound : kNotAllowed;
    MHD_Response* response =
        mhd().createResponse(std::strlen(text), const_cast<char*>(text), MHD_RESPMEM_PERSISTENT);
    if (response == nullptr) return MHD_NO;
    mhd().addHeader(response, MHD_HTTP_HEADER_CONTENT_TYPE, "text/plain; charset=utf-8");
    if (status == MHD_HTTP_METHOD_NOT_ALLOWED)
        mhd().addHeader(response, MHD_HTTP_HEADER_ALLOW, "GET, HEAD");
    return queue(connection, status, response);
}

void addCommonHeaders(MHD_Response* response, const Page& page) {
    mhd().addHeader(response, MHD_HTTP_HEADER_ETAG, page.entityTag.c_str());
    // Every reading asks again, and is answered 304 while the page is unchanged.
    mhd().addHeader(response, MHD_HTTP_HEADER_CACHE_CONTROL, "no-cache");
    mhd().addHeader(response, "X-Content-Type-Options", "nosniff");
    mhd().addHeader(response, "Referrer-Policy", "no-referrer");
}

bool isGetOrHead(const char* method) {
    return std::strcmp(method, MHD_HTTP_METHOD_GET) == 0 ||
           std::strcmp(method, MHD_HTTP_METHOD_HEAD) == 0;
}

bool hasBody(MHD_Connection* connection) {
    return mhd().lookupValue(connection, MHD_HEADER_KIND, MHD_HTTP_HEADER_CONTENT_LENGTH) !=
               nullptr ||
           mhd().lookupValue(connection, MHD_HEADER_KIND, MHD_HTTP_HEADER_TRANSFER_ENCODING) !=
               nullptr;
}

// The library calls this once the headers are in, then again once the whole request is: an
// answer given at the first call closes the connection after it, so a page waits for the second,
// and the connection can carry the phone's next request. A request with another method or a body
// is answered at once, and its connection closed.
MHD_Result answerRequest(void* server, MHD_Connection* connection, const char* path,
                         const char* method, const char*, const char*, size_t* uploadSize,
                         void** requestState) {
    static int headersSeen;
    try {
        if (*requestState == nullptr && isGetOrHead(method) && !hasBody(connection)) {
            *requestState = &headersSeen;
            return MHD_YES;
        }
        *uploadSize = 0;
        const SiteServer::Request request{connection, path, method};
        return static_cast<const SiteServer*>(server)->answer(request) ? MHD_YES : MHD_NO;
    } catch (...) {
        return MHD_NO;  // the connection is closed; the server goes on
    }
}

Message listenFailure(ListenError error, int port) {
    switch (error) {
        case ListenError::PortInUse:
            return Message(MessageId::ServePortInUse, {static_cast<long long>(port)});
        case ListenError::PortNotAllowed:
            return Message(MessageId::ServePortNotAllowed, {static_cast<long long>(port)});
        default: return Message(MessageId::ServeFailed, {static_cast<long long>(port)});
    }
}

}  // namespace

SiteServer::SiteServer(std::shared_ptr<const Site> site, int port)
    : m_site(std::move(site)), m_port(port) {}

SiteServer::Started SiteServer::start(std::shared_ptr<const Site> site,
                                      const ServerOptions& options) {
    if (microhttpd() == nullptr)
        return Message(MessageId::ServeFailed, {static_cast<long long>(options.port)});
    const ListenSocket listening = listenOn(options.port, options.loopbackOnly);
    if (listening.error != ListenError::None) return listenFailure(listening.error, options.port);
    allowConnections(options.limits.connections);
    std::unique_ptr<SiteServer> server(new SiteServer(std::move(site), listening.port));
    const ServerLimits& limits = options.limits;
    server->m_daemon = mhd().startDaemon(
        MHD_USE_AUTO_INTERNAL_THREAD, 0, nullptr, nullptr, &answerRequest, server.get(),
        MHD_OPTION_LISTEN_SOCKET, listening.socket, MHD_OPTION_CONNECTION_LIMIT, limits.connections,
        MHD_OPTION_PER_IP_CONNECTION_LIMIT, limits.connectionsPerAddress,
        MHD_OPTION_CONNECTION_TIMEOUT, limits.idleSeconds, MHD_OPTION_CONNECTION_MEMORY_LIMIT,
        limits.requestBytes, MHD_OPTION_UNESCAPE_CALLBACK, &keepEscapes, nullptr,
        MHD_OPTION_STRICT_FOR_CLIENT, 1, MHD_OPTION_END);
    if (server->m_daemon == nullptr) {
        closeSocket(listening.socket);
        return Message(MessageId::ServeFailed, {static_cast<long long>(options.port)});
    }
    return server;
}

SiteServer::~SiteServer() {
    if (m_daemon != nullptr) mhd().stopDaemon(m_daemon);
}

int SiteServer::answer(const Request& request) const {
    MHD_Connection* connection = request.connection;
    if (!isGetOrHead(request.method)) return refuse(connection, MHD_HTTP_METHOD_NOT_ALLOWED);
    std::shared_ptr<const Page> page = m_site->page(request.path);
    if (!page) return refuse(connection, MHD_HTTP_NOT_FOUND);

    const MHD_ConnectionInfo* client =
        mhd().connectionInfo(connection, MHD_CONNECTION_INFO_CLIENT_ADDRESS);
    if (client != nullptr) m_viewers.seen(addressText(client->client_addr));

    const char* asked =
        mhd().lookupValue(connection, MHD_HEADER_KIND, MHD_HTTP_HEADER_IF_NONE_MATCH);
    if (asked != nullptr && page->entityTag == asked) {
        MHD_Response* response = mhd().createResponse(0, nullptr, MHD_RESPMEM_PERSISTENT);
        if (response == nullptr) return MHD_NO;
        addCommonHeaders(response, *page);
        return queue(connection, MHD_HTTP_NOT_MODIFIED, response);
    }
    auto* held = new std::shared_ptr<const Page>(page);
    MHD_Response* response = mhd().createResponseHeld(
        page->body.size(), const_cast<char*>(page->body.data()), &releasePage, held);
    if (response == nullptr) {
        delete held;
        return MHD_NO;
    }
    mhd().addHeader(response, MHD_HTTP_HEADER_CONTENT_TYPE, page->contentType.c_str());
    addCommonHeaders(response, *page);
    return queue(connection, MHD_HTTP_OK, response);
}

}  // namespace kaz::serve
