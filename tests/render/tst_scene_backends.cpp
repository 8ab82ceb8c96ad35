// One scene drawn through both backends: the QPainter backend onto a device that records what
// its engine receives, and the SVG backend read back as XML. Random brackets of every size and
// shape must come out the same in both: the fills' colours and areas, the frames, and every
// text's string, face, colour and place.

#include <QFontMetricsF>
#include <QHash>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QRandomGenerator>
#include <QRegion>
#include <QXmlStreamReader>
#include <QtTest>
#include <limits>
#include <utility>
#include <vector>

#include "bracket/bracket.h"
#include "bracket/bracket_shape.h"
#include "bracket/line_rules.h"
#include "bracket/member_progress.h"
#include "bracket/third_place.h"
#include "bridge/qt_geometry.h"
#include "html/live_parts.h"
#include "html/scene_svg.h"
#include "painting/scene_painter.h"
#include "scene/sheet_scene.h"

using namespace kaz;
using namespace kaz::render;

namespace {

struct PaintedText {
    QString text;
    QPointF pen;  // the start of its baseline
    qreal width = 0;
    QFont font;
    QColor color;
};

struct PaintedRect {
    QRectF rect;
    QColor color;
};

// What the painter hands its engine, in the device's coordinates. It reports itself as a
// raster engine, as an image's or the window's does, so that the backend draws as it does there.
class RecordingEngine final : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(AllFeatures) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return Raster; }

    void updateState(const QPaintEngineState& state) override {
        if (state.state() & DirtyPen) m_pen = state.pen();
        if (state.state() & DirtyBrush) m_brush = state.brush();
        if (state.state() & DirtyTransform) m_transform = state.transform();
    }
    void drawRects(const QRectF* rects, int count) override {
        for (int at = 0; at < count; ++at) {
            const QRectF rect = m_transform.mapRect(rects[at]);
            if (m_brush.style() != Qt::NoBrush) fills.push_back({rect, m_brush.color()});
            if (m_pen.style() != Qt::NoPen) frames.push_back({rect, m_pen.color()});
        }
    }
    void drawTextItem(const QPointF& at, const QTextItem& item) override {
        texts.push_back(
            {item.text(), m_transform.map(at), item.width(), item.font(), m_pen.color()});
    }
    // Nothing of the sheet is drawn any other way.
    void drawPath(const QPainterPath&) override { ++others; }
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override { ++others; }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { ++others; }

    std::vector<PaintedRect> fills;
    std::vector<PaintedRect> frames;
    std::vector<PaintedText> texts;
    int others = 0;

private:
    QPen m_pen;
    QBrush m_brush;
    QTransform m_transform;
};

class RecordingDevice final : public QPaintDevice {
public:
    explicit RecordingDevice(QSize size) : m_size(size) {}
    QPaintEngine* paintEngine() const override { return &m_engine; }
    RecordingEngine& engine() { return m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override {
        constexpr int kDpi = 96;  // the sheet's pixels are the screen's
        switch (metric) {
            case PdmWidth: return m_size.width();
            case PdmHeight: return m_size.height();
            case PdmWidthMM: return m_size.width() * 254 / (10 * kDpi);
            case PdmHeightMM: return m_size.height() * 254 / (10 * kDpi);
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY: return kDpi;
            case PdmDepth: return 32;
            case PdmNumColors: return std::numeric_limits<int>::max();
            case PdmDevicePixelRatio: return 1;
            case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
            default: return QPaintDevice::metric(metric);
        }
    }

private:
    QSize m_size;
    mutable RecordingEngine m_engine;
};

// A text of the SVG: its role's class, its anchor point and string.
struct SvgText {
    QString role;
    QString anchor;  // "", "m" or "e"
    QPointF at;
    QString text;
};

struct Svg {
    QSize size;
    std::vector<std::pair<QString, QRect>> rects;  // class, rectangle
    std::vector<SvgText> texts;
    QString error;
};

Svg readSvg(const std::string& utf8) {
    Svg svg;
    QXmlStreamReader xml(QByteArray::fromStdString(utf8));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const QXmlStreamAttributes a = xml.attributes();
        const auto number = [&](const char* name) { return a.value(QLatin1String(name)).toInt(); };
        const QString cls = a.value(QLatin1String("class")).toString();
        if (xml.name() == QLatin1String("svg")) {
            svg.size = QSize(number("width"), number("height"));
        } else if (xml.name() == QLatin1String("rect")) {
            svg.rects.emplace_back(
                cls, QRect(number("x"), number("y"), number("width"), number("height")));
        } else if (xml.name() == QLatin1String("text")) {
            const QStringList classes = cls.split(QLatin1Char(' '));
            const QPointF at(number("x"), number("y"));
            svg.texts.push_back({classes.value(0), classes.value(1), at, xml.readElementText()});
        }
    }
    if (xml.hasError()) svg.error = xml.errorString();
    return svg;
}

