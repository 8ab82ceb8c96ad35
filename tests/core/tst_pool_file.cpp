#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <string>

#include "core_test_support.h"
#include "pools/pool_change.h"
#include "pools/pool_file.h"
#include "text/text_limits.h"

using namespace kaz;
using kaztest::toBytes;
using kaztest::toStd;

Q_DECLARE_METATYPE(std::string)

namespace {

// Characters a file must keep as they are: beyond Shift_JIS, JSON's own escapes, a kept byte
// of a damaged classic field (U+F781), a character of four bytes.
constexpr const char* kPieces[] = {"𠮷", "𩸽", "頰", "髙", "😀", "\"", "\\", "/", "\uF781", "é"};

// Random text of up to `limit` characters: printable ASCII and the pieces.
std::string randomText(QRandomGenerator& rng, size_t limit) {
    std::string text;
    const quint32 length = rng.bounded(quint32(limit + 1));
    for (quint32 i = 0; i < length; ++i) {
        if (rng.bounded(3) == 0) {
            text += kPieces[rng.bounded(quint32(std::size(kPieces)))];
        } else {
            text += char(0x20 + rng.bounded(0x5F));
        }
    }
    return text;
}

int randomScore(QRandomGenerator& rng) {
    return rng.bounded(4) == 0 ? -1 : int(rng.bounded(quint32(kMaxPoolScore + 1)));
}

// A random stage that fits: up to 128 members in pools of 3 to 8, every pair once in a random
// order of play, random results, rules and lots.
PoolStage randomStage(QRandomGenerator& rng) {
    PoolStage stage;
    stage.title = randomText(rng, kMaxSheetTitleCharacters);
    stage.subtitle = randomText(rng, kMaxSheetSubtitleCharacters);
    stage.language = rng.bounded(2) ? SheetLanguage::English : SheetLanguage::Japanese;
    stage.drawNumber = rng.bounded(2) ? rng.bounded(quint32(INT32_MAX)) + 1u : 0u;
    stage.rules.winPoints = int(rng.bounded(2 * kMaxPoolPoints + 1)) - kMaxPoolPoints;
    stage.rules.drawPoints = int(rng.bounded(4));
    stage.rules.lossPoints = -int(rng.bounded(2));
    stage.rules.drawsAllowed = rng.bounded(2);
    std::vector<TieBreak> order{TieBreak::HeadToHead, TieBreak::ScoreDifference,
                                TieBreak::ScoresFor, TieBreak::Lot};
    std::shuffle(order.begin(), order.end(), rng);
    order.resize(rng.bounded(quint32(order.size() + 1)));
    stage.rules.tieBreaks = order;
    stage.rules.through = 1 + int(rng.bounded(2));
    stage.rules.marks = rng.bounded(2) ? ResultMarks::Crosses : ResultMarks::Circles;

    int entrants = 0;
    const int pools = 1 + int(rng.bounded(kMaxPools));
    for (int p = 0; p < pools && entrants + kMinPoolSize <= kMaxPoolEntrants; ++p) {
        Pool pool;
        pool.name = randomText(rng, kMaxPoolNameCharacters);
        const int most = std::min(kMaxPoolSize, kMaxPoolEntrants - entrants);
        const int members = kMinPoolSize + int(rng.bounded(quint32(most - kMinPoolSize + 1)));
        entrants += members;
        for (int m = 0; m < members; ++m) {
            PoolMember member;
            member.name = randomText(rng, kMaxMemberNameCharacters);
            member.club = randomText(rng, kMaxClubCharacters);
            member.seed = int(rng.bounded(quint32(kMaxPoolEntrants + 1)));
            member.withdrawal = Withdrawal(rng.bounded(3));
            pool.members.push_back(member);
        }
        for (int first = 0; first < members; ++first) {
            for (int second = first + 1; second < members; ++second) {
                PoolMatch match;
                match.first = first;
                match.second = second;
                match.outcome = MatchOutcome(rng.bounded(4));
                match.walkover = (match.outcome == MatchOutcome::FirstWins ||
                                  match.outcome == MatchOutcome::SecondWins) &&
                                 rng.bounded(4) == 0;
                match.firstScore = randomScore(rng);
                match.secondScore = randomScore(rng);
                pool.matches.push_back(match);
            }
        }
        std::shuffle(pool.matches.begin(), pool.matches.end(), rng);
        for (int m = 0; m < members; ++m) pool.lot.push_back(m);
        std::shuffle(pool.lot.begin(), pool.lot.end(), rng);
        pool.lot.resize(rng.bounded(quint32(members + 1)));
        stage.pools.push_back(pool);
    }
    return stage;
}

// A small stage: pool "A" of three, one match won by walkover, one with scores.
PoolStage smallStage() {
    PoolStage stage;
    stage.title = "春季大会";
    Pool pool;
    pool.name = "A";
    for (const char* name : {"𠮷田", "髙橋", "佐藤"}) pool.members.push_back({name, "", 0, {}});
    pool.matches = {{0, 1, MatchOutcome::FirstWins, true, -1, -1},
                    {1, 2, MatchOutcome::SecondWins, false, 3, 5},
                    {0, 2, MatchOutcome::Unplayed, false, -1, -1}};
    stage.pools.push_back(pool);
    return stage;
}

// `text` with its one `from` in place of `to`; fails the test where `from` is not there once.
std::string replaced(const std::string& text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    if (at == std::string::npos || text.find(from, at + 1) != std::string::npos) {
        qFatal("\"%s\" is not once in the file", from.c_str());
    }
    return std::string(text).replace(at, from.size(), to);
}

std::string nested(int depth) {
    return std::string(size_t(depth), '[') + std::string(size_t(depth), ']');
}

}  // namespace

