#include "publish/live_publishing.h"

#include <QDir>
#include <QMainWindow>
#include <QSettings>
#include <QStatusBar>

#include "desktop/desktop_services.h"
#include "document/bracket_document.h"
#include "documents/recent_file_list.h"
#include "publish/live_publish_dialog.h"
#include "publish/publish_choices.h"

namespace kaz::app {

namespace {

// Runs `work` on the choices kept in the editor's settings.
template <typename Work>
auto onChoices(Work work) {
    QSettings settings = profileSettings();
    PublishChoices choices(settings);
    return work(choices);
}

}  // namespace

LivePublishing::LivePublishing(QWidget* window, PageWriter writer, LivePublisher::Clock clock)
    : QObject(window), m_window(window), m_writer(std::move(writer)), m_clock(std::move(clock)) {}

LivePublishing::~LivePublishing() { qDeleteAll(m_publishers); }

LivePublisher* LivePublishing::publisher(gui::BracketDocument* doc) const {
    return m_publishers.value(doc);
}

void LivePublishing::choose(gui::BracketDocument* doc) {
    if (!doc) return;
    const LivePublisher* current = publisher(doc);
    LivePublishDialog dialog(LivePublisher::pageName(*doc), current ? current->folder() : QString(),
                             m_window);
    if (dialog.exec() == QDialog::Accepted) setFolder(doc, dialog.folder());
}

void LivePublishing::setFolder(gui::BracketDocument* doc, const QString& folder) {
    delete m_publishers.take(doc);
    m_lastOn.remove(doc);
    if (folder.isEmpty()) {
        if (!doc->filePath().isEmpty())
            onChoices([doc](PublishChoices& choices) { choices.forget(doc->filePath()); });
        return;
    }
    auto* publisher = new LivePublisher(doc, folder, m_writer, m_clock);
    m_publishers.insert(doc, publisher);
    connect(publisher, &LivePublisher::published, this,
            [this, doc](const QString& path) { showPublished(doc, path); });
    connect(publisher, &LivePublisher::failed, this,
            [this](const QString&, const QString& message) { showFailure(message); });
    remember(doc);
}

void LivePublishing::opened(gui::BracketDocument* doc) {
    const std::optional<PublishChoices::Choice> choice =
        onChoices([doc](PublishChoices& choices) { return choices.find(doc->filePath()); });
    switch (PublishChoices::resumeOnOpening(choice, m_clock().date())) {
        case PublishChoices::Resume::No: return;
        case PublishChoices::Resume::Silently: break;
        case PublishChoices::Resume::Ask: {
            const QString question =
                tr("%1 は前回ライブ公開していました (%2)。公開を再開しますか?")
                    .arg(doc->title(), QDir::toNativeSeparators(choice->folder));
            if (!gui::DesktopServices::instance().askYesNo(m_window, question)) {
                setFolder(doc, QString());
                return;
            }
            break;
        }
    }
    setFolder(doc, choice->folder);
}

void LivePublishing::stored(gui::BracketDocument* doc, const QString& previousPath) {
    if (!publisher(doc) || previousPath == doc->filePath()) return;
    if (!previousPath.isEmpty())
        onChoices([&previousPath](PublishChoices& choices) { choices.forget(previousPath); });
    m_lastOn.remove(doc);
    remember(doc);
}

void LivePublishing::closing(gui::BracketDocument* doc) {
    delete m_publishers.take(doc);
    m_lastOn.remove(doc);
}

// The day is kept once a day: a publication costs the window no settings file.
void LivePublishing::remember(gui::BracketDocument* doc) {
    const QDate today = m_clock().date();
    if (doc->filePath().isEmpty() || m_lastOn.value(doc) == today) return;
    const PublishChoices::Choice choice{publisher(doc)->folder(), today};
    onChoices(
        [doc, &choice](PublishChoices& choices) { choices.remember(doc->filePath(), choice); });
    m_lastOn.insert(doc, today);
}

void LivePublishing::showPublished(gui::BracketDocument* doc, const QString& path) {
    remember(doc);
    if (auto* main = qobject_cast<QMainWindow*>(m_window)) {
        main->statusBar()->showMessage(
            tr("%1 に公開しました (%2)")
                .arg(QDir::toNativeSeparators(path),
                     m_clock().time().toString(QStringLiteral("HH:mm:ss"))));
    }
}

void LivePublishing::showFailure(const QString& message) {
    const QString text = tr("ライブ公開できませんでした: %1").arg(message);
    if (auto* main = qobject_cast<QMainWindow*>(m_window)) main->statusBar()->showMessage(text);
    gui::DesktopServices::instance().showNotice(m_window, text);
}

}  // namespace kaz::app