// The texts as drawn: the runs the painter hands on one after another along a baseline (a text
// of several scripts comes as several) joined into one.
std::vector<PaintedText> joinedRuns(const std::vector<PaintedText>& runs) {
    std::vector<PaintedText> texts;
    for (const PaintedText& run : runs) {
        if (!texts.empty()) {
            PaintedText& last = texts.back();
            if (qAbs(last.pen.y() - run.pen.y()) < 0.01 &&
                qAbs(last.pen.x() + last.width - run.pen.x()) < 0.5 && last.color == run.color &&
                last.font == run.font) {
                last.text += run.text;
                last.width += run.width;
                continue;
            }
        }
        texts.push_back(run);
    }
    return texts;
}

// The roles each of the chart's text classes stands for.
std::vector<TextRole> rolesOfClass(const QString& cls) {
    if (cls == QLatin1String("n")) return {TextRole::Name};
    if (cls == QLatin1String("k")) return {TextRole::Club};
    if (cls == QLatin1String("s")) return {TextRole::Score};
    if (cls == QLatin1String("t")) return {TextRole::Title};
    if (cls == QLatin1String("st")) return {TextRole::Subtitle};
    if (cls == QLatin1String("ch")) return {TextRole::Champion};
    if (cls == QLatin1String("x")) {
        return {TextRole::SeedMark, TextRole::RoundName, TextRole::MatchNumber,
                TextRole::ThirdPlace, TextRole::DrawNumber};
    }
    return {};
}

QString describe(const QRectF& r) {
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QString describe(const QPointF& p) { return QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y()); }

