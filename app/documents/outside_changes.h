#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QString>
#include <optional>

namespace kaz::app {

// The files of the open documents as they were when last read or stored, so that a file
// another program changed or removed meanwhile is never written over unseen. A document here is
// any object that has a file; it is forgotten when it is destroyed.
class OutsideChanges : public QObject {
    Q_OBJECT
public:
    explicit OutsideChanges(QObject* parent = nullptr);

    // Remembers `doc`'s file, `path`, as it is now (right after reading or storing it) and
    // watches it.
    void remember(QObject* doc, const QString& path);
    // True when `doc`'s file differs from what was remembered (size, time or bytes), or is gone.
    bool changedSince(const QObject* doc) const;

signals:
    // Another program changed or removed `doc`'s file.
    void changedOnDisk(QObject* doc);

private:
    // What tells one state of a file from another.
    struct Stamp {
        qint64 size = 0;
        QDateTime modified;
        QByteArray hash;
        bool operator==(const Stamp& o) const {
            return size == o.size && modified == o.modified && hash == o.hash;
        }
    };
    struct Watched {
        QString path;
        std::optional<Stamp> stamp;
        bool told = false;  // changedOnDisk was emitted since the file was remembered
    };

    static std::optional<Stamp> stampOf(const QString& path);
    void onFileChanged(const QString& path);
    void forget(QObject* doc);

    QFileSystemWatcher m_watcher;
    QHash<const QObject*, Watched> m_files;
};

}  // namespace kaz::app
