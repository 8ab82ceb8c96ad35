#include "single_instance.h"

#include <QCryptographicHash>
#include <QLocalSocket>
#include <memory>

namespace {

// Written back once the files are taken.
constexpr char kTaken = 'k';
// Each path is sent as UTF-8 ending in a NUL byte, which no path holds; an empty one ends the
// list. More than this is no list of files.
constexpr qint64 kMostBytes = 1 << 20;

bool complete(const QByteArray& message) {
    return message == QByteArray(1, '\0') || message.endsWith(QByteArray(2, '\0'));
}

}  // namespace

SingleInstance::SingleInstance(QObject* parent) : QObject(parent) {
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::onConnection);
}

// Per user and display, so that editors of other users or on other screens stay apart.
QString SingleInstance::serverName() {
    QByteArray key = qgetenv("USER") + '\n' + qgetenv("DISPLAY") + '\n' +
                     qgetenv("WAYLAND_DISPLAY") + '\n' + qgetenv("XDG_RUNTIME_DIR");
    return QStringLiteral("kazbo-") +
           QString::fromLatin1(
               QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(24));
}

bool SingleInstance::handOver(const QStringList& files, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(serverName());
    if (!socket.waitForConnected(timeoutMs)) return false;
    QByteArray message;
    for (const QString& file : files) message += file.toUtf8() + '\0';
    message += '\0';
    socket.write(message);
    if (!socket.waitForBytesWritten(timeoutMs)) return false;
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(timeoutMs)) return false;
    }
    char answer = 0;
    return socket.getChar(&answer) && answer == kTaken;
}

bool SingleInstance::listen() {
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (m_server.listen(serverName())) return true;
    // A socket left by an editor that crashed answers nobody; one that answers is in use.
    QLocalSocket probe;
    probe.connectToServer(serverName());
    if (probe.waitForConnected(200)) return false;
    QLocalServer::removeServer(serverName());
    return m_server.listen(serverName());
}

void SingleInstance::onConnection() {
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto message = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, message] {
            message->append(socket->readAll());
            if (message->size() > kMostBytes) {
                socket->abort();
                return;
            }
            if (!complete(*message)) return;  // the rest is still coming
            QStringList files;
            for (const QByteArray& file : message->split('\0')) {
                if (!file.isEmpty()) files << QString::fromUtf8(file);
            }
            socket->putChar(kTaken);
            socket->flush();
            socket->disconnectFromServer();
            emit filesReceived(files);
        });
    }
}
