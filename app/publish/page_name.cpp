#include "publish/page_name.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>

namespace kaz::app {

namespace {

// What Windows refuses in a file name, and the folder separators everywhere.
const QString kForbidden = QStringLiteral("\\/:*?\"<>|");
// File names are at most this many bytes on the usual file systems.
constexpr int kMostBytes = 255;

bool forbidden(QChar c) {
    return c.unicode() < 0x20 || c.unicode() == 0x7F || kForbidden.contains(c);
}

// Windows' device names, which no file can take, with or without a suffix.
bool deviceName(const QString& name) {
    static const QRegularExpression device(
        QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    return device.match(name).hasMatch();
}

}  // namespace

QString PageName::refusal(const QString& name) {
    if (name.trimmed().isEmpty())
        return QCoreApplication::translate("kaz::app::PageName",
                                           "ﾍﾟｰｼﾞのﾌｧｲﾙ名を入力してください。");
    if (std::any_of(name.begin(), name.end(), forbidden)) {
        return QCoreApplication::translate(
            "kaz::app::PageName", "ﾌｧｲﾙ名には \\ / : * ? \" < > | と制御文字を使えません。");
    }
    // Windows drops a trailing dot or space ("." and ".." name folders), and keeps its device
    // names for the devices.
    if (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')) || deviceName(name))
        return QCoreApplication::translate("kaz::app::PageName", "%1 はﾌｧｲﾙ名に使えません。")
            .arg(name);
    if (withSuffix(name).toUtf8().size() > kMostBytes)
        return QCoreApplication::translate("kaz::app::PageName", "ﾌｧｲﾙ名が長すぎます。");
    return QString();
}

QString PageName::withSuffix(const QString& name) {
    if (name.endsWith(QStringLiteral(".html"), Qt::CaseInsensitive) ||
        name.endsWith(QStringLiteral(".htm"), Qt::CaseInsensitive)) {
        return name;
    }
    return name + QStringLiteral(".html");
}

}  // namespace kaz::app
