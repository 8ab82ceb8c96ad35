#pragma once

// What the picture tests share: the worked example in colours that tell each role apart, where
// a picture shows them, and a PDF read back with poppler's tools.

#include <QColor>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QtTest>

#include "bracket/bracket.h"
#include "bracket/line_rules.h"
#include "bridge/qt_text.h"

namespace picturetest {

using kaz::render::toDocumentText;

// Colours that no two roles share, so that a pixel tells which role drew it.
inline const QColor kWin(0xE0, 0x00, 0x00);
inline const QColor kLose(0x00, 0x00, 0xE0);
inline const QColor kBack(0xF0, 0xF0, 0xC0);
inline const QColor kMember(0x00, 0x80, 0x00);
inline const QColor kScore(0xA0, 0x00, 0xA0);

inline QString memberName(int i) { return QStringLiteral("選手%1号").arg(i + 1); }
inline const QString kChampion = QStringLiteral("優勝者");

inline const QString kLongLatin =
    QStringLiteral("Alexandra Konstantinopoulou-Wetherington of the Harbour");    // 56
inline const QString kLongJapanese = QStringLiteral("長谷川慎之介左衛門太郎丸");  // 12
// Longer than four boxes at the font's full width.
inline const QString kLongerThanTheCap =
    kLongLatin + QStringLiteral(" Rowing and Canoe Club, Ltd.");

// The worked example on `members` members: named members, line 0 won (its opponent open, the
// line it feeds advanced), scores on the first pair, a champion; with `longNames` the first two
// names are longer than their boxes.
inline kaz::Bracket example(int members, bool longNames = false) {
    kaz::Bracket bracket(members);
    kaz::ColorSet& colors = bracket.colors();
    colors.winLineColor = "#E00000";
    colors.loseLineColor = "#0000E0";
    colors.backgroundColor = "#F0F0C0";
    colors.memberColor = "#008000";
    colors.scoreColor = "#A000A0";
    for (int i = 0; i < members; ++i) bracket.setMemberName(i, toDocumentText(memberName(i)));
    if (longNames) {
        bracket.setMemberName(0, toDocumentText(kLongLatin));
        bracket.setMemberName(1, toDocumentText(kLongJapanese));
    }
    kaz::leftClickLine(bracket, 0);
    bracket.setLineScore(0, "2");
    bracket.setLineScore(1, "1");
    bracket.setChampion(toDocumentText(kChampion));
    return bracket;
}

// The colour at bracket point (x, y) of a picture drawn at `scale`.
inline QColor at(const QImage& image, qreal scale, int x, int y) {
    return image.pixelColor(int(x * scale), int(y * scale));
}

// Whether a pixel of `color` lies in the bracket rectangle `area` of a picture at `scale`.
inline bool contains(const QImage& image, qreal scale, const QRect& area, const QColor& color) {
    for (int y = int(area.top() * scale); y <= int(area.bottom() * scale); ++y) {
        for (int x = int(area.left() * scale); x <= int(area.right() * scale); ++x) {
            if (image.pixelColor(x, y) == color) return true;
        }
    }
    return false;
}

// The left and right ends of the names' ink (any pixel of neither the background nor a line,
// the text being smoothed) in the rows of bracket rectangle `area`, in bracket pixels of a
// picture at `scale`; -1 for both when there is none.
inline std::pair<qreal, qreal> nameInk(const QImage& image, qreal scale, const QRect& area) {
    int left = image.width();
    int right = -1;
    for (int y = int(area.top() * scale); y <= int(area.bottom() * scale); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel != kBack && pixel != kWin && pixel != kLose && pixel != kScore) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    if (right < 0) return {-1, -1};
    return {left / scale, (right + 1) / scale};
}

inline qreal nameInkRight(const QImage& image, qreal scale, const QRect& area) {
    return nameInk(image, scale, area).second;
}

// The widest gap a printed name leaves before its line, in bracket pixels: the column's
// margin before the line, and the room a glyph's advance leaves after its ink.
inline constexpr qreal kMostNameGap = 6;

inline bool havePoppler() {
    for (const char* tool : {"pdftotext", "pdfinfo", "pdftoppm", "pdffonts"}) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty()) return false;
    }
    return true;
}

inline QString run(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(30000)) return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Checks a PDF of the example: one page, every font embedded, every name and the champion
// found as text.
inline void checkPdf(const QString& pdf, int members, bool longNames = false) {
    QVERIFY2(run("pdfinfo", {pdf}).contains(QRegularExpression("Pages:\\s+1\\n")),
             qPrintable(run("pdfinfo", {pdf})));
    const QStringList fonts = run("pdffonts", {pdf}).split('\n', Qt::SkipEmptyParts).mid(2);
    QVERIFY(!fonts.isEmpty());
    for (const QString& font : fonts) {
        QVERIFY2(font.contains(QRegularExpression("\\s+yes\\s+\\w+\\s+yes\\s+")), qPrintable(font));
    }
    const QString text = run("pdftotext", {pdf, "-"});
    for (int i = longNames ? 2 : 0; i < members; ++i) {
        QVERIFY2(text.contains(memberName(i)), qPrintable(text));
    }
    if (longNames)
        QVERIFY2(text.contains(kLongLatin) && text.contains(kLongJapanese), qPrintable(text));
    QVERIFY2(text.contains(kChampion), qPrintable(text));
}

}  // namespace picturetest
