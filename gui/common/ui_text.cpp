#include "common/ui_text.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <vector>

#include "text/messages.h"

namespace kaz::gui {

namespace {

// The translations of the core's texts are kept under this context (the core's namespace).
constexpr char kContext[] = "kaz";

struct CompiledPattern {
    const char* text;
    unsigned nestedValues;
    QRegularExpression match;  // the text whole, each %N a captured value
    std::vector<int> order;    // the N of each capture, left to right
    int fixedLength;           // the characters of the text that are not values
};

QRegularExpression matcherFor(const QString& text, std::vector<int>& order, int& fixedLength) {
    static const QRegularExpression marker(QStringLiteral("%([1-9])"));
    QString pattern = QStringLiteral("\\A");
    qsizetype at = 0;
    fixedLength = int(text.size());
    for (auto it = marker.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        pattern += QRegularExpression::escape(text.mid(at, m.capturedStart() - at));
        pattern += QStringLiteral("(.*?)");
        order.push_back(m.captured(1).toInt());
        fixedLength -= 2;
        at = m.capturedEnd();
    }
    pattern += QRegularExpression::escape(text.mid(at)) + QStringLiteral("\\z");
    return QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption);
}

const std::vector<CompiledPattern>& compiledPatterns() {
    static const std::vector<CompiledPattern> patterns = [] {
        std::vector<CompiledPattern> all;
        for (const UiTextPattern& p : uiTextPatterns()) {
            CompiledPattern c{p.text, p.nestedValues, {}, {}, 0};
            c.match = matcherFor(QString::fromUtf8(p.text), c.order, c.fixedLength);
            all.push_back(std::move(c));
        }
        return all;
    }();
    return patterns;
}

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

// A text in the user's language, and how many of its characters the core's texts explain.
struct Reading {
    QString text;
    int explained = 0;
};

Reading translated(const QString& text);

// A value that is itself a core text, or a list of them (a text may hold the separator too:
// the reading that explains more is taken).
Reading translatedNested(const QString& value) {
    const Reading whole = translated(value);
    const QString separator = QString::fromUtf8(kListSeparator);
    if (!value.contains(separator)) return whole;
    Reading list;
    QStringList items = value.split(separator);
    for (QString& item : items) {
        const Reading one = translated(item);
        item = one.text;
        list.explained += one.explained;
    }
    list.text = items.join(QCoreApplication::translate(kContext, kListSeparator));
    return list.explained > whole.explained ? list : whole;
}

// The reading that explains most of the text: "3行目: 「𠮷」を〓にしました。" is a note by
// line holding a note on a character, not a note on the character "3行目: 「𠮷」".
Reading translated(const QString& text) {
    Reading best{text, 0};
    for (const CompiledPattern& p : compiledPatterns()) {
        const QRegularExpressionMatch m = p.match.match(text);
        if (!m.hasMatch()) continue;
        Reading reading{QString(), p.fixedLength};
        QStringList values;
        for (size_t i = 0; i < p.order.size(); ++i) {
            const int n = p.order[i];
            if (values.size() < n) values.resize(n);
            values[n - 1] = m.captured(int(i) + 1);
            if ((p.nestedValues >> (n - 1)) & 1u) {
                const Reading nested = translatedNested(values[n - 1]);
                values[n - 1] = nested.text;
                reading.explained += nested.explained;
            }
        }
        if (reading.explained <= best.explained) continue;
        reading.text = filled(QCoreApplication::translate(kContext, p.text), values);
        best = reading;
    }
    return best;
}

}  // namespace

QString uiText(std::string_view coreText) {
    return translated(QString::fromUtf8(coreText.data(), qsizetype(coreText.size()))).text;
}

}  // namespace kaz::gui
