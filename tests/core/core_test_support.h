#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>
#include <string>
#include <string_view>

// Helpers shared by the core tests: golden files and byte-string conversions.

namespace kaztest {

// The bytes of a file under tests/data; fails the calling test when the file is missing.
inline QByteArray readTestData(const QString& name) {
    QFile file(QStringLiteral(KAZ_TEST_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("cannot open %s", qPrintable(file.fileName()));
        return {};
    }
    return file.readAll();
}

inline std::string toStd(const QByteArray& bytes) {
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

inline QByteArray toBytes(std::string_view text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// Shows bytes as hex when a comparison fails.
inline QByteArray hex(std::string_view bytes) { return toBytes(bytes).toHex(' '); }

}  // namespace kaztest

// Failing comparisons of the core's enums show their numbers.
#include "bracket/bracket.h"

namespace kaz {
inline char* toString(LineState state) { return QTest::toString(static_cast<int>(state)); }
inline char* toString(LineKind kind) { return QTest::toString(static_cast<int>(kind)); }
}  // namespace kaz
