#include "publish/publish_choices.h"

#include <QFileInfo>
#include <QSettings>

namespace kaz::app {

namespace {

// A path holds the settings' group separator, so it is kept under its hexadecimal UTF-8.
QString keyOf(const QString& bracketPath) {
    return QStringLiteral("livePublishing/") +
           QString::fromLatin1(QFileInfo(bracketPath).absoluteFilePath().toUtf8().toHex());
}

}  // namespace

std::optional<PublishChoices::Choice> PublishChoices::find(const QString& bracketPath) const {
    const QStringList value = m_settings.value(keyOf(bracketPath)).toStringList();
    // An earlier version kept the folder and the day only, a later one the page's name too.
    if (value.size() < 2 || value.size() > 4) return std::nullopt;
    const bool served = value.value(3) == QLatin1String("venue");
    if (value[0].isEmpty() && !served) return std::nullopt;
    return Choice{value[0], QDate::fromString(value[1], Qt::ISODate), value.value(2), served};
}

void PublishChoices::remember(const QString& bracketPath, const Choice& choice) {
    m_settings.setValue(
        keyOf(bracketPath),
        QStringList{choice.folder, choice.lastOn.toString(Qt::ISODate), choice.pageName,
                    choice.served ? QStringLiteral("venue") : QString()});
}

void PublishChoices::forget(const QString& bracketPath) { m_settings.remove(keyOf(bracketPath)); }

PublishChoices::Resume PublishChoices::resumeOnOpening(const std::optional<Choice>& choice,
                                                       const QDate& today) {
    if (!choice) return Resume::No;
    return choice->lastOn == today ? Resume::Silently : Resume::Ask;
}

}  // namespace kaz::app
