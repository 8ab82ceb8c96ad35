
// The channels between editors on Windows: named pipes in overlapped mode. Only the user who
// created a pipe may open it, and each end checks that the process at the other end runs as
// this user.

#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <iterator>
#include <utility>
#include <vector>

#include "instance/local_socket.h"

namespace kaz::app::local_socket {

namespace {

using Clock = std::chrono::steady_clock;

constexpr DWORD kBufferSize = 16384;
constexpr wchar_t kPipeFolder[] = L"\\\\.\\pipe\\";

// A handle that is closed when it goes.
class Handle {
public:
    Handle() = default;
    explicit Handle(HANDLE handle) : m_handle(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
    Handle(Handle&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    Handle& operator=(Handle&& other) noexcept {
        std::swap(m_handle, other.m_handle);
        return *this;
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() {
        if (m_handle) ::CloseHandle(m_handle);
    }
    HANDLE get() const { return m_handle; }
    bool isValid() const { return m_handle != nullptr; }

private:
    HANDLE m_handle = nullptr;
};

Handle newEvent() { return Handle(::CreateEventW(nullptr, TRUE, FALSE, nullptr)); }

DWORD millisecondsLeft(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? DWORD(left) : 0;
}

std::wstring wide(const std::string& utf8) {
    const int size = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring text(size_t(size), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), text.data(), size);
    return text;
}

// The user a token stands for.
std::vector<unsigned char> userOf(HANDLE token) {
    DWORD size = 0;
    ::GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<unsigned char> user(size);
    if (size == 0 || !::GetTokenInformation(token, TokenUser, user.data(), size, &size)) return {};
    return user;
}

PSID sidOf(std::vector<unsigned char>& user) {
    return reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid;
}

std::vector<unsigned char> thisUser() {
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token)) return {};
    const Handle owned(token);
    return userOf(token);
}

// Whether process `id` runs as this user. A process of another user that may not be asked
// counts as another user's.
bool processIsThisUser(ULONG id) {
    const Handle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
    HANDLE token = nullptr;
    if (!process.isValid() || !::OpenProcessToken(process.get(), TOKEN_QUERY, &token)) {
        return false;
    }
    const Handle owned(token);
    std::vector<unsigned char> theirs = userOf(token);
    std::vector<unsigned char> ours = thisUser();
    return !theirs.empty() && !ours.empty() && ::EqualSid(sidOf(theirs), sidOf(ours));
}

// A security descriptor whose only entry lets this user do everything: nobody else may open
// the pipe nor make further instances of it.
class ThisUserOnly {
public:
    ThisUserOnly() : m_user(thisUser()) {
        if (m_user.empty()) return;
        const PSID sid = sidOf(m_user);
        m_list.resize(sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) + ::GetLengthSid(sid));
        auto* list = reinterpret_cast<ACL*>(m_list.data());
        m_valid = ::InitializeAcl(list, DWORD(m_list.size()), ACL_REVISION) &&
                  ::AddAccessAllowedAce(list, ACL_REVISION, GENERIC_ALL, sid) &&
                  ::InitializeSecurityDescriptor(&m_descriptor, SECURITY_DESCRIPTOR_REVISION) &&
                  ::SetSecurityDescriptorDacl(&m_descriptor, TRUE, list, FALSE);
        m_attributes.nLength = sizeof m_attributes;
        m_attributes.lpSecurityDescriptor = &m_descriptor;
        m_attributes.bInheritHandle = FALSE;
    }
    ThisUserOnly(const ThisUserOnly&) = delete;
    ThisUserOnly& operator=(const ThisUserOnly&) = delete;

    SECURITY_ATTRIBUTES* attributes() { return m_valid ? &m_attributes : nullptr; }

private:
    std::vector<unsigned char> m_user;
    std::vector<unsigned char> m_list;
    SECURITY_DESCRIPTOR m_descriptor{};
    SECURITY_ATTRIBUTES m_attributes{};
    bool m_valid = false;
};

}  // namespace

// A pipe with the one operation under way on it that the event loop waits for: a listener's
// wait for a connection, or a connection's read.
struct Channel::State {
    Handle pipe;
    Handle ready;  // signalled when the operation under way has ended
    OVERLAPPED pending{};
    bool underWay = false;
    bool connected = false;  // a listener's: a connection came before it was waited for
    std::wstring address;    // a listener's: where further instances are made
    Handle claim;            // a listener's: the event that says an editor listens here
    char buffer[kBufferSize];
    std::string unread;  // what a read brought beyond the byte asked for