// The first difference between what the two backends drew of `scene`; empty where none is.
QString firstDifference(const Bracket& bracket, const Scene& scene, const QtTextMetrics& metrics,
                        const SceneStyle& style) {
    RecordingDevice device(toQSize(scene.extent));
    {
        QPainter painter(&device);
        paintScene(painter, scene, bracket.colors());
    }
    html::PageBuffer out(1 << 16);
    appendSceneSvg(out, scene, metrics, "chart");
    const Svg svg = readSvg(out.take());
    if (!svg.error.isEmpty()) return QStringLiteral("the SVG does not read: ") + svg.error;
    if (svg.size != toQSize(scene.extent)) return QStringLiteral("the SVG's size differs");
    const RecordingEngine& painted = device.engine();
    if (painted.others > 0) return QStringLiteral("the painter drew paths, polygons or pixmaps");

    // The page's style gives each class the bracket's colour.
    const live::LiveColors css = live::liveColors(bracket.colors());
    const auto cssColor = [](const std::string& text) {
        return QColor(QString::fromStdString(text));
    };
    const QHash<QString, QColor> fillColor{{QStringLiteral("w"), cssColor(css.win)},
                                           {QStringLiteral("l"), cssColor(css.lose)},
                                           {QStringLiteral("bg"), cssColor(css.background)}};
    const QColor member = cssColor(css.member);
    const QColor score = cssColor(css.score);

    // Fills: the area each colour covers (either backend may draw a join as one piece or two).
    QHash<QRgb, QRegion> painterFills;
    QHash<QRgb, QRegion> svgFills;
    for (const PaintedRect& fill : painted.fills) {
        if (fill.rect != QRectF(fill.rect.toRect())) {
            return QStringLiteral("a fill off the pixels: ") + describe(fill.rect);
        }
        painterFills[fill.color.rgb()] += fill.rect.toRect();
    }
    std::vector<PaintedRect> svgFrames;
    for (const auto& [cls, rect] : svg.rects) {
        if (cls == QLatin1String("f")) {
            svgFrames.push_back({rect, member});
        } else if (fillColor.contains(cls)) {
            svgFills[fillColor.value(cls).rgb()] += rect;
        } else {
            return QStringLiteral("a rect of class \"%1\"").arg(cls);
        }
    }
    // A score's backdrop in the painter is the background under it, which covers the sheet.
    for (auto at = painterFills.cbegin(); at != painterFills.cend(); ++at) {
        const QRegion svgArea = svgFills.value(at.key());
        if (at.value() != svgArea) {
            const QRect apart = *at.value().xored(svgArea).begin();
            return QStringLiteral("fills in %1 differ at %2: %3")
                .arg(QColor(at.key()).name(), describe(apart),
                     at.value().intersects(apart) ? QStringLiteral("painted, not in the SVG")
                                                  : QStringLiteral("in the SVG, not painted"));
        }
    }
    for (auto at = svgFills.cbegin(); at != svgFills.cend(); ++at) {
        if (!painterFills.contains(at.key())) {
            return QStringLiteral("the SVG fills in %1, the painter never")
                .arg(QColor(at.key()).name());
        }
    }

    // Frames: the painter strokes a pixel inside the rectangle, the SVG on its edge.
    if (painted.frames.size() != svgFrames.size()) {
        return QStringLiteral("%1 frames painted, %2 in the SVG")
            .arg(painted.frames.size())
            .arg(svgFrames.size());
    }
    for (size_t at = 0; at < svgFrames.size(); ++at) {
        const QRectF drawn = painted.frames[at].rect.adjusted(-0.5, -0.5, 0.5, 0.5);
        const QRectF& written = svgFrames[at].rect;
        if (painted.frames[at].color != member ||
            (drawn.topLeft() - written.topLeft()).manhattanLength() > 1 ||
            (drawn.bottomRight() - written.bottomRight()).manhattanLength() > 1) {
            return QStringLiteral("frame %1: painter %2, SVG %3")
                .arg(at)
                .arg(describe(drawn), describe(written));
        }
    }

    // Texts, in drawing order: the same strings, in a face of the role the SVG's class names, in
    // its colour, the SVG's anchor point within a few pixels of where the painter put it.
    constexpr qreal kTolerance = 2;
    const std::vector<PaintedText> texts = joinedRuns(painted.texts);
    for (size_t at = 0; at < std::max(texts.size(), svg.texts.size()); ++at) {
        if (at >= texts.size()) {
            return QStringLiteral("text \"%1\" only in the SVG").arg(svg.texts[at].text);
        }
        if (at >= svg.texts.size()) {
            return QStringLiteral("text \"%1\" only painted").arg(texts[at].text);
        }
        const PaintedText& drawn = texts[at];
        const SvgText& written = svg.texts[at];
        const QString which =
            QStringLiteral("text %1 \"%2\" (class %3): ").arg(at).arg(written.text, written.role);
        if (drawn.text != written.text) {
            // Most likely one backend left a text out: name it.
            if (at + 1 < texts.size() && texts[at + 1].text == written.text) {
                return QStringLiteral("text %1 \"%2\", painted at %3, is not in the SVG")
                    .arg(at)
                    .arg(drawn.text, describe(drawn.pen));
            }
            if (at + 1 < svg.texts.size() && svg.texts[at + 1].text == drawn.text) {
                return which + QStringLiteral("at %1 is not painted").arg(describe(written.at));
            }
            return which + QStringLiteral("painted \"%1\"").arg(drawn.text);
        }
        const QFontMetricsF face(drawn.font, &device);
        const qreal x = written.anchor == QLatin1String("m")   ? drawn.pen.x() + drawn.width / 2
                        : written.anchor == QLatin1String("e") ? drawn.pen.x() + drawn.width
                                                               : drawn.pen.x();
        // The SVG's y is the middle of the text's line (its baseline central).
        const QPointF place(x, drawn.pen.y() - (face.ascent() - face.descent()) / 2);
        if ((place - written.at).manhattanLength() > kTolerance) {
            return which + QStringLiteral("painted at %1, SVG at %2")
                               .arg(describe(place), describe(written.at));
        }
        const bool scoreInk =
            written.role == QLatin1String("s") || written.role == QLatin1String("ch");
        if (drawn.color != (scoreInk ? score : member)) {
            return which + QStringLiteral("painted in %1").arg(drawn.color.name());
        }
        bool faceOfRole = false;
        for (TextRole role : rolesOfClass(written.role)) {
            const QFont expected = sceneFont(style.face(role), &device);
            faceOfRole =
                faceOfRole || (drawn.font.pixelSize() == expected.pixelSize() &&
                               qFuzzyCompare(drawn.font.pointSizeF(), expected.pointSizeF()) &&
                               drawn.font.weight() == expected.weight());
        }
        if (!faceOfRole) {
            return which + QStringLiteral("painted in a face of no role of its class (%1)")
                               .arg(drawn.font.toString());
        }
    }
    return {};
}

