#include "painting/name_column.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <algorithm>
#include <cmath>

#include "bracket/bracket_geometry.h"
#include "bracket/sheet_layout.h"
#include "bridge/fonts.h"
#include "bridge/qt_geometry.h"
#include "bridge/qt_text.h"
#include "painting/bracket_painter.h"
#include "text/utf8.h"

namespace kaz::render {

namespace {

constexpr qreal kNamePoints = 11;
constexpr qreal kScreenDpi = 96;
// The bytes are cut first, so that only a small part of a long name is converted.
constexpr size_t kMostBytesConverted = 4 * kMostCharactersShown;
const QChar kEllipsis(0x2026);

// How far right of the pen `text`'s ink and advance reach in `font` at `stretch` percent, in
// whole pixels, measured on `reference`, an image of the screen's resolution, which is what
// the bracket's pixels are.
int textWidth(const QImage& reference, QFont font, const QString& text, int stretch) {
    if (stretch != 100) font.setStretch(stretch);
    const QFontMetricsF metrics(font, &reference);
    const qreal ink = text.isEmpty() ? 0 : metrics.tightBoundingRect(text).right();
    return int(std::ceil(std::max(metrics.horizontalAdvance(text), ink)));
}

// The largest stretch down to the least at which `text` fits `room`, looked for from the
// stretch that its width at full stretch suggests.
int stretchFor(const QImage& reference, const QFont& font, const QString& text, int needed,
               int room) {
    if (needed <= room) return 100;
    for (int stretch = std::max(kLeastNameStretch, 100 * room / std::max(needed, 1));
         stretch > kLeastNameStretch; --stretch) {
        if (textWidth(reference, font, text, stretch) <= room) return stretch;
    }
    return kLeastNameStretch;
}

class NameMeasure {
public:
    NameMeasure() : m_reference(1, 1, QImage::Format_RGB32), m_font(memberNameFont(&m_reference)) {}

    int width(const QString& text, int stretch) const {
        return textWidth(m_reference, m_font, text, stretch);
    }
    int stretch(const QString& text, int needed, int room) const {
        return stretchFor(m_reference, m_font, text, needed, room);
    }

private:
    QImage m_reference;
    QFont m_font;
};

// The name as laid out: at most kMostCharactersShown characters; `cut` when there were more.
QString laidOutName(const std::string& name, bool* cut) {
    QString converted = fromDocumentText(utf8Prefix(name, kMostBytesConverted));
    *cut = name.size() > kMostBytesConverted || converted.size() > kMostCharactersShown;
    converted.truncate(kMostCharactersShown);
    // One line, as drawn: breaks and tabs are measured as the spaces they are drawn as.
    for (QChar& c : converted) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t') ||
            c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
            c = QLatin1Char(' ');
        }
    }
    return converted;
}

// The name condensed as little as makes it fit `room`; cut with "…" at the least stretch
// when even that is too wide, or when the name was longer than can be laid out.
DrawnName fitName(const NameMeasure& measure, const QString& name, int needed, bool cut, int room) {
    if (!cut) {
        const int stretch = measure.stretch(name, needed, room);
        if (stretch > kLeastNameStretch || measure.width(name, stretch) <= room) {
            return {name, stretch};
        }
    }
    // The longest beginning that fits with the ellipsis.
    int fits = 0;
    int tooLong = int(name.size()) + 1;
    while (tooLong - fits > 1) {
        const int middle = (fits + tooLong) / 2;
        if (measure.width(name.left(middle) + kEllipsis, kLeastNameStretch) <= room) {
            fits = middle;
        } else {
            tooLong = middle;
        }
    }
    return {name.left(fits) + kEllipsis, kLeastNameStretch};
}

}  // namespace

ColumnTexts measureColumnTexts(const std::vector<std::string>& cp932) {
    const NameMeasure measure;
    ColumnTexts column;
    column.texts.resize(cp932.size());
    column.measured.resize(cp932.size());
    for (size_t i = 0; i < cp932.size(); ++i) {
        column.texts[i] = laidOutName(cp932[i], &column.measured[i].cut);
        column.measured[i].width = measure.width(column.texts[i], 100);
    }
    return column;
}

NameColumn fitColumn(const ColumnTexts& texts, const kaz::ColumnPlan& plan) {
    const NameMeasure measure;
    NameColumn column;
    column.extraWidth = plan.extraWidth;
    // Texts that fit their boxes are drawn as on screen, however wide the column.
    column.names.reserve(texts.texts.size());
    for (size_t i = 0; i < texts.texts.size(); ++i) {
        const kaz::MeasuredText& measured = texts.measured[i];
        column.names.push_back(
            fitName(measure, texts.texts[i], measured.width, measured.cut, plan.room));
    }
    return column;
}

QRect sheetClubBox(const kaz::SheetLayout& layout, int member) {
    const QRect box = toQRect(kaz::sheetClubRect(layout, member));
    return kaz::isOnRightSide(layout, member) ? box.adjusted(0, 0, -kaz::kPictureClubGap, 0)
                                              : box.adjusted(kaz::kPictureClubGap, 0, 0, 0);
}

int fittingStretch(const QFont& font, const QString& text, int room) {
    const QImage reference(1, 1, QImage::Format_RGB32);
    return stretchFor(reference, font, text, textWidth(reference, font, text, 100), room);
}

int textWidthAt(const QFont& font, const QString& text, int stretch) {
    const QImage reference(1, 1, QImage::Format_RGB32);
    return textWidth(reference, font, text, stretch);
}

QFont memberNameFont(const QPaintDevice* device, int stretch) {
    const int dpi = device && device->logicalDpiY() > 0 ? device->logicalDpiY() : int(kScreenDpi);
    QFont font = japaneseFontPoints(kNamePoints * kScreenDpi / dpi);
    if (stretch != 100) font.setStretch(stretch);
    return font;
}

QRect textRectIn(const QRect& box, const NameColumn& column, bool mirrored) {
    const int inkGap = column.widened() ? kaz::kInkGap : 0;
    if (mirrored) return box.adjusted(inkGap, 0, -kaz::kPictureNameMargin, 0);
    return box.adjusted(kaz::kPictureNameMargin, 0, -inkGap, 0);
}

QRect sheetNameTextRect(const kaz::SheetLayout& layout, int member, const NameColumn& column) {
    const QRect box = toQRect(kaz::sheetNameRect(layout, member));
    if (kaz::isOnRightSide(layout, member)) {
        return box.adjusted(-column.extraWidth + kaz::kPictureNameMargin, 0, 0, 0);
    }
    return textRectIn(box.adjusted(0, 0, column.extraWidth, 0), column);
}

}  // namespace kaz::render