class TestPoolFile : public QObject {
    Q_OBJECT

private slots:
    void randomStagesRoundTrip();
    void writesTheDocumentedExample();
    void readsWhatScriptsMayWrite_data();
    void readsWhatScriptsMayWrite();
    void refusesWhatIsNoPoolFile_data();
    void refusesWhatIsNoPoolFile();
    void loadsThroughTheOneLoadPath();
};

void TestPoolFile::randomStagesRoundTrip() {
    QRandomGenerator rng(46);
    for (int round = 0; round < 300; ++round) {
        const PoolStage stage = randomStage(rng);
        QVERIFY(poolStageFits(stage));
        const std::string written = writePoolFile(stage);
        const std::optional<PoolStage> read = readPoolFile(written);
        QVERIFY2(read.has_value(), written.c_str());
        QVERIFY2(*read == stage, written.c_str());
        QCOMPARE(toBytes(writePoolFile(*read)), toBytes(written));
    }
}

// The example the format's documentation shows: names, clubs and titles are written as typed,
// not escaped beyond what JSON needs, in the order and under the names scripts rely on.
void TestPoolFile::writesTheDocumentedExample() {
    const std::string example = toStd(kaztest::readTestData("pool_stage_example.kazpool"));
    const std::optional<PoolStage> read = readPoolFile(example);
    QVERIFY(read.has_value());
    QCOMPARE(QString::fromStdString(read->pools[0].members[0].name), QStringLiteral("𠮷田 一郎"));
    QCOMPARE(QString::fromStdString(read->pools[0].members[2].name),
             QStringLiteral("佐藤 \"サブ\" 三郎"));
    QCOMPARE(toBytes(writePoolFile(*read)), toBytes(example));
}

