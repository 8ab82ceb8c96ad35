#pragma once

#include <QLocalServer>
#include <QObject>
#include <QStringList>

// One editor per user and display: a second start hands the files it was given to the
// editor already running, which opens them, and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QObject* parent = nullptr);

    // Hands `files` to a running editor; true once it said it took them. False when no editor
    // runs, or none answered within `timeoutMs`.
    static bool handOver(const QStringList& files, int timeoutMs = 1000);

    // Takes the files of later starts from now on; false when another editor already does.
    bool listen();

signals:
    void filesReceived(const QStringList& files);

private:
    static QString serverName();
    void onConnection();

    QLocalServer m_server;
};