// How a random bracket is shaped; the rest of it is drawn from its seed.
struct Shape {
    int members = 4;
    bool twoSided = false;
    ThirdPlace thirdPlace = ThirdPlace::None;
    SheetLanguage language = SheetLanguage::Japanese;
};

QString describe(const Shape& shape, int seed) {
    static const char* const kThird[] = {"no third place", "two third places",
                                         "a third-place match"};
    return QStringLiteral("%1 members, %2, %3, %4, seed %5")
        .arg(shape.members)
        .arg(shape.twoSided ? "two sides" : "one side", kThird[int(shape.thirdPlace)],
             shape.language == SheetLanguage::English ? "en" : "ja")
        .arg(seed);
}

class RandomBracket {
public:
    explicit RandomBracket(quint32 seed) : m_random(seed) {}

    Bracket make(const Shape& shape) {
        Bracket bracket(shape.members);
        SheetInfo sheet;
        sheet.title = pick({"", "第1回 市民大会", "English Open & <Invitational> 2026",
                            repeated("全国高等学校選抜大会", 12)});
        sheet.subtitle = pick({"", "2026年12月8日 市民体育館", repeated("Hall B ", 18)});
        sheet.matchNumbers = chance(2);
        sheet.clubColumn = chance(4);
        if (chance(3)) sheet.drawNumber = uint32_t(1 + m_random.bounded(99999));
        for (int round = 0; round < bracket.roundCount(); ++round) {
            if (chance(4))
                sheet.roundNames[size_t(round)] =
                    pick({"2回戦 10:30", "Semi", "第一会場の準々決勝戦"});
        }
        sheet.thirdPlace = shape.thirdPlace;
        sheet.twoSided = shape.twoSided;
        sheet.language = shape.language;
        bracket.setSheet(sheet);

        const int clubs = m_random.bounded(3);  // none, some, every member's
        // Empty slots, byes or not, only ever a pair's lower one: every match can be played.
        const bool empties = chance(2);
        for (int m = 0; m < shape.members; ++m) {
            if (empties && m % 2 == 1 && chance(4)) {
                bracket.setBye(m, !chance(3));
            } else {
                bracket.setMemberName(
                    m, pick({"山田 太郎", "長い名前の例です長い名前の例です", "Ann & <Bob>",
                             "Alexander Montgomery-Smith", repeated("寿限無", 21)}));
            }
            if (clubs == 2 || (clubs == 1 && chance(3))) {
                bracket.setMemberClub(
                    m, pick({"東", "北高校", "Riverside Tennis Club", repeated("体育協会", 16)}));
            }
        }
        const int seeds = std::min(shape.members, int(m_random.bounded(5)));
        for (int seed = 1; seed <= seeds; ++seed) {
            bracket.setMemberSeed(int(m_random.bounded(shape.members)), seed);
        }
        play(bracket);
        if (chance(2)) {
            for (int row = 0; row < ColorSet::kCount; ++row) {
                bracket.colors().at(row) =
                    QStringLiteral("#%1")
                        .arg(m_random.bounded(0x1000000), 6, 16, QLatin1Char('0'))
                        .toStdString();
            }
        }
        return bracket;
    }

private:
    bool chance(int oneIn) { return m_random.bounded(oneIn) == 0; }
    std::string pick(std::initializer_list<std::string> choices) {
        return *(choices.begin() + m_random.bounded(int(choices.size())));
    }
    static std::string repeated(const std::string& part, int times) {
        std::string text;
        for (int at = 0; at < times; ++at) text += part;
        return text;
    }
    std::string score() {
        return pick({"3", "21-19", "1-0 (延長)", "6-4 3-6 7-6(5) 6-7(3) 10-8 ab"});
    }