void TestPoolFile::readsWhatScriptsMayWrite_data() {
    QTest::addColumn<std::string>("bytes");
    QTest::addColumn<std::string>("expected");  // the file of the stage read
    const std::string small = writePoolFile(smallStage());

    QTest::newRow("unknown members, nested") << replaced(small, "\"version\": 1,",
                                                         "\"version\": 1, \"later\": {\"a\": [1, "
                                                         "{\"b\": null}], \"c\": \"x\"},")
                                             << small;
    QTest::newRow("a byte-order mark") << "\xEF\xBB\xBF" + small << small;
    QTest::newRow("escaped characters")
        << replaced(small, "\"𠮷田\"", "\"\\ud842\\udfb7\\u7530\"") << small;

    // Only the format, the version, the pools with their members' names and the matches' pairs
    // and outcomes are needed; the rest takes the values of a new stage.
    PoolStage bare;
    Pool pool;
    pool.name = "";
    for (const char* name : {"a", "b", "c"}) pool.members.push_back({name, "", 0, {}});
    pool.matches = {{0, 1, MatchOutcome::FirstWins, false, -1, -1},
                    {0, 2, MatchOutcome::Unplayed, false, -1, -1},
                    {1, 2, MatchOutcome::Draw, false, -1, -1}};
    bare.pools.push_back(pool);
    QTest::newRow("only what is needed")
        << std::string(R"({"format": "kazbo-pools", "version": 1, "pools": [{"members":
               [{"name": "a"}, {"name": "b"}, {"name": "c"}], "matches": [
               {"first": 0, "second": 1, "outcome": "firstWins"},
               {"first": 0, "second": 2, "outcome": "unplayed"},
               {"first": 1, "second": 2, "outcome": "draw"}]}]})")
        << writePoolFile(bare);
}

void TestPoolFile::readsWhatScriptsMayWrite() {
    QFETCH(std::string, bytes);
    QFETCH(std::string, expected);
    const std::optional<PoolStage> read = readPoolFile(bytes);
    QVERIFY(read.has_value());
    QCOMPARE(toBytes(writePoolFile(*read)), toBytes(expected));
}

