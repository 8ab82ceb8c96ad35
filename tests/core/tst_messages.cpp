// The core's texts in both languages from its one table, and the language the tools
// take from the locale.

#include <QRegularExpression>
#include <QTest>

#include "draw/bracket_draw.h"
#include "draw/entrant_list.h"
#include "io/result.h"
#include "platform/user_language.h"
#include "text/messages.h"

using namespace kaz;

Q_DECLARE_METATYPE(kaz::Message)
Q_DECLARE_METATYPE(kaz::Language)

namespace {

// The first problem or note of reading `list` (UTF-8), as a message.
Message firstProblem(const char* list) {
    const EntrantList read = readEntrantList(list, false);
    if (!read.problems.empty()) return listProblemText(read.problems.front());
    return Message(MessageId::NoError);
}

}  // namespace

class TestMessages : public QObject {
    Q_OBJECT

private slots:
    void bothLanguages_data();
    void bothLanguages();
    void everyTextInBothLanguages();
    void localeLanguage_data();
    void localeLanguage();
};

void TestMessages::bothLanguages_data() {
    QTest::addColumn<Message>("message");
    QTest::addColumn<QString>("japanese");
    QTest::addColumn<QString>("english");

    QTest::newRow("text") << fileErrorMessage(FileError::FileNotFound, "/tmp/決勝%2.kaz")
                          << "/tmp/決勝%2.kaz が見つかりませんでした。"
                          << "/tmp/決勝%2.kaz was not found.";
    QTest::newRow("nested message")
        << Message(MessageId::ListLine, {3, Message(MessageId::TooManyFields)})
        << "3行目: 項目が多すぎます。名前、所属、シードの3つまでです。"
        << "Line 3: Too many fields. At most three: name, club and seed.";
    const std::vector<Message> rounds = {
        Message(MessageId::RoundMeetings, {Message(MessageId::RoundNumber, {1}), 2}),
        Message(MessageId::RoundMeetings, {Message(MessageId::FinalRound), 1})};
    QTest::newRow("list") << Message(MessageId::UnavoidableMeetings,
                                     {MessageValue::name("西"), 9, rounds})
                          << "西 9人: 1回戦 2組、決勝 1組"
                          << "西, 9 members: Round 1 ×2, Final ×1";

    // A club with spaces, from the draw: whole in quotes in English, as it was in Japanese.
    std::vector<Entrant> entrants(3);
    for (Entrant& entrant : entrants) entrant.club = "Riverside Tennis Club";
    const std::vector<Message> unavoidable = unavoidableMeetingTexts(entrants, 4);
    QTest::newRow("club with spaces")
        << (unavoidable.empty() ? Message(MessageId::NoError) : unavoidable.front())
        << "Riverside Tennis Club 3人: 準決勝 1組"
        << "\"Riverside Tennis Club\", 3 members: Semi-finals ×1";

    // Counts read as counts.
    QTest::newRow("one entrant") << firstProblem("Bo\n") << "参加者が1人だけです。2人以上必要です。"
                                 << "There is only 1 entrant. At least 2 are needed.";
    QTest::newRow("size too large")
        << drawSizeProblem(23, 64).value_or(Message(MessageId::NoError))
        << "23人に 64人用は大きすぎます。表は参加者数の 2 倍まで (32人用まで) です。"
        << "A bracket of 64 members is too large for 23 entrants: at most twice as many members "
           "as entrants (a bracket of 32).";

    // The limits count characters, as a reader does in every language.
    QTest::newRow("limit in characters")
        << firstProblem(
               "Bo\nAnn,Riverside Tennis Club of the Lower Valley and the Hills Beyond It\n")
        << "2行目: 所属が長すぎます (64 文字まで)。"
        << "Line 2: The club is too long (at most 64 characters).";
}

void TestMessages::bothLanguages() {
    QFETCH(Message, message);
    QFETCH(QString, japanese);
    QFETCH(QString, english);
    QCOMPARE(QString::fromStdString(japaneseText(message)), japanese);
    QCOMPARE(QString::fromStdString(englishText(message)), english);
}

