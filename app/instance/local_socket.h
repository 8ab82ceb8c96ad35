#pragma once

#include <QByteArray>

#include "platform/file_descriptor.h"

// Unix-domain stream sockets through which the editors of one user speak to each other, in
// plain POSIX calls: the editor needs no network library for them. Every socket here is
// non-blocking; a socket of another user is never spoken to.
namespace local_socket {

using kaz::platform::FileDescriptor;

// Listens at `path`. A socket file there that nobody answers (left by an editor that ended
// without removing it) is replaced; one that answers is in use, and nothing is returned.
FileDescriptor listenAt(const QByteArray& path);
// Takes the next waiting connection of `listener`, if it comes from this user.
FileDescriptor acceptFromSameUser(int listener);
// Connects to `path` when an editor of this user listens there, within `timeoutMs`.
FileDescriptor connectTo(const QByteArray& path, int timeoutMs);

// Sends all of `bytes` within `timeoutMs`.
bool sendAll(int fd, const QByteArray& bytes, int timeoutMs);
// Reads one byte within `timeoutMs`; -1 when none came.
int receiveByte(int fd, int timeoutMs);
// Appends what has arrived to `bytes`, up to `limit` bytes in all; false once the other end
// has closed or the socket failed.
bool receiveAvailable(int fd, QByteArray& bytes, qsizetype limit);

}  // namespace local_socket