void TestPoolFile::refusesWhatIsNoPoolFile_data() {
    QTest::addColumn<std::string>("bytes");
    const std::string small = writePoolFile(smallStage());
    const auto text = [&](const char* name, const std::string& from, const std::string& to) {
        QTest::newRow(name) << replaced(small, from, to);
    };
    // A stage the writer writes as it is, which the reader refuses.
    const auto stage = [](const char* name, const std::function<void(PoolStage&)>& change) {
        PoolStage changed = smallStage();
        change(changed);
        QTest::newRow(name) << writePoolFile(changed);
    };

    QTest::newRow("empty") << std::string();
    QTest::newRow("truncated") << small.substr(0, small.size() / 2);
    QTest::newRow("not JSON") << std::string("\x04\0\0\0", 4);
    QTest::newRow("an array") << std::string("[]");
    text("another format", "\"kazbo-pools\"", "\"kazbo-bracket\"");
    text("no format", "\"format\": \"kazbo-pools\",", "");
    text("a later version", "\"version\": 1", "\"version\": 2");
    text("a version as text", "\"version\": 1", "\"version\": \"1\"");
    text("a huge version", "\"version\": 1", "\"version\": 18446744073709551615");
    text("no pools", "\"pools\"", "\"groups\"");
    text("an index beyond the pool", "\"second\": 2,\n          \"outcome\": \"secondWins\"",
         "\"second\": 3,\n          \"outcome\": \"secondWins\"");
    text("a pair twice", "\"first\": 1,\n          \"second\": 2",
         "\"first\": 0,\n          \"second\": 1");
    text("a member against themselves", "\"first\": 1", "\"first\": 2");
    text("an unknown outcome", "\"outcome\": \"firstWins\"", "\"outcome\": \"won\"");
    text("an unknown tie-break", "\"scoresFor\"", "\"coinToss\"");
    text("a fraction", "\"firstScore\": 3", "\"firstScore\": 3.5");
    text("a score beyond the largest", "\"firstScore\": 3", "\"firstScore\": 1000");
    text("a name that is a number", "\"name\": \"髙橋\"", "\"name\": 7");
    text("a name of 65 characters", "\"name\": \"髙橋\"",
         "\"name\": \"" + std::string(65, 'x') + "\"");
    text("a control character", "\"name\": \"髙橋\"", "\"name\": \"髙\\u0001橋\"");
    text("a byte that is not UTF-8", "\"name\": \"髙橋\"", "\"name\": \"髙\xFF橋\"");
    text("a lone surrogate", "\"name\": \"髙橋\"", "\"name\": \"\\ud800\"");
    text("nested too deep", "\"version\": 1,",
         "\"version\": 1, \"later\": " + nested(kMaxPoolFileDepth) + ",");
    std::string zeros = "[0";
    for (size_t value = 0; value < kMaxPoolFileValues; ++value) zeros += ",0";
    text("too many values", "\"version\": 1,", "\"version\": 1, \"later\": " + zeros + "],");
    QTest::newRow("larger than the limit") << small + std::string(kMaxPoolFileBytes, ' ');

    stage("no pool", [](PoolStage& s) { s.pools.clear(); });
    stage("a pool of two", [](PoolStage& s) {
        s.pools[0].members.pop_back();
        s.pools[0].matches.resize(1);
    });
    stage("a match missing", [](PoolStage& s) { s.pools[0].matches.pop_back(); });
    stage("more entrants than a stage holds", [](PoolStage& s) {
        Pool eight;
        for (int m = 0; m < kMaxPoolSize; ++m) eight.members.push_back({"x", "", 0, {}});
        for (int a = 0; a < kMaxPoolSize; ++a) {
            for (int b = a + 1; b < kMaxPoolSize; ++b)
                eight.matches.push_back({a, b, {}, false, -1, -1});
        }
        s.pools.assign(kMaxPoolEntrants / kMaxPoolSize + 1, eight);
    });
    stage("a walkover not won", [](PoolStage& s) { s.pools[0].matches[2].walkover = true; });
    stage("a tie-break twice", [](PoolStage& s) {
        s.rules.tieBreaks = {TieBreak::Lot, TieBreak::Lot};
    });
    stage("three going through", [](PoolStage& s) { s.rules.through = 3; });
    stage("a member twice in the lot", [](PoolStage& s) { s.pools[0].lot = {1, 1}; });
    stage("a seed beyond the entrants", [](PoolStage& s) { s.pools[0].members[0].seed = 129; });
    stage("a pool name of 33 characters",
          [](PoolStage& s) { s.pools[0].name = std::string(kMaxPoolNameCharacters + 1, 'x'); });
    stage("a draw number beyond 2^31 - 1", [](PoolStage& s) { s.drawNumber = 1u << 31; });
}

void TestPoolFile::refusesWhatIsNoPoolFile() {
    QFETCH(std::string, bytes);
    QVERIFY(!readPoolFile(bytes).has_value());
}

void TestPoolFile::loadsThroughTheOneLoadPath() {
    QTemporaryDir dir;
    const auto place = [&](const char* name, const std::string& bytes) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(toBytes(bytes)) != qint64(bytes.size())) {
            qFatal("cannot write %s", name);
        }
        return QFile::encodeName(file.fileName()).toStdString();
    };
    const std::string stored = place("a.kazpool", writePoolFile(smallStage()));
    const Result<PoolStage> loaded = loadPoolFile(stored, ReadableFiles::RegularOnly);
    QVERIFY(loaded.ok());
    QVERIFY(*loaded == smallStage());

    const std::string bracket =
        place("b.kazpool", toStd(kaztest::readTestData("four_members.kaz")));
    const Result<PoolStage> refused = loadPoolFile(bracket, ReadableFiles::RegularOnly);
    QVERIFY(!refused.ok());
    QCOMPARE(refused.failure().cause, FileError::InvalidFormat);
    QCOMPARE(refused.failure().path, bracket);

    const Result<PoolStage> missing = loadPoolFile(stored + "x", ReadableFiles::RegularOnly);
    QVERIFY(!missing.ok());
    QCOMPARE(missing.failure().cause, FileError::FileNotFound);
}

QTEST_GUILESS_MAIN(TestPoolFile)
#include "tst_pool_file.moc"
