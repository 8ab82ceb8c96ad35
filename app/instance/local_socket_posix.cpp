#include "instance/local_socket.h"

// The channels between editors on POSIX systems: Unix-domain stream sockets.

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>
#include <thread>

#include "platform/file_descriptor.h"

namespace kaz::app::local_socket {

using kaz::platform::FileDescriptor;

struct Channel::State {
    FileDescriptor socket;
};

Channel::Channel() = default;
Channel::Channel(std::unique_ptr<State> state) : m_state(std::move(state)) {}
Channel::Channel(Channel&& other) noexcept = default;
Channel& Channel::operator=(Channel&& other) noexcept = default;
Channel::~Channel() = default;

std::intptr_t Channel::readyHandle() const { return m_state->socket.get(); }

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kBacklog = 8;
// How long listening waits for an answer at a socket file before taking it as left over.
constexpr int kProbeMs = 200;

Channel channelOf(FileDescriptor socket) {
    if (!socket.isValid()) return {};
    return Channel(std::make_unique<Channel::State>(Channel::State{std::move(socket)}));
}

int descriptorOf(const Channel& channel) { return channel.state().socket.get(); }

std::optional<sockaddr_un> addressOf(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path) return std::nullopt;
    std::memcpy(address.sun_path, path.data(), path.size());
    return address;
}

FileDescriptor newSocket() {
    return FileDescriptor(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
}

bool peerIsSameUser(int fd) {
#if defined(SO_PEERCRED)
    ucred credentials{};
    socklen_t size = sizeof credentials;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0 &&
           credentials.uid == ::geteuid();
#else
    uid_t user = 0;
    gid_t group = 0;
    return ::getpeereid(fd, &user, &group) == 0 && user == ::geteuid();
#endif
}

int millisecondsLeft(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? int(left) : 0;
}

// Waits until `fd` is ready for `events` or the deadline has passed.
bool waitFor(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        pollfd entry{fd, events, 0};
        const int ready = ::poll(&entry, 1, millisecondsLeft(deadline));
        if (ready > 0) return true;
        if (ready == 0 || errno != EINTR) return false;
    }
}

bool bindAndListen(int fd, const sockaddr_un& address) {
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) return false;
    // Nobody else may even try: the peer's user is checked as well.
    ::chmod(address.sun_path, S_IRUSR | S_IWUSR);
    return ::listen(fd, kBacklog) == 0;
}

}  // namespace

std::string addressFor(const std::string& folder, const std::string& name) {
    return folder + '/' + name;
}

Channel listenAt(const std::string& path) {
    const std::optional<sockaddr_un> address = addressOf(path);
    if (!address) return {};
    FileDescriptor listener = newSocket();
    if (!listener.isValid()) return {};
    if (bindAndListen(listener.get(), *address)) return channelOf(std::move(listener));
    if (errno != EADDRINUSE || connectTo(path, kProbeMs).isValid()) return {};
    // Nobody answers there: a socket of this user that an editor left behind is replaced.
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 || !S_ISSOCK(status.st_mode) ||
        status.st_uid != ::geteuid() || ::unlink(path.c_str()) != 0) {
        return {};
    }
    return bindAndListen(listener.get(), *address) ? channelOf(std::move(listener)) : Channel();
}

Channel acceptFromSameUser(Channel& listener) {
    for (;;) {
        FileDescriptor connection(
            ::accept4(descriptorOf(listener), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
        if (!connection.isValid()) {
            if (errno == EINTR || errno == ECONNABORTED) continue;
            return {};
        }
        if (peerIsSameUser(connection.get())) return channelOf(std::move(connection));
    }
}

Channel connectTo(const std::string& path, int timeoutMs) {
    const std::optional<sockaddr_un> address = addressOf(path);
    if (!address) return {};
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    FileDescriptor socket = newSocket();
    if (!socket.isValid()) return {};
    const auto* raw = reinterpret_cast<const sockaddr*>(&*address);
    // A local connection is made at once or refused; a full queue of waiting connections
    // says "again later".
    while (::connect(socket.get(), raw, sizeof *address) != 0) {
        if (errno != EAGAIN && errno != EINTR) return {};
        if (Clock::now() >= deadline) return {};
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return peerIsSameUser(socket.get()) ? channelOf(std::move(socket)) : Channel();
}

bool sendAll(Channel& channel, const std::string& bytes, int timeoutMs) {
    const int fd = descriptorOf(channel);
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t now = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (now > 0) {
            sent += std::size_t(now);
        } else if (now < 0 && errno == EINTR) {
            continue;
        } else if (now < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!waitFor(fd, POLLOUT, deadline)) return false;
        } else {
            return false;
        }
    }
    return true;
}

int receiveByte(Channel& channel, int timeoutMs) {
    const int fd = descriptorOf(channel);
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        unsigned char byte = 0;
        const ssize_t got = ::recv(fd, &byte, 1, 0);
        if (got == 1) return byte;
        if (got == 0) return -1;
        if (errno == EINTR) continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK) return -1;
        if (!waitFor(fd, POLLIN, deadline)) return -1;
    }
}

bool receiveAvailable(Channel& channel, std::string& bytes, std::size_t limit) {
    const int fd = descriptorOf(channel);
    char buffer[16384];
    while (bytes.size() <= limit) {
        const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
        if (got > 0) {
            bytes.append(buffer, std::size_t(got));
        } else if (got == 0) {
            return false;
        } else if (errno != EINTR) {
            return errno == EAGAIN || errno == EWOULDBLOCK;
        }
    }
    return true;
}

}  // namespace kaz::app::local_socket