    State(Handle pipeHandle, Handle event) : pipe(std::move(pipeHandle)), ready(std::move(event)) {
        pending.hEvent = ready.get();
    }
    State(const State&) = delete;
    State& operator=(const State&) = delete;
    ~State() { cancel(); }

    // Ends the operation under way; the system must be done with the buffer before it goes.
    void cancel() {
        if (!underWay) return;
        ::CancelIoEx(pipe.get(), &pending);
        DWORD ignored = 0;
        ::GetOverlappedResult(pipe.get(), &pending, &ignored, TRUE);
        underWay = false;
    }
};

Channel::Channel() = default;
Channel::Channel(std::unique_ptr<State> state) : m_state(std::move(state)) {}
Channel::Channel(Channel&& other) noexcept = default;
Channel& Channel::operator=(Channel&& other) noexcept = default;
Channel::~Channel() = default;

std::intptr_t Channel::readyHandle() const {
    return reinterpret_cast<std::intptr_t>(m_state->ready.get());
}

namespace {

// Makes one instance of the pipe at `address`; the first may not exist yet, and its security
// descriptor governs every later one.
Handle newInstance(const std::wstring& address, bool first) {
    ThisUserOnly security;
    if (!security.attributes()) return {};
    const DWORD mode = PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED |
                       (first ? DWORD(FILE_FLAG_FIRST_PIPE_INSTANCE) : DWORD(0));
    return Handle(::CreateNamedPipeW(
        address.c_str(), mode,
        PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS,
        PIPE_UNLIMITED_INSTANCES, kBufferSize, kBufferSize, 0, security.attributes()));
}

// Begins waiting for a connection at the listener's instance.
bool awaitConnection(Channel::State& listener) {
    ::ResetEvent(listener.ready.get());
    listener.connected = false;
    if (::ConnectNamedPipe(listener.pipe.get(), &listener.pending)) {
        listener.underWay = true;  // ended at once; its event is signalled
        return true;
    }
    switch (::GetLastError()) {
        case ERROR_IO_PENDING: listener.underWay = true; return true;
        case ERROR_PIPE_CONNECTED:  // came between making the instance and waiting
            listener.connected = true;
            ::SetEvent(listener.ready.get());
            return true;
        default: return false;
    }
}

// Begins reading into the channel's buffer.
bool beginRead(Channel::State& channel) {
    if (channel.underWay) return true;
    if (!::ReadFile(channel.pipe.get(), channel.buffer, kBufferSize, nullptr, &channel.pending) &&
        ::GetLastError() != ERROR_IO_PENDING) {
        return false;
    }
    channel.underWay = true;
    return true;
}

enum class ReadResult { Waiting, Got, Closed };

// Collects the read under way, waiting up to `waitMs`; `got` is how many bytes came.
ReadResult collectRead(Channel::State& channel, DWORD waitMs, DWORD& got) {
    if (waitMs > 0 && ::WaitForSingleObject(channel.ready.get(), waitMs) != WAIT_OBJECT_0) {
        return ReadResult::Waiting;
    }
    got = 0;
    if (::GetOverlappedResult(channel.pipe.get(), &channel.pending, &got, FALSE)) {
        channel.underWay = false;
        return got > 0 ? ReadResult::Got : ReadResult::Closed;
    }
    if (::GetLastError() == ERROR_IO_INCOMPLETE) return ReadResult::Waiting;
    channel.underWay = false;
    return ReadResult::Closed;
}

}  // namespace

std::string addressFor(const std::string& /*folder*/, const std::string& name) {
    return "\\\\.\\pipe\\" + name;
}

Channel listenAt(const std::string& address) {
    const std::wstring name = wide(address);
    if (name.size() <= std::size(kPipeFolder) - 1) return {};
    // Where an editor listens, the first instance exists already and this one fails. Wine
    // makes it all the same: an event of the pipe's name, which exists while its listener
    // does, tells there too.
    Handle claim(::CreateEventW(
        nullptr, TRUE, FALSE,
        (L"Local\\kazbo-listens-" + name.substr(std::size(kPipeFolder) - 1)).c_str()));
    if (!claim.isValid() || ::GetLastError() == ERROR_ALREADY_EXISTS) return {};
    Handle pipe = newInstance(name, true);
    Handle event = newEvent();
    if (!pipe.isValid() || !event.isValid()) return {};
    auto state = std::make_unique<Channel::State>(std::move(pipe), std::move(event));
    state->address = name;
    state->claim = std::move(claim);
    if (!awaitConnection(*state)) return {};
    return Channel(std::move(state));
}