// Every text of the table in both languages: the English with no Japanese left in it, and the
// same values (%1 … %9) as the Japanese, so that no value is lost or made up in either.
void TestMessages::everyTextInBothLanguages() {
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3040}-\\x{30FF}\\x{4E00}-\\x{9FFF}\\x{FF61}-\\x{FF9F}]"));
    static const QRegularExpression value(QStringLiteral("%[1-9]"));
    const auto values = [](const QString& text) {
        QStringList found;
        for (auto it = value.globalMatch(text); it.hasNext();) found << it.next().captured();
        found.sort();
        found.removeDuplicates();
        return found;
    };
    for (int id = 0; id < kMessageIdCount; ++id) {
        const QString inJapanese =
            QString::fromUtf8(messageTemplate(MessageId(id), Language::Japanese));
        const QString inEnglish =
            QString::fromUtf8(messageTemplate(MessageId(id), Language::English));
        const QByteArray where = QByteArray::number(id) + ": " + inEnglish.toUtf8();
        QVERIFY2(!inJapanese.isEmpty() && !inEnglish.isEmpty(), where);
        QVERIFY2(!inEnglish.contains(japanese), where);
        QVERIFY2(values(inJapanese) == values(inEnglish), where);
    }
}

void TestMessages::localeLanguage_data() {
    QTest::addColumn<QString>("lcAll");
    QTest::addColumn<QString>("lcMessages");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("language");  // LANGUAGE
    QTest::addColumn<Language>("speaks");
    const Language ja = Language::Japanese;
    const Language en = Language::English;
    QTest::newRow("nothing set") << ""
                                 << ""
                                 << ""
                                 << "" << ja;
    QTest::newRow("C") << ""
                       << ""
                       << "C"
                       << "" << ja;
    QTest::newRow("C.UTF-8") << ""
                             << ""
                             << "C.UTF-8"
                             << "" << ja;
    QTest::newRow("POSIX") << "POSIX"
                           << ""
                           << "en_US.UTF-8"
                           << "" << ja;
    QTest::newRow("Japanese") << ""
                              << ""
                              << "ja_JP.UTF-8"
                              << "" << ja;
    QTest::newRow("Japanese, language alone") << ""
                                              << ""
                                              << "ja"
                                              << "" << ja;
    QTest::newRow("English") << ""
                             << ""
                             << "en_US.UTF-8"
                             << "" << en;
    QTest::newRow("German") << ""
                            << ""
                            << "de_DE@euro"
                            << "" << en;
    QTest::newRow("LC_ALL first") << "en_GB.UTF-8"
                                  << "ja_JP.UTF-8"
                                  << "ja_JP.UTF-8"
                                  << "" << en;
    QTest::newRow("LC_MESSAGES before LANG") << ""
                                             << "ja_JP.UTF-8"
                                             << "en_US.UTF-8"
                                             << "" << ja;
    QTest::newRow("LANGUAGE's first") << ""
                                      << ""
                                      << "ja_JP.UTF-8"
                                      << "en:ja" << en;
    QTest::newRow("LANGUAGE Japanese") << ""
                                       << ""
                                       << "en_US.UTF-8"
                                       << "ja:en" << ja;
    QTest::newRow("LANGUAGE not with C") << ""
                                         << ""
                                         << "C.UTF-8"
                                         << "en" << ja;
}

void TestMessages::localeLanguage() {
    QFETCH(QString, lcAll);
    QFETCH(QString, lcMessages);
    QFETCH(QString, lang);
    QFETCH(QString, language);
    QFETCH(Language, speaks);
    const std::string all = lcAll.toStdString(), messages = lcMessages.toStdString(),
                      named = lang.toStdString(), list = language.toStdString();
    QCOMPARE(platform::localeLanguage(all, messages, named, list), speaks);
}

QTEST_GUILESS_MAIN(TestMessages)
#include "tst_messages.moc"
