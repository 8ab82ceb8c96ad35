#pragma once

#include <microhttpd.h>

#include <string>
#include <vector>

struct sockaddr;

// The server's one seam to the system: its listening socket, made here so that a port that
// cannot be had is told by its cause, the addresses of a client and of this computer as text.
// One file per system.

namespace kaz::serve {

enum class ListenError { None, PortInUse, PortNotAllowed, Other };

struct ListenSocket {
    MHD_socket socket = MHD_INVALID_SOCKET;
    int port = 0;  // the port it listens on (the one the system chose for port 0)
    ListenError error = ListenError::None;
};

// A socket listening on `port` (0: any free one) of every IPv4 address of this computer, or of
// 127.0.0.1 alone. It is the caller's to close (closeSocket) until a server takes it.
ListenSocket listenOn(int port, bool loopbackOnly);
// Lets the process hold `connections` open sockets besides its files, where the system allows.
void allowConnections(unsigned connections);
void closeSocket(MHD_socket socket);

// "192.168.1.23": a client's IPv4 address; empty for any other kind.
std::string addressText(const sockaddr* address);

// This computer's IPv4 addresses on its networks (not the loopback), as phones reach it.
std::vector<std::string> localAddresses();

}  // namespace kaz::serve
