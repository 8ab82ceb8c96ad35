#pragma once

#include <QDate>
#include <QHash>
#include <QObject>

#include "publish/live_publisher.h"

class QWidget;
namespace kaz::gui {
class BracketDocument;
}

namespace kaz::app {

// The open brackets' live publishing ("ライブ公開"): a publisher per published bracket, the
// choice kept per bracket file (the folder and the day it was last on) and taken up when the
// file is opened again, and what publishing tells the user: the last publication in the status
// bar, a failure once, in the status bar and a notice that does not block editing.
class LivePublishing : public QObject {
    Q_OBJECT
public:
    // Messages go to `window`; pages are made by `writer`; `clock` tells the local time.
    LivePublishing(QWidget* window, PageWriter writer, LivePublisher::Clock clock);
    // Waits for every write asked for.
    ~LivePublishing() override;

    // "ライブ公開": asks the folder of `doc`, or whether to stop.
    void choose(gui::BracketDocument* doc);
    // Publishes `doc` into `folder` from now on (at once), or stops for an empty folder; the
    // choice is kept for its file, and stopping forgets it.
    void setFolder(gui::BracketDocument* doc, const QString& folder);
    // The publisher of `doc`, or nullptr while it is not published.
    LivePublisher* publisher(gui::BracketDocument* doc) const;

    // `doc` was read from its file: the file's choice resumes on the day it was last on, and is
    // offered on another day.
    void opened(gui::BracketDocument* doc);
    // `doc` was stored, maybe under a new name (`previousPath` is its file before): it goes on
    // publishing under its new name, and the choice follows the file.
    void stored(gui::BracketDocument* doc, const QString& previousPath);
    // `doc` is about to go: its last change is written, and its publisher stops.
    void closing(gui::BracketDocument* doc);

private:
    void showPublished(gui::BracketDocument* doc, const QString& path);
    void showFailure(const QString& message);
    void remember(gui::BracketDocument* doc);

    QWidget* m_window;
    PageWriter m_writer;
    LivePublisher::Clock m_clock;
    QHash<gui::BracketDocument*, LivePublisher*> m_publishers;
    QHash<gui::BracketDocument*, QDate> m_lastOn;  // the day kept in the settings
};

}  // namespace kaz::app
