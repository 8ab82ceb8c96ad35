#include "common/ui_text.h"

#include <QCoreApplication>
#include <QStringList>

namespace kaz::gui {

namespace {

// The translations of the core's texts are kept under this context (the core's namespace).
constexpr char kContext[] = "kaz";

// `text` with every %N replaced by values[N-1], in one pass, so that a value holding "%2"
// stays as it is.
QString filled(const QString& text, const QStringList& values) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int n = i + 1 < text.size() ? text[i + 1].digitValue() : -1;
        if (text[i] == QLatin1Char('%') && n >= 1 && n <= values.size()) {
            out += values[n - 1];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

QString uiText(kaz::MessageId id) {
    return QCoreApplication::translate(kContext, kaz::messageSource(id));
}

QString uiText(const kaz::Message& message) {
    QStringList values;
    for (const kaz::MessageValue& value : message.values) {
        if (!value.nested) {
            const QString text = QString::fromStdString(value.text);
            values << (value.quotable && kaz::needsQuotes(value.text)
                           ? filled(QCoreApplication::translate(kContext, kaz::nameQuoteSource()),
                                    {text})
                           : text);
            continue;
        }
        QStringList items;
        for (const kaz::Message& one : value.messages) items << uiText(one);
        values << items.join(QCoreApplication::translate(kContext, kaz::listSeparatorSource()));
    }
    return filled(uiText(message.id), values);
}

}  // namespace kaz::gui
