#pragma once

#include <QDate>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <utility>

#include "publish/live_publisher.h"

class QLabel;
class QTimer;
class QWidget;

namespace kaz::app {

class StageKnockouts;
class VenueServing;

// The open documents' live publishing ("ライブ公開"): a publisher per published bracket or pool
// stage (each `doc` here is a gui::BracketDocument or a gui::PoolDocument), the choice kept per
// file (the folder, the day it was last on and the page's file name) and taken up when the file
// is opened again, and what publishing tells the user: the active document's last publication in
// a field of its own in the status bar, a failure of any document once, in the status bar and a
// notice that does not block editing.
class LivePublishing : public QObject {
    Q_OBJECT
public:
    // Messages go to `window`; brackets' pages are made by `writer`; `clock` tells the local
    // time.
    LivePublishing(QWidget* window, PageWriter writer, LivePublisher::Clock clock);
    // Waits for the writes asked for, a few seconds at most.
    ~LivePublishing() override;

    // "ライブ公開": asks the folder and the page's file name of `doc`, or whether to stop.
    void choose(QObject* doc);
    // Publishes `doc` as `pageName` (the proposed name where empty) into `folder` from now on
    // (at once), and to the venue's server where `served`; stops for an empty folder where not
    // served. The choice is kept for its file, and stopping forgets it.
    void setFolder(QObject* doc, const QString& folder, const QString& pageName = QString(),
                   bool served = false);
    // "会場配信": `doc`'s page goes to the venue's server too, or no longer; its folder, if it has
    // one, stays as it is.
    void setServed(QObject* doc, bool served);
    bool isServed(QObject* doc) const;
    // The venue's server, made at its first use: nothing of it exists before.
    VenueServing* venue();
    // Starts the venue's server on `port` (kept for the next time), or says why it could not in
    // the status bar and returns that; empty when it serves.
    QString startServing(int port, bool loopbackOnly = false);
    // The port the venue's server was last started on (8080 at first).
    static int servingPort();
    // The address phones reach the venue's server at: its first while it serves, else the one
    // it will have (this computer's first network address, the port of last time).
    QString venueAddress();
    // The publisher of `doc`, or nullptr while it is not published.
    LivePublisher* publisher(QObject* doc) const;

    // Where a pool stage's knockout is found, so that the two are published as one page.
    void setKnockouts(const StageKnockouts* knockouts) { m_knockouts = knockouts; }

    // `doc` was read from its file: the file's choice resumes on the day it was last on, and is
    // offered on another day.
    void opened(QObject* doc);
    // `doc` was brought back after a crash, which broke off its publishing as `pageName` into
    // `folder`: it goes on at once, and the status bar says so.
    void resume(QObject* doc, const QString& folder, const QString& pageName);
    // `doc` was stored, maybe under a new name (`previousPath` is its file before): its page
    // keeps its name, and the choice follows the file.
    void stored(QObject* doc, const QString& previousPath);
    // `doc` is about to go: its last change is written, a few seconds at most, and its
    // publisher stops. A page not written by then is said to be maybe out of date.
    void closing(QObject* doc);
    // The active document is now `doc` (nullptr: none): the publication field speaks of it alone,
    // and is hidden while it has not been published.
    void activated(QObject* doc);
    // The editor quits: every document's last change is written, within a few seconds in all,
    // and the pages not written by then are said to be maybe out of date.
    void finishAll();

signals:
    // `doc` is published as `pageName` into `folder` from now on; both empty: no longer.
    void publicationChanged(QObject* doc, const QString& folder, const QString& pageName);

private:
    // What publishing asks of `doc`, of whichever kind it is.
    PublishedDocument published(QObject* doc) const;
    void showPublished(QObject* doc, const QString& path);
    void forgetPublication(QObject* doc);
    void showLastPublication();
    void showFailure(const QString& message);
    void remember(QObject* doc);
    // Waits for the pages of `publishers` until `deadline`, then names those not written.
    void finish(const QList<LivePublisher*>& publishers, QDeadlineTimer deadline);
    void showInStatusBar(const QString& message);
    QLabel* lastPublication();
    // The status bar's field of the venue's server: its address and the phones reading.
    void showServing();

    QWidget* m_window;
    PageWriter m_writer;
    const StageKnockouts* m_knockouts = nullptr;
    LivePublisher::Clock m_clock;
    QHash<QObject*, LivePublisher*> m_publishers;
    QHash<QObject*, QDate> m_lastOn;  // the day kept in the settings
    // Each published document's last page written, and when ("HH:mm:ss").
    QHash<QObject*, std::pair<QString, QString>> m_published;
    QPointer<QObject> m_active;
    QLabel* m_lastPublication = nullptr;  // in the status bar, once there is one
    VenueServing* m_venue = nullptr;
    QLabel* m_serving = nullptr;
    QTimer* m_servingTimer = nullptr;
};

}  // namespace kaz::app
