#pragma once

// The channels through which the editors of one user speak to each other, in the system's own
// calls, so that the editor needs no network library: Unix-domain stream sockets on POSIX
// systems (local_socket_posix.cpp), named pipes on Windows (local_socket_windows.cpp). Every
// channel is non-blocking, and one of another user is never spoken to. No Qt here: the
// Windows file compiles on its own with a cross compiler.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace kaz::app::local_socket {

// One end of a connection, or a place where connections are taken; closed when it goes.
class Channel {
public:
    struct State;  // the system's handles, one kind per platform

    Channel();
    explicit Channel(std::unique_ptr<State> state);
    Channel(Channel&& other) noexcept;
    Channel& operator=(Channel&& other) noexcept;
    Channel(const Channel&) = delete;
    Channel& operator=(const Channel&) = delete;
    ~Channel();

    bool isValid() const { return m_state != nullptr; }
    State& state() const { return *m_state; }
    // What an event loop watches: on POSIX the socket, which turns readable when a connection
    // or bytes wait; on Windows an event object, signalled then.
    std::intptr_t readyHandle() const;

private:
    std::unique_ptr<State> m_state;
};

// Where the editors that share `name` meet: a socket file in `folder` on POSIX systems; a pipe
// of that name on Windows, where `folder` is not used.
std::string addressFor(const std::string& folder, const std::string& name);

// Listens at `address`. Where an editor already listens, nothing is returned; a socket file
// that nobody answers (left by an editor that ended without removing it) is replaced.
Channel listenAt(const std::string& address);
// Takes the next waiting connection of `listener`, if it comes from this user. The connection
// is ready to be watched for bytes.
Channel acceptFromSameUser(Channel& listener);
// Connects to `address` when an editor of this user listens there, within `timeoutMs`.
Channel connectTo(const std::string& address, int timeoutMs);

// Sends all of `bytes` within `timeoutMs`.
bool sendAll(Channel& channel, const std::string& bytes, int timeoutMs);
// Reads one byte within `timeoutMs`; -1 when none came.
int receiveByte(Channel& channel, int timeoutMs);
// Appends what has arrived to `bytes`, up to `limit` bytes in all; false once the other end
// has closed or the channel failed.
bool receiveAvailable(Channel& channel, std::string& bytes, std::size_t limit);

}  // namespace kaz::app::local_socket
