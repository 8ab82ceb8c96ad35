#include "instance/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>
#include <memory>

namespace {

// Written back once the files are taken.
constexpr char kTaken = 'k';
// Each path is sent as UTF-8 ending in a NUL byte, which no path holds; an empty one ends the
// list. More than this is no list of files.
constexpr qsizetype kMostBytes = 1 << 20;
// Later starts read from at once, and how long each may take to say its list.
constexpr int kMostConnections = 8;
constexpr int kListWithinMs = 5000;

bool complete(const QByteArray& message) {
    return message == QByteArray(1, '\0') || message.endsWith(QByteArray(2, '\0'));
}

QStringList filesIn(const QByteArray& message) {
    QStringList files;
    for (const QByteArray& file : message.split('\0')) {
        if (!file.isEmpty()) files << QString::fromUtf8(file);
    }
    return files;
}

}  // namespace

SingleInstance::SingleInstance(QObject* parent) : QObject(parent) {}

SingleInstance::~SingleInstance() {
    if (!m_listener.isValid()) return;
    delete m_listening;  // before its socket closes
    QFile::remove(QFile::decodeName(m_path));
}

// Per user and display, so that editors of other users or on other screens stay apart; in the
// user's own runtime folder where there is one.
QByteArray SingleInstance::socketPath() {
    const QByteArray key = qgetenv("USER") + '\n' + qgetenv("DISPLAY") + '\n' +
                           qgetenv("WAYLAND_DISPLAY") + '\n' + qgetenv("XDG_RUNTIME_DIR");
    QByteArray folder = qgetenv("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QFileInfo(QFile::decodeName(folder)).isDir()) {
        folder = QFile::encodeName(QDir::tempPath());
    }
    return folder + "/kazbo-" +
           QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(24);
}

bool SingleInstance::handOver(const QStringList& files, int timeoutMs) {
    const local_socket::FileDescriptor socket = local_socket::connectTo(socketPath(), timeoutMs);
    if (!socket.isValid()) return false;
    QByteArray message;
    for (const QString& file : files) message += file.toUtf8() + '\0';
    message += '\0';
    return local_socket::sendAll(socket.get(), message, timeoutMs) &&
           local_socket::receiveByte(socket.get(), timeoutMs) == kTaken;
}

bool SingleInstance::listen() {
    if (m_listener.isValid()) return true;
    m_path = socketPath();
    m_listener = local_socket::listenAt(m_path);
    if (!m_listener.isValid()) return false;
    m_listening = new QSocketNotifier(m_listener.get(), QSocketNotifier::Read, this);
    connect(m_listening, &QSocketNotifier::activated, this, &SingleInstance::acceptConnections);
    return true;
}

void SingleInstance::acceptConnections() {
    for (;;) {
        local_socket::FileDescriptor connection =
            local_socket::acceptFromSameUser(m_listener.get());
        if (!connection.isValid()) return;
        // Beyond the most, a start's connection is closed and it runs on its own.
        if (m_connections < kMostConnections) take(std::move(connection));
    }
}

void SingleInstance::take(local_socket::FileDescriptor connection) {
    ++m_connections;
    const int fd = connection.get();
    auto* reading = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    // The socket closes with the notifier, when its connection below goes.
    auto socket = std::make_shared<local_socket::FileDescriptor>(std::move(connection));
    auto message = std::make_shared<QByteArray>();
    auto finish = [this, reading] {
        if (!reading->isEnabled()) return;
        reading->setEnabled(false);
        reading->deleteLater();
        --m_connections;
    };
    QTimer::singleShot(kListWithinMs, reading, finish);
    connect(reading, &QSocketNotifier::activated, this, [this, fd, socket, message, finish] {
        const bool open = local_socket::receiveAvailable(fd, *message, kMostBytes);
        if (message->size() > kMostBytes || (!open && !complete(*message))) {
            finish();
            return;
        }
        if (!complete(*message)) return;  // the rest is still coming
        local_socket::sendAll(fd, QByteArray(1, kTaken), 100);
        finish();
        emit filesReceived(filesIn(*message));
    });
}
