#include "instance/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <memory>
#ifdef Q_OS_WIN
#include <qt_windows.h>

#include <QWinEventNotifier>
#else
#include <QSocketNotifier>
#endif

#include "settings/profile_settings.h"

namespace kaz::app {

namespace {

// Written back once the files are taken.
constexpr char kTaken = 'k';
// Each path is sent as UTF-8 ending in a NUL byte, which no path holds; an empty one ends the
// list. More than this is no list of files.
constexpr std::size_t kMostBytes = 1 << 20;
// Later starts read from at once, and how long each may take to say its list.
constexpr int kMostConnections = 8;
constexpr int kListWithinMs = 5000;

bool complete(const std::string& message) {
    const std::size_t size = message.size();
    return message == std::string(1, '\0') ||
           (size >= 2 && message[size - 1] == '\0' && message[size - 2] == '\0');
}

QStringList filesIn(const std::string& message) {
    QStringList files;
    for (const QByteArray& file : QByteArray::fromStdString(message).split('\0')) {
        if (!file.isEmpty()) files << QString::fromUtf8(file);
    }
    return files;
}

#ifdef Q_OS_WIN
using Watcher = QWinEventNotifier;
#else
using Watcher = QSocketNotifier;
#endif

// Tells, by its signal `activated`, whenever `channel` has a connection or bytes waiting.
Watcher* watcherOf(const local_socket::Channel& channel, QObject* owner) {
#ifdef Q_OS_WIN
    return new QWinEventNotifier(reinterpret_cast<Qt::HANDLE>(channel.readyHandle()), owner);
#else
    return new QSocketNotifier(channel.readyHandle(), QSocketNotifier::Read, owner);
#endif
}

}  // namespace

SingleInstance::SingleInstance(QObject* parent) : QObject(parent) {}

SingleInstance::~SingleInstance() {
    if (!m_listener.isValid()) return;
    delete m_listening;  // before its channel closes
#ifndef Q_OS_WIN         // a pipe goes with its last handle
    QFile::remove(QFile::decodeName(QByteArray::fromStdString(m_path)));
#endif
}

// Per user and display (session on Windows), so that editors of other users or on other
// screens stay apart; in the user's own runtime folder where there is one.
std::string SingleInstance::socketPath() {
#ifdef Q_OS_WIN
    const QByteArray key =
        qgetenv("USERDOMAIN") + '\\' + qgetenv("USERNAME") + '\n' + qgetenv("SESSIONNAME");
    const QByteArray folder;
#else
    const QByteArray key = qgetenv("USER") + '\n' + qgetenv("DISPLAY") + '\n' +
                           qgetenv("WAYLAND_DISPLAY") + '\n' + qgetenv("XDG_RUNTIME_DIR");
    QByteArray folder = qgetenv("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QFileInfo(QFile::decodeName(folder)).isDir()) {
        folder = QFile::encodeName(QDir::tempPath());
    }
#endif
    const QByteArray name =
        QByteArray(kApplicationName) + '-' +
        QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(24);
    return local_socket::addressFor(folder.toStdString(), name.toStdString());
}

bool SingleInstance::handOver(const QStringList& files, int timeoutMs) {
    local_socket::Channel channel = local_socket::connectTo(socketPath(), timeoutMs);
    if (!channel.isValid()) return false;
    std::string message;
    for (const QString& file : files) message += file.toStdString() + '\0';
    message += '\0';
#ifdef Q_OS_WIN
    // Windows lets the editor that takes the files come to the front only when this start,
    // which the user has just made, allows it.
    ::AllowSetForegroundWindow(ASFW_ANY);
#endif
    return local_socket::sendAll(channel, message, timeoutMs) &&
           local_socket::receiveByte(channel, timeoutMs) == kTaken;
}

bool SingleInstance::listen() {
    if (m_listener.isValid()) return true;
    m_path = socketPath();
    m_listener = local_socket::listenAt(m_path);
    if (!m_listener.isValid()) return false;
    Watcher* listening = watcherOf(m_listener, this);
    connect(listening, &Watcher::activated, this, &SingleInstance::acceptConnections);
    m_listening = listening;
    return true;
}

void SingleInstance::acceptConnections() {
    for (;;) {
        local_socket::Channel connection = local_socket::acceptFromSameUser(m_listener);
        if (!connection.isValid()) return;
        // Beyond the most, a start's connection is closed and it runs on its own.
        if (m_connections < kMostConnections) take(std::move(connection));
    }
}

void SingleInstance::take(local_socket::Channel connection) {
    ++m_connections;
    Watcher* reading = watcherOf(connection, this);
    // The channel closes with the watcher, when its connection below goes.
    auto channel = std::make_shared<local_socket::Channel>(std::move(connection));
    auto message = std::make_shared<std::string>();
    auto finish = [this, reading] {
        if (!reading->isEnabled()) return;
        reading->setEnabled(false);
        reading->deleteLater();
        --m_connections;
    };
    QTimer::singleShot(kListWithinMs, reading, finish);
    connect(reading, &Watcher::activated, this, [this, channel, message, finish] {
        const bool open = local_socket::receiveAvailable(*channel, *message, kMostBytes);
        if (message->size() > kMostBytes || (!open && !complete(*message))) {
            finish();
            return;
        }
        if (!complete(*message)) return;  // the rest is still coming
        local_socket::sendAll(*channel, std::string(1, kTaken), 100);
        finish();
        emit filesReceived(filesIn(*message));
    });
}

}  // namespace kaz::app
