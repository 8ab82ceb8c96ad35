#include <winsock2.h>
#include <ws2tcpip.h>
// after winsock2.h
#include <iphlpapi.h>

#include <vector>

#include "venue/network.h"

namespace kaz::serve {

namespace {

// Winsock counts its users: the server's library starts it too.
bool startWinsock() {
    static const bool started = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return started;
}

}  // namespace

ListenSocket listenOn(int port, bool loopbackOnly) {
    ListenSocket result;
    if (!startWinsock()) {
        result.error = ListenError::Other;
        return result;
    }
    const SOCKET socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (socket == INVALID_SOCKET) {
        result.error = ListenError::Other;
        return result;
    }
    // No other program may take the port while the editor serves on it.
    BOOL on = TRUE;
    ::setsockopt(socket, SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*>(&on),
                 sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<u_short>(port));
    address.sin_addr.s_addr = htonl(loopbackOnly ? INADDR_LOOPBACK : INADDR_ANY);
    u_long nonBlocking = 1;
    if (::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(socket, SOMAXCONN) != 0 || ::ioctlsocket(socket, FIONBIO, &nonBlocking) != 0) {
        const int cause = WSAGetLastError();
        ::closesocket(socket);
        result.error = cause == WSAEADDRINUSE ? ListenError::PortInUse
                       : cause == WSAEACCES   ? ListenError::PortInUse  // held exclusively
                                              : ListenError::Other;
        return result;
    }
    int length = sizeof address;
    ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length);
    result.socket = socket;
    result.port = ntohs(address.sin_port);
    return result;
}

void closeSocket(MHD_socket socket) { ::closesocket(socket); }

void allowConnections(unsigned) {}  // Windows sets no such limit on sockets

std::string addressText(const sockaddr* address) {
    if (address == nullptr || address->sa_family != AF_INET) return std::string();
    char text[INET_ADDRSTRLEN] = "";
    auto* ipv4 = reinterpret_cast<const sockaddr_in*>(address);
    if (::inet_ntop(AF_INET, const_cast<in_addr*>(&ipv4->sin_addr), text, sizeof text) == nullptr) {
        return std::string();
    }
    return text;
}

std::vector<std::string> localAddresses() {
    std::vector<std::string> addresses;
    ULONG size = 16 * 1024;
    std::vector<unsigned char> buffer;
    ULONG outcome = ERROR_BUFFER_OVERFLOW;
    for (int attempt = 0; attempt < 3 && outcome == ERROR_BUFFER_OVERFLOW; ++attempt) {
        buffer.resize(size);
        outcome = ::GetAdaptersAddresses(
            AF_INET, GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER,
            nullptr, reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()), &size);
    }
    if (outcome != NO_ERROR) return addresses;
    for (auto* adapter = reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()); adapter != nullptr;
         adapter = adapter->Next) {
        if (adapter->OperStatus != IfOperStatusUp || adapter->IfType == IF_TYPE_SOFTWARE_LOOPBACK) {
            continue;
        }
        for (auto* unicast = adapter->FirstUnicastAddress; unicast != nullptr;
             unicast = unicast->Next) {
            const std::string text = addressText(unicast->Address.lpSockaddr);
            if (!text.empty()) addresses.push_back(text);
        }
    }
    return addresses;
}

}  // namespace kaz::serve
