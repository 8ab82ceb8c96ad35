#include "settings/profile_settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "text/app_names.h"

namespace kaz::app {

namespace {

// Earlier versions kept everything under the name their application wizard gave them.
const char kEarlierOrganizationName[] = "Local AppWizard-Generated Applications";

QSettings ownProfileSettings() {
    return QSettings(QString::fromLatin1(kOrganizationName), QString::fromLatin1(kApplicationName));
}

// Whether earlier versions left settings, found without making any: on Windows a QSettings of
// the registry creates its key at its first read, so the key is looked for from its parents,
// which are only read.
bool earlierSettingsExist() {
#ifdef Q_OS_WIN
    QSettings software(QStringLiteral("HKEY_CURRENT_USER\\Software"), QSettings::NativeFormat);
    software.beginGroup(QString::fromLatin1(kEarlierOrganizationName));
    return software.childGroups().contains(QString::fromUtf8(kaz::kApplicationTitle),
                                           Qt::CaseInsensitive);
#else
    return QFileInfo::exists(earlierProfileSettings().fileName());
#endif
}

QString genericDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

}  // namespace

QSettings earlierProfileSettings() {
    return QSettings(QString::fromLatin1(kEarlierOrganizationName),
                     QString::fromUtf8(kaz::kApplicationTitle));
}

QSettings profileSettings() {
    static const bool looked = [] {
        if (!earlierSettingsExist()) return false;
        QSettings earlier = earlierProfileSettings();
        QSettings own = ownProfileSettings();
        moveSettings(earlier, own);
        return true;
    }();
    Q_UNUSED(looked)
    return ownProfileSettings();
}

bool moveSettings(QSettings& from, QSettings& to) {
    const QStringList keys = from.allKeys();
    if (keys.isEmpty() || !to.allKeys().isEmpty()) return false;
    for (const QString& key : keys) to.setValue(key, from.value(key));
    to.sync();
    if (to.status() != QSettings::NoError) return false;
    from.clear();
    from.sync();
    if (QFileInfo(from.fileName()).isFile()) {  // not where the settings live in a registry
        QFile::remove(from.fileName());
        // The folder of its own that the file had, once it is empty.
        QDir().rmdir(QFileInfo(from.fileName()).absolutePath());
    }
    return true;
}

QString dataFolder() {
    return genericDataFolder() + QLatin1Char('/') + QString::fromLatin1(kOrganizationName) +
           QLatin1Char('/') + QString::fromLatin1(kApplicationName);
}

QString earlierDataFolder() {
    return genericDataFolder() + QLatin1Char('/') + QString::fromLatin1(kEarlierOrganizationName) +
           QLatin1Char('/') + QString::fromUtf8(kaz::kApplicationTitle);
}

}  // namespace kaz::app
