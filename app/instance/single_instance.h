#pragma once

#include <QObject>
#include <QStringList>
#include <string>

#include "instance/local_socket.h"

namespace kaz::app {

// One editor per user and display (per user and session on Windows): a second start hands the
// files it was given to the editor already running, which opens them, and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QObject* parent = nullptr);
    // Stops taking files and removes the socket.
    ~SingleInstance() override;

    // Hands `files` to a running editor; true once it said it took them. False when no editor
    // runs, or none answered within `timeoutMs`.
    static bool handOver(const QStringList& files, int timeoutMs = 1000);

    // Takes the files of later starts from now on; false when another editor already does.
    bool listen();

    // Where the running editor listens.
    static std::string socketPath();

signals:
    void filesReceived(const QStringList& files);

private:
    void acceptConnections();
    // Reads one later start's list of files.
    void take(local_socket::Channel connection);

    std::string m_path;  // where this editor listens
    local_socket::Channel m_listener;
    QObject* m_listening = nullptr;
    int m_connections = 0;
};

}  // namespace kaz::app