    // Round by round, each match whose players stand there decided or not (a bye's opponent wins
    // it), with scores; the champion's name written, and the third-place match played.
    void play(Bracket& bracket) {
        const int members = bracket.memberCount();
        // In fifths of the matches; half the brackets are played to the end.
        static constexpr int kDecided[] = {0, 2, 4, 5, 5, 5};
        const int decided = kDecided[m_random.bounded(6)];
        int first = 0;
        for (int size = members; size > 1; size /= 2) {
            for (int upper = first; upper < first + size; upper += 2) {
                const bool round1 = first == 0;
                const auto stands = [&](int line) {
                    return round1 ? !slotHoldsNobody(bracket, line) : playerStandsOn(bracket, line);
                };
                if (int(m_random.bounded(5)) >= decided) continue;
                int winner = upper + int(m_random.bounded(2));
                if (!stands(winner)) winner ^= 1;
                if (!stands(winner) || (!round1 && !stands(winner ^ 1))) continue;
                leftClickLine(bracket, winner);
                if (chance(2)) {
                    bracket.setLineScore(upper, score());
                    bracket.setLineScore(upper + 1, score());
                }
            }
            first += size;
        }
        const int last = bracket.lineCount() - 1;
        if (playerStandsOn(bracket, last) && chance(2)) {
            bracket.setChampion(chance(2) ? bracket.memberName(memberOnLine(bracket, last))
                                          : repeated("優勝者", 20));
        }
        if (!chance(4) && leftClickThirdPlace(bracket, int(m_random.bounded(2)))) {
            ThirdPlaceResults results = bracket.thirdPlaceResults();
            results[0].score = score();
            results[1].score = score();
            bracket.setThirdPlaceResults(results);
        }
    }

    QRandomGenerator m_random;
};

}  // namespace

class TestSceneBackends : public QObject {
    Q_OBJECT
private slots:
    void bothBackendsDrawTheSameScene_data();
    void bothBackendsDrawTheSameScene();
};

void TestSceneBackends::bothBackendsDrawTheSameScene_data() {
    QTest::addColumn<int>("members");
    QTest::addColumn<bool>("twoSided");
    QTest::addColumn<int>("thirdPlace");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("seed");
    // Every size, side and third place in both languages, each with its own random content.
    for (int seed = 0; seed < 72; ++seed) {
        const Shape shape{4 << (seed % 6), (seed / 6) % 2 == 1, ThirdPlace((seed / 12) % 3),
                          SheetLanguage((seed / 36) % 2)};
        QTest::newRow(qPrintable(describe(shape, seed)))
            << shape.members << shape.twoSided << int(shape.thirdPlace) << int(shape.language)
            << seed;
    }
}

void TestSceneBackends::bothBackendsDrawTheSameScene() {
    QFETCH(int, members);
    QFETCH(bool, twoSided);
    QFETCH(int, thirdPlace);
    QFETCH(int, language);
    QFETCH(int, seed);
    const Shape shape{members, twoSided, ThirdPlace(thirdPlace), SheetLanguage(language)};
    const Bracket bracket = RandomBracket(quint32(seed)).make(shape);
    QVERIFY(sheetFits(bracket));

    static const SceneStyle style = pictureSceneStyle();
    static const QtTextMetrics metrics(style);
    const SheetTexts texts(bracket, metrics);
    const Scene scene =
        buildScene(bracket, planScene(bracket, texts, style), texts, metrics, style);
    const QString difference = firstDifference(bracket, scene, metrics, style);
    QVERIFY2(difference.isEmpty(),
             qPrintable(describe(shape, seed) + QStringLiteral(": ") + difference));
}

QTEST_MAIN(TestSceneBackends)
#include "tst_scene_backends.moc"
