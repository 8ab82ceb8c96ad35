#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

namespace kaz::app {

// Writes and removes recovery files on a thread of its own, so that a slow disk never holds up
// the window. Work is done in the order it was asked for.
class RecoveryWriter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

public slots:
    // The bracket's bytes, then its record, each through the crash-safe write path.
    void write(const QString& bracketPath, const QByteArray& bracket, const QString& recordPath,
               const QByteArray& record);
    void remove(const QStringList& paths);
    // Does nothing: a blocking call of it returns once everything asked before is done.
    void flush() {}

signals:
    // The message for a write that failed.
    void failed(const QString& message);
};

}  // namespace kaz::app
