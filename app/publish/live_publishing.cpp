#include "publish/live_publishing.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>

#include "common/notice.h"
#include "desktop/desktop_services.h"
#include "document/bracket_document.h"
#include "document/pool_document.h"
#include "publish/live_publish_dialog.h"
#include "publish/page_name.h"
#include "publish/publish_choices.h"
#include "publish/venue_serving.h"
#include "settings/profile_settings.h"
#include "venue/network.h"

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

PublishedDocument LivePublishing::published(QObject* doc) const {
    if (auto* bracket = qobject_cast<gui::BracketDocument*>(doc))
        return publishedBracket(bracket, m_writer);
    return publishedPools(qobject_cast<gui::PoolDocument*>(doc), m_knockouts);
}

LivePublisher* LivePublishing::publisher(QObject* doc) const { return m_publishers.value(doc); }

void LivePublishing::choose(QObject* doc) {
    if (!doc) return;
    const LivePublisher* current = publisher(doc);
    LivePublishDialog dialog(
        current ? current->pageName() : PageName::withSuffix(published(doc).fileStem()),
        current ? current->folder() : QString(), m_window);
    if (dialog.exec() != QDialog::Accepted) return;
    const QString folder = dialog.folder();
    // The same page in the same folder goes on as it is.
    if (current && folder == current->folder() && dialog.pageName() == current->pageName()) return;
    setFolder(doc, folder, dialog.pageName(), current && current->isServed());
}

void LivePublishing::setFolder(QObject* doc, const QString& folder, const QString& pageName,
                               bool served) {
    delete m_publishers.take(doc);
    m_lastOn.remove(doc);
    forgetPublication(doc);
    PublishedDocument document = published(doc);
    if (folder.isEmpty() && !served) {
        if (const QString path = document.filePath(); !path.isEmpty())
            onChoices([&path](PublishChoices& choices) { choices.forget(path); });
        emit publicationChanged(doc, QString(), QString());
        return;
    }
    // A name kept in the settings or a recovery record is checked as a typed one is.
    const QString name = PageName::refusal(pageName).isEmpty()
                             ? pageName
                             : PageName::withSuffix(document.fileStem());
    auto* publisher = new LivePublisher(std::move(document), folder, name, m_clock);
    m_publishers.insert(doc, publisher);
    if (served) publisher->serveTo(venue()->site());
    connect(publisher, &LivePublisher::published, this,
            [this, doc](const QString& path) { showPublished(doc, path); });
    connect(publisher, &LivePublisher::failed, this,
            [this](const QString&, const QString& message) { showFailure(message); });
    remember(doc);
    emit publicationChanged(doc, folder, name);
}

void LivePublishing::setServed(QObject* doc, bool served) {
    LivePublisher* current = publisher(doc);
    if (served == isServed(doc)) return;
    if (!current) {
        setFolder(doc, QString(), QString(), true);
        return;
    }
    // A page that went to the venue alone stops with it.
    if (!served && current->folder().isEmpty()) {
        setFolder(doc, QString());
        return;
    }
    current->serveTo(served ? venue()->site() : nullptr);
    m_lastOn.remove(doc);
    remember(doc);
}

bool LivePublishing::isServed(QObject* doc) const {
    const LivePublisher* current = publisher(doc);
    return current && current->isServed();
}

VenueServing* LivePublishing::venue() {
    if (!m_venue) {
        m_venue = new VenueServing(this);
        connect(m_venue, &VenueServing::servingChanged, this, &LivePublishing::showServing);
    }
    return m_venue;
}

int LivePublishing::servingPort() {
    return profileSettings()
        .value(QStringLiteral("venue/port"), VenueServing::kDefaultPort)
        .toInt();
}

QString LivePublishing::venueAddress() {
    if (m_venue && m_venue->isServing()) return m_venue->addresses().value(0);
    const std::vector<std::string> hosts = serve::localAddresses();
    const QString host =
        hosts.empty() ? QStringLiteral("127.0.0.1") : QString::fromStdString(hosts.front());
    return QStringLiteral("http://%1:%2/").arg(host).arg(servingPort());
}

QString LivePublishing::startServing(int port, bool loopbackOnly) {
    const QString failure = venue()->start(port, loopbackOnly);
    if (!failure.isEmpty()) {
        showInStatusBar(tr("会場配信を始められませんでした: %1").arg(failure));
        return failure;
    }
    if (port != 0) profileSettings().setValue(QStringLiteral("venue/port"), port);
    return QString();
}

// 「配信中: http://192.168.1.23:8080/ (見ている端末 12)」, the count brought up to date every few
// seconds while it serves.
void LivePublishing::showServing() {
    auto* main = qobject_cast<QMainWindow*>(m_window);
    if (!main) return;
    if (!m_serving) {
        m_serving = new QLabel(main);
        m_serving->setObjectName(QStringLiteral("venueServing"));
        main->statusBar()->insertPermanentWidget(0, m_serving);
        m_servingTimer = new QTimer(this);
        m_servingTimer->setInterval(5000);
        connect(m_servingTimer, &QTimer::timeout, this, &LivePublishing::showServing);
    }
    if (!m_venue || !m_venue->isServing()) {
        m_serving->hide();
        m_servingTimer->stop();
        return;
    }
    const QStringList addresses = m_venue->addresses();
    m_serving->setText(
        tr("配信中: %1 (見ている端末 %2)").arg(addresses.value(0)).arg(m_venue->viewers()));
    m_serving->setToolTip(addresses.join(QLatin1Char('\n')));
    m_serving->show();
    if (!m_servingTimer->isActive()) m_servingTimer->start();
}

