#include "dialogs/pool_names.h"

#include <QRegularExpression>
#include <QStringList>

#include "text/text_limits.h"

namespace kaz::gui {

std::vector<std::string> typedPoolNames(const QString& text, std::vector<std::string> names) {
    static const QRegularExpression separators(QStringLiteral("[,、\\s]+"));
    const QStringList typed = text.split(separators, Qt::SkipEmptyParts);
    for (int pool = 0; pool < typed.size() && pool < int(names.size()); ++pool) {
        names[size_t(pool)] = kaz::withoutControlCharacters(
            typed[pool].left(int(kaz::kMaxPoolNameCharacters)).toStdString());
    }
    return names;
}

QString poolNamesText(const std::vector<std::string>& names) {
    QStringList shown;
    for (const std::string& name : names) shown << QString::fromStdString(name);
    return shown.join(QStringLiteral(", "));
}

}  // namespace kaz::gui