Channel acceptFromSameUser(Channel& listener) {
    Channel::State& waiting = listener.state();
    for (;;) {
        DWORD ignored = 0;
        if (!waiting.connected) {
            if (!waiting.underWay) return {};
            if (!::GetOverlappedResult(waiting.pipe.get(), &waiting.pending, &ignored, FALSE)) {
                if (::GetLastError() == ERROR_IO_INCOMPLETE) return {};
                // The start that connected has gone already: its instance waits again.
                waiting.underWay = false;
                ::DisconnectNamedPipe(waiting.pipe.get());
                if (!awaitConnection(waiting)) return {};
                continue;
            }
        }
        waiting.underWay = false;
        // The connected instance becomes the connection; a new one waits for the next start.
        Handle next = newInstance(waiting.address, false);
        Handle event = newEvent();
        if (!next.isValid() || !event.isValid()) return {};
        auto connection = std::make_unique<Channel::State>(
            std::exchange(waiting.pipe, std::move(next)), std::move(event));
        const bool waitingAgain = awaitConnection(waiting);
        ULONG client = 0;
        if (::GetNamedPipeClientProcessId(connection->pipe.get(), &client) &&
            processIsThisUser(client) && beginRead(*connection)) {
            return Channel(std::move(connection));
        }
        if (!waitingAgain) return {};
    }
}

Channel connectTo(const std::string& address, int timeoutMs) {
    const std::wstring name = wide(address);
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    Handle pipe;
    for (;;) {
        // Identification only: the editor at the other end may not act as this user.
        pipe = Handle(::CreateFileW(
            name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
            FILE_FLAG_OVERLAPPED | SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION, nullptr));
        if (pipe.isValid()) break;
        // Every instance is taken: again when one is free.
        if (::GetLastError() != ERROR_PIPE_BUSY || Clock::now() >= deadline) return {};
        ::WaitNamedPipeW(name.c_str(), std::max<DWORD>(1, millisecondsLeft(deadline)));
    }
    ULONG server = 0;
    Handle event = newEvent();
    if (!event.isValid() || !::GetNamedPipeServerProcessId(pipe.get(), &server) ||
        !processIsThisUser(server)) {
        return {};
    }
    return Channel(std::make_unique<Channel::State>(std::move(pipe), std::move(event)));
}

bool sendAll(Channel& channel, const std::string& bytes, int timeoutMs) {
    Channel::State& state = channel.state();
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    // A write of its own beside a read that may be under way.
    const Handle event = newEvent();
    if (!event.isValid()) return false;
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        OVERLAPPED writing{};
        writing.hEvent = event.get();
        const DWORD size = DWORD(std::min<std::size_t>(bytes.size() - sent, kBufferSize));
        if (!::WriteFile(state.pipe.get(), bytes.data() + sent, size, nullptr, &writing) &&
            ::GetLastError() != ERROR_IO_PENDING) {
            return false;
        }
        const bool done =
            ::WaitForSingleObject(event.get(), millisecondsLeft(deadline)) == WAIT_OBJECT_0;
        if (!done) ::CancelIoEx(state.pipe.get(), &writing);
        DWORD written = 0;
        if (!::GetOverlappedResult(state.pipe.get(), &writing, &written, TRUE) || !done) {
            return false;
        }
        sent += written;
    }
    return true;
}

int receiveByte(Channel& channel, int timeoutMs) {
    Channel::State& state = channel.state();
    if (state.unread.empty()) {
        DWORD got = 0;
        if (!beginRead(state) ||
            collectRead(state, DWORD(timeoutMs > 0 ? timeoutMs : 0), got) != ReadResult::Got) {
            return -1;
        }
        state.unread.assign(state.buffer, got);
    }
    const int byte = static_cast<unsigned char>(state.unread.front());
    state.unread.erase(0, 1);
    return byte;
}

bool receiveAvailable(Channel& channel, std::string& bytes, std::size_t limit) {
    Channel::State& state = channel.state();
    bytes += std::exchange(state.unread, std::string());
    while (bytes.size() <= limit) {
        DWORD got = 0;
        if (!beginRead(state)) return false;
        switch (collectRead(state, 0, got)) {
            case ReadResult::Waiting: return true;  // the read stays under way
            case ReadResult::Closed: return false;
            case ReadResult::Got: bytes.append(state.buffer, got); break;
        }
    }
    return true;
}

}  // namespace kaz::app::local_socket