void LivePublishing::opened(QObject* doc) {
    const PublishedDocument document = published(doc);
    const std::optional<PublishChoices::Choice> choice = onChoices(
        [&document](PublishChoices& choices) { return choices.find(document.filePath()); });
    switch (PublishChoices::resumeOnOpening(choice, m_clock().date())) {
        case PublishChoices::Resume::No: return;
        case PublishChoices::Resume::Silently: break;
        case PublishChoices::Resume::Ask: {
            const QString question =
                tr("%1 は前回ライブ公開していました (%2)。公開を再開しますか?")
                    .arg(document.title(), QDir::toNativeSeparators(choice->folder));
            if (!gui::DesktopServices::instance().askYesNo(m_window, question)) {
                setFolder(doc, QString());
                return;
            }
            break;
        }
    }
    setFolder(doc, choice->folder, choice->pageName, choice->served);
    // A file served before is served again, and the server with it where it has stopped.
    if (choice->served && !venue()->isServing()) startServing(servingPort());
}

void LivePublishing::resume(QObject* doc, const QString& folder, const QString& pageName) {
    setFolder(doc, folder, pageName);
    showInStatusBar(
        tr("%1 のライブ公開を再開しました (%2)")
            .arg(published(doc).title(), QDir::toNativeSeparators(publisher(doc)->targetPath())));
}

void LivePublishing::stored(QObject* doc, const QString& previousPath) {
    const LivePublisher* current = publisher(doc);
    if (!current || previousPath == current->document().filePath()) return;
    if (!previousPath.isEmpty())
        onChoices([&previousPath](PublishChoices& choices) { choices.forget(previousPath); });
    m_lastOn.remove(doc);
    remember(doc);
}

void LivePublishing::closing(QObject* doc) {
    m_lastOn.remove(doc);
    LivePublisher* publisher = m_publishers.take(doc);
    if (!publisher) return;
    finish({publisher}, QDeadlineTimer(LivePublisher::kMostFinishMs));
    delete publisher;
    forgetPublication(doc);
}

void LivePublishing::activated(QObject* doc) {
    m_active = doc;
    showLastPublication();
}

void LivePublishing::finishAll() {
    finish(m_publishers.values(), QDeadlineTimer(LivePublisher::kMostFinishMs));
}

void LivePublishing::finish(const QList<LivePublisher*>& publishers, QDeadlineTimer deadline) {
    QStringList late;
    for (LivePublisher* publisher : publishers) {
        // One that gave up before was told then.
        if (!publisher->gaveUp() && !publisher->finish(deadline))
            late << QDir::toNativeSeparators(publisher->targetPath());
    }
    if (late.isEmpty()) return;
    gui::DesktopServices::instance().showError(
        m_window, tr("%1 を書き終えられませんでした。公開したﾍﾟｰｼﾞは最新でないかもしれません。")
                      .arg(late.join(QLatin1Char('\n'))));
}

// The day is kept once a day: a publication costs the window no settings file.
void LivePublishing::remember(QObject* doc) {
    const QDate today = m_clock().date();
    const LivePublisher* current = publisher(doc);
    if (!current) return;  // a page written as its publisher goes
    const QString path = current->document().filePath();
    if (path.isEmpty() || m_lastOn.value(doc) == today) return;
    const PublishChoices::Choice choice{current->folder(), today, current->pageName(),
                                        current->isServed()};
    onChoices([&path, &choice](PublishChoices& choices) { choices.remember(path, choice); });
    m_lastOn.insert(doc, today);
}

// In a field of its own, so that the feedback of what the user does next does not hide it.
void LivePublishing::showPublished(QObject* doc, const QString& path) {
    remember(doc);
    // A page served only is in no file: the serving's own field speaks of it.
    if (const LivePublisher* current = publisher(doc); current && current->folder().isEmpty())
        return;
    m_published.insert(doc, {path, m_clock().time().toString(QStringLiteral("HH:mm:ss"))});
    if (doc == m_active) showLastPublication();
}

void LivePublishing::forgetPublication(QObject* doc) {
    if (m_published.remove(doc) > 0 && doc == m_active) showLastPublication();
}

void LivePublishing::showLastPublication() {
    const auto found = m_published.constFind(m_active);
    if (found == m_published.constEnd()) {
        if (m_lastPublication) m_lastPublication->hide();
        return;
    }
    QLabel* field = lastPublication();
    if (!field) return;
    const auto& [path, time] = *found;
    field->setText(tr("%1 に公開しました (%2)").arg(QFileInfo(path).fileName(), time));
    field->setToolTip(tr("%1 に公開しました (%2)").arg(QDir::toNativeSeparators(path), time));
    field->show();
}

void LivePublishing::showFailure(const QString& message) {
    const QString text = tr("ライブ公開できませんでした: %1").arg(message);
    showInStatusBar(text);
    gui::DesktopServices::instance().showNotice(m_window, text);
}

void LivePublishing::showInStatusBar(const QString& message) {
    gui::tell(m_window, message, gui::Notice::Standing);
}

QLabel* LivePublishing::lastPublication() {
    auto* main = qobject_cast<QMainWindow*>(m_window);
    if (!m_lastPublication && main) {
        m_lastPublication = new QLabel(main);
        m_lastPublication->setObjectName(QStringLiteral("lastPublication"));
        main->statusBar()->insertPermanentWidget(0, m_lastPublication);
    }
    return m_lastPublication;
}

}  // namespace kaz::app
