#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>

#include "app_test_support.h"
#include "bracket/round_names.h"
#include "common/refusal_notice.h"
#include "common/ui_text.h"
#include "dialogs/draw_dialog.h"
#include "document/bracket_document.h"
#include "documents/document_manager.h"
#include "settings/profile_settings.h"
#include "shell/main_window.h"
#include "shell/ui_language.h"
#include "text/messages.h"
#include "text/pasted_text.h"

using namespace kaz::gui;
using namespace kaz::app;
using namespace guitest;

// The editor's language: Japanese by default and wherever the locale says nothing, English
// for any other language, the core's texts included. The Japanese checks come first: once the
// English translation is installed, this program speaks English.
class TestUiLanguage : public QObject {
    Q_OBJECT
private slots:
    void languageOfLocale_data();
    void languageOfLocale();
    void coreTextsUnchangedInJapanese();
    void englishWindowHasNoJapanese();
    void coreTextsInEnglish_data();
    void coreTextsInEnglish();
};

void TestUiLanguage::languageOfLocale_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("japanese");
    QTest::newRow("Japanese") << "ja_JP" << true;
    QTest::newRow("no language") << "C" << true;
    QTest::newRow("English") << "en_US" << false;
    QTest::newRow("German") << "de_DE" << false;
    QTest::newRow("Chinese") << "zh_CN" << false;
}

void TestUiLanguage::languageOfLocale() {
    QFETCH(QString, locale);
    QFETCH(bool, japanese);
    QCOMPARE(speaksJapanese(QLocale(locale)), japanese);
}

// With no translation, every message of the core reaches the user exactly as the core writes
// it in Japanese, whatever its values hold (a value that looks like a message or holds "%2").
void TestUiLanguage::coreTextsUnchangedInJapanese() {
    const std::string values[] = {"山田 太郎", "決勝", "%2", "3行目: x、y", "12"};
    for (int id = 0; id < kaz::kMessageIdCount; ++id) {
        for (const std::string& value : values) {
            const kaz::Message message(kaz::MessageId(id),
                                       {value,
                                        std::vector<kaz::Message>{kaz::matchRoundMessage(8, 1),
                                                                  kaz::matchRoundMessage(8, 3)},
                                        "/tmp/a b.kaz", kaz::Message(kaz::MessageId::EmptyName)});
            QCOMPARE(uiText(message), QString::fromStdString(kaz::japaneseText(message)));
        }
    }
}

void TestUiLanguage::englishWindowHasNoJapanese() {
    installUiLanguage(*qApp, QLocale(QStringLiteral("en_US")));
    // The recent files' names are the user's, in any language (on Windows every test's).
    profileSettings().remove(QStringLiteral("Recent File List"));
    MainWindow frame;
    QCOMPARE(frame.windowTitle(), QStringLiteral("Kazbo"));
    QCOMPARE(frame.menuBar()->actions().first()->text(), QStringLiteral("&File"));
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3040}-\\x{30FF}\\x{4E00}-\\x{9FFF}\\x{FF61}-\\x{FF9F}]"));
    for (QAction* action : frame.findChildren<QAction*>()) {
        for (const QString& text : {action->text(), action->statusTip(), action->toolTip()}) {
            QVERIFY2(!text.contains(japanese), qPrintable(action->objectName() + ": " + text));
        }
    }
    // A new bracket's sheet speaks the editor's language, and is no change of the user's.
    frame.documentManager()->openNewBracket(kaz::Bracket(4));
    const auto docs = frame.documentManager()->findChildren<BracketDocument*>();
    QCOMPARE(docs.size(), 1);
    const BracketDocument* doc = docs.first();
    QCOMPARE(doc->bracket().sheet().language, kaz::SheetLanguage::English);
    QVERIFY(!doc->isChanged());
    // So does a drawn one, already in the draw's preview.
    bool drawn = false;
    onNextDialog<DrawDialog>([&drawn](DrawDialog* dialog) {
        dialog->setChoices(DrawChoices());  // not a size kept by another test
        dialog->findChild<QPlainTextEdit*>(QStringLiteral("listEdit"))
            ->setPlainText(QStringLiteral("Ann\nBob\nCid\nDan"));
        drawn = dialog->drawnBracket() &&
                dialog->drawnBracket()->sheet().language == kaz::SheetLanguage::English;
        dialog->reject();
    });
    action(frame, "fileNewFromList")->trigger();
    QVERIFY(drawn);
}

