#include <arpa/inet.h>
#include <fcntl.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "venue/network.h"

namespace kaz::serve {

ListenSocket listenOn(int port, bool loopbackOnly) {
    ListenSocket result;
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        result.error = ListenError::Other;
        return result;
    }
    // A server stopped a moment ago leaves its connections waiting: the port is still free.
    const int on = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(loopbackOnly ? INADDR_LOOPBACK : INADDR_ANY);
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, SOMAXCONN) != 0) {
        const int cause = errno;
        ::close(fd);
        result.error = cause == EADDRINUSE ? ListenError::PortInUse
                       : cause == EACCES   ? ListenError::PortNotAllowed
                                           : ListenError::Other;
        return result;
    }
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    result.socket = fd;
    result.port = ntohs(address.sin_port);
    return result;
}

void closeSocket(MHD_socket socket) { ::close(socket); }

void allowConnections(unsigned connections) {
    // The usual soft limit, 1,024 descriptors, is below a hall's phones; the hard one is not.
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0) return;
    const rlim_t wanted = static_cast<rlim_t>(connections) + 256;
    if (limit.rlim_cur == RLIM_INFINITY || limit.rlim_cur >= wanted) return;
    limit.rlim_cur = limit.rlim_max == RLIM_INFINITY ? wanted : std::min(wanted, limit.rlim_max);
    ::setrlimit(RLIMIT_NOFILE, &limit);
}

std::string addressText(const sockaddr* address) {
    if (address == nullptr || address->sa_family != AF_INET) return std::string();
    char text[INET_ADDRSTRLEN] = "";
    const auto* ipv4 = reinterpret_cast<const sockaddr_in*>(address);
    if (::inet_ntop(AF_INET, &ipv4->sin_addr, text, sizeof text) == nullptr) return std::string();
    return text;
}

std::vector<std::string> localAddresses() {
    std::vector<std::string> addresses;
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0) return addresses;
    for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
        if ((entry->ifa_flags & IFF_UP) == 0 || (entry->ifa_flags & IFF_LOOPBACK) != 0) continue;
        const std::string text = addressText(entry->ifa_addr);
        if (!text.empty()) addresses.push_back(text);
    }
    ::freeifaddrs(list);
    return addresses;
}

}  // namespace kaz::serve
