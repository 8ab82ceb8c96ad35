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
#include "text/cp932.h"

namespace kaztest {

// The bracket of the golden page with a sheet (tests/data/four_members_sheet_page.*):
// 選手A, 選手B, 選手C and a bye in slot 3; line 0 won with the score 2, line 1 with the score 1,
// line 4 reached; a title and a second line, the first round named 予選, clubs for members 0
// and 2, seed 1 for member 2, match numbers, the draw number 4242.
inline kaz::Bracket sheetExampleBracket() {
    using namespace kaz;
    Bracket bracket(4);
    for (int i = 0; i < 3; ++i) bracket.setMemberName(i, std::string("選手") + char('A' + i));
    bracket.setLineState(0, LineState::Won);
    bracket.setLineScore(0, "2");
    bracket.setLineScore(1, "1");
    bracket.setLineState(4, LineState::Reached);
    SheetInfo sheet;
    sheet.title = std::string("春季大会");
    sheet.subtitle = std::string("4月5日 市民体育館");
    sheet.roundNames[0] = std::string("予選");
    bracket.setMemberClub(0, std::string("A高"));
    bracket.setMemberClub(2, std::string("C高"));
    bracket.setMemberSeed(2, 1);
    bracket.setBye(3, true);
    sheet.matchNumbers = true;
    sheet.drawNumber = 4242;
    bracket.setSheet(sheet);
    return bracket;
}

}  // namespace kaztest

namespace kaz {
inline char* toString(LineState state) { return QTest::toString(static_cast<int>(state)); }
inline char* toString(LineKind kind) { return QTest::toString(static_cast<int>(kind)); }
}  // namespace kaz