void TestUiLanguage::coreTextsInEnglish_data() {
    // Every message has its English text, with no Japanese left in it.
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3040}-\\x{30FF}\\x{4E00}-\\x{9FFF}\\x{FF61}-\\x{FF9F}]"));
    for (int id = 0; id < kaz::kMessageIdCount; ++id) {
        const QString english = uiText(kaz::MessageId(id));
        QVERIFY2(!english.isEmpty() && !english.contains(japanese),
                 qPrintable(QString::number(id) + ": " + english));
    }

    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("english");
    QTest::newRow("file error") << uiText(kaz::fileErrorMessage(kaz::FileError::FileNotFound,
                                                                "/tmp/決勝.kaz"))
                                << "/tmp/決勝.kaz was not found.";
    QTest::newRow("note by line")
        << uiText(kaz::keptAsTypedNote(19, {"ü"}))
        << "Line 19: \"ü\" is kept as typed; older programs show it as 〓.";
    QTest::newRow("note, several characters")
        << uiText(kaz::keptAsTypedNote(2, {"𠮷", "é"}))
        << "Line 2: \"𠮷\", \"é\" are kept as typed; older programs show them as 〓.";
    QTest::newRow("round name") << uiText(kaz::matchRoundMessage(32, 2)) << "Round 2";
    QTest::newRow("meeting, round inside")
        << uiText(kaz::Message(kaz::MessageId::ClubMeeting,
                               {kaz::matchRoundMessage(8, 2), "山田 太郎", "2回戦", "西"}))
        << "Semi-finals: 山田 太郎 and 2回戦 (西)";
    const std::vector<kaz::Message> meetings = {
        kaz::Message(kaz::MessageId::RoundMeetings, {kaz::matchRoundMessage(16, 1), 2}),
        kaz::Message(kaz::MessageId::RoundMeetings, {kaz::matchRoundMessage(16, 4), 1})};
    QTest::newRow("unavoidable, a list inside")
        << uiText(kaz::Message(kaz::MessageId::UnavoidableMeetings, {"西", 9, meetings}))
        << "西, 9 members: Round 1 ×2, Final ×1";
    QTest::newRow("a club with spaces, quoted whole")
        << uiText(kaz::Message(kaz::MessageId::ClubMeeting,
                               {kaz::matchRoundMessage(32, 1), "Ann Lee", "Bo Chen",
                                kaz::MessageValue::name("Riverside Tennis Club")}))
        << "Round 1: Ann Lee and Bo Chen (\"Riverside Tennis Club\")";
    QTest::newRow("a field's limit in characters")
        << refusalText(InputRefusal::TooLong, QStringLiteral("Score"), 32)
        << "Score is limited to 32 characters.";
    // The tools fill in a message the one way the editor does.
    const kaz::Message meeting(
        kaz::MessageId::ClubMeeting,
        {kaz::matchRoundMessage(8, 2), "Ann", "Bo", kaz::MessageValue::name("East, West")});
    QTest::newRow("as a tool says it")
        << uiText(meeting) << QString::fromStdString(kaz::englishText(meeting));
    QTest::newRow("a reason holding the separator")
        << uiText(kaz::Message(kaz::MessageId::ListLine,
                               {1, kaz::Message(kaz::MessageId::TooManyFields)}))
        << "Line 1: Too many fields. At most three: name, club and seed.";
}

void TestUiLanguage::coreTextsInEnglish() {
    QFETCH(QString, shown);
    QFETCH(QString, english);
    QCOMPARE(shown, english);
}

QTEST_MAIN(TestUiLanguage)
#include "tst_ui_language.moc"
