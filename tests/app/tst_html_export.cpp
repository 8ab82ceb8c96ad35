// "HTML化" and "HTML設定" through the real main window.

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QPrinter>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app_test_support.h"
#include "dialogs/html_settings_dialog.h"
#include "dialogs/member_count_dialog.h"
#include "dialogs/text_input_dialog.h"
#include "document/bracket_document.h"
#include "documents/bracket_window.h"
#include "documents/document_manager.h"
#include "documents/export_places.h"
#include "html/html_page.h"
#include "io/kaz_format.h"
#include "scripted_desktop.h"
#include "shell/main_window.h"
#include "view/bracket_view.h"
#include "view/line_widget.h"
#include "view/member_name_edit.h"

using namespace kaz::gui;
using namespace kaz::app;

using namespace guitest;

namespace {

void typeScore(LineWidget* line, const QString& score) {
    onNextDialog<QDialog>([score](QDialog* dialog) {
        typeText(openedField(dialog), score);
        QTest::keyClick(openedField(dialog), Qt::Key_Return);
    });
    QTest::mouseClick(line, Qt::RightButton);
}

// Runs the settings dialog from its command and lets `edit` work on it before OK or cancel.
void runSettings(MainWindow& frame, std::function<void(HtmlSettingsDialog*)> edit, bool ok) {
    onNextDialog<HtmlSettingsDialog>([edit, ok](HtmlSettingsDialog* dialog) {
        edit(dialog);
        if (ok) {
            dialog->accept();
        } else {
            dialog->reject();
        }
    });
    action(frame, "htmlSettings")->trigger();
}

}  // namespace

class TestHtmlExport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void workedExampleThroughTheEditor();
    void cancelWritesNothing();
    void unwritableTargetIsReportedAndKept_data();
    void unwritableTargetIsReportedAndKept();
    void settingsReachDocumentScreenAndPage();
    void settingsCancelKeepsEverything();
    void exportsSayWhereTheyWent();
    void exportFolderLastsFromRunToRun();

private:
    // The user's settings, the last export's folder among them, are this test's own.
    QTemporaryDir m_config;
};

void TestHtmlExport::initTestCase() { qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8()); }

void TestHtmlExport::workedExampleThroughTheEditor() {
    QTemporaryDir dir;
    MainWindow frame;
    showActive(frame);
    BracketView* view = newBracket(frame);
    QVERIFY(view);
    for (int i = 0; i < 4; ++i) {
        typeText(view->nameEdits()[i], QStringLiteral("選手%1").arg(i + 1));
    }
    QTest::mouseClick(view->lineWidgets()[0], Qt::LeftButton);
    // Clicking line 0 took line 4 to "advanced": the member it carried on stands there.
    QCOMPARE(view->document()->lineState(4), kaz::LineState::Advanced);
    typeScore(view->lineWidgets()[0], QStringLiteral("2"));
    typeScore(view->lineWidgets()[1], QStringLiteral("1"));

    ScriptedDesktop desktop;
    const QString path = dir.filePath(QStringLiteral("page.html"));
    desktop.saveAnswers.enqueue(path);
    QApplication::setActiveWindow(&frame);  // offscreen leaves none active after a dialog
    QTest::keyClick(&frame, Qt::Key_T, Qt::ControlModifier);
    QCOMPARE(desktop.saveRequests.value(0).filters,
             QStringList({"HTMLファイル(*.html)", "HTMファイル(*.htm)", "全て(*.*)"}));
    QCOMPARE(desktop.saveRequests.value(0).defaultSuffix, QStringLiteral("html"));
    // A new bracket, and nothing exported yet: its title, in the Documents folder.
    QCOMPARE(desktop.saveRequests.value(0).proposed,
             QDir(startFolder(QString())).filePath(QStringLiteral("新しいトーナメント表1.html")));
    // The worked page, whose line 4 is open (as only a file can hold it now), with that line
    // reached.
    std::optional<kaz::Bracket> worked = kaz::readKaz(
        readFile(QStringLiteral(KAZ_TEST_DATA "/four_members_example.kaz")).toStdString());
    QVERIFY(worked);
    QCOMPARE(worked->lineState(4), kaz::LineState::Open);
    worked->setLineState(4, kaz::LineState::Advanced);
    QCOMPARE(readFile(path), QByteArray::fromStdString(kaz::writeHtmlPage(*worked)));
    QCOMPARE(desktop.openedPaths, QStringList({path}));
    // The names typed but never saved are in the page, and exporting changes nothing.
    QCOMPARE(view->document()->filePath(), QString());
    QVERIFY(view->document()->isChanged());  // still unsaved: exporting is no save
    desktop.saveQuestionAnswers.enqueue(DesktopServices::SaveAnswer::No);
    frame.mdiArea()->closeAllSubWindows();
    QCOMPARE(desktop.questions.size(), 1);
}

void TestHtmlExport::cancelWritesNothing() {
    QTemporaryDir dir;
    MainWindow frame;
    showActive(frame);
    newBracket(frame);
    ScriptedDesktop desktop;
    desktop.saveAnswers.enqueue(QString());
    action(frame, "htmlExport")->trigger();
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    QCOMPARE(desktop.openedPaths, QStringList());
    QCOMPARE(desktop.errors, QStringList());
    frame.mdiArea()->closeAllSubWindows();
}

void TestHtmlExport::unwritableTargetIsReportedAndKept_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing folder") << "none/page.html"
                                    << " には無効なﾊﾟｽが含まれています。";
    QTest::newRow("a folder") << "folder.html"
                              << " へのｱｸｾｽは拒否されました。";
}

void TestHtmlExport::unwritableTargetIsReportedAndKept() {
    QFETCH(QString, target);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.html")));
    const QString path = dir.filePath(target);
    MainWindow frame;
    showActive(frame);
    newBracket(frame);
    ScriptedDesktop desktop;
    desktop.saveAnswers.enqueue(path);
    action(frame, "htmlExport")->trigger();
    QCOMPARE(desktop.errors.size(), 1);
    QVERIFY2(desktop.errors[0].endsWith(message), qPrintable(desktop.errors[0]));
    QCOMPARE(desktop.openedPaths, QStringList());
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList({"folder.html"}));
    frame.mdiArea()->closeAllSubWindows();
}

void TestHtmlExport::settingsReachDocumentScreenAndPage() {
    QTemporaryDir dir;
    MainWindow frame;
    showActive(frame);
    BracketView* view = newBracket(frame);
    BracketDocument* doc = view->document();
    typeText(view->nameEdits()[0], QStringLiteral("x"));
    QTest::mouseClick(view->lineWidgets()[0], Qt::LeftButton);
    runSettings(
        frame,
        [](HtmlSettingsDialog* dialog) {
            const auto edits = dialog->findChildren<QLineEdit*>();
            // The rows' edits hold the five colours; find them by their text.
            for (QLineEdit* edit : edits) {
                if (edit->text() == "#FFFFFF") edit->setText("#102030");
                if (edit->text() == "#DC143C") edit->setText("#00ff00");
            }
            for (QCheckBox* box : dialog->findChildren<QCheckBox*>()) box->setChecked(true);
        },
        true);
    QCOMPARE(doc->colors().backgroundColor, std::string("#102030"));
    QCOMPARE(doc->colors().winLineColor, std::string("#00FF00"));
    QVERIFY(doc->bracket().boldMemberNames());
    QVERIFY(doc->bracket().boldScores());
    QTRY_COMPARE(view->lineWidgets()[0]->grab().toImage().pixelColor(30, 17), QColor(0, 255, 0));
    QCOMPARE(view->lineWidgets()[0]->grab().toImage().pixelColor(30, 5), QColor(0x10, 0x20, 0x30));
    QCOMPARE(view->canvas()->grab().toImage().pixelColor(5, 5), QColor(0x10, 0x20, 0x30));

    ScriptedDesktop desktop;
    const QString path = dir.filePath(QStringLiteral("bold.html"));
    desktop.saveAnswers.enqueue(path);
    action(frame, "htmlExport")->trigger();
    const QByteArray page = readFile(path);
    QVERIFY(page.contains("color :#000000\"><B></B></TD >"));
    QVERIFY(page.contains("background-color:#102030 \" >"));
    // The colours count as a change when the bracket is closed.
    desktop.saveQuestionAnswers.enqueue(DesktopServices::SaveAnswer::No);
    frame.mdiArea()->currentSubWindow()->close();
    QCOMPARE(desktop.questions.size(), 1);
}

void TestHtmlExport::settingsCancelKeepsEverything() {
    MainWindow frame;
    showActive(frame);
    BracketView* view = newBracket(frame);
    runSettings(
        frame,
        [](HtmlSettingsDialog* dialog) {
            for (QLineEdit* edit : dialog->findChildren<QLineEdit*>()) edit->setText("#123456");
            for (QCheckBox* box : dialog->findChildren<QCheckBox*>()) box->setChecked(true);
        },
        false);
    QVERIFY(view->document()->colors() == kaz::ColorSet());
    QVERIFY(!view->document()->bracket().boldMemberNames());
    QVERIFY(!view->document()->isChanged());
    frame.mdiArea()->closeAllSubWindows();
}

// Every export says in the status bar where it went; a bracket without a file starts from the
// folder of the last export, one with a file from its own folder, whatever was exported last.
void TestHtmlExport::exportsSayWhereTheyWent() {
    QTemporaryDir dir;
    QTemporaryDir other;
    MainWindow frame;
    showActive(frame);
    newBracket(frame);
    ScriptedDesktop desktop;
    const QString page = dir.filePath(QStringLiteral("page.html"));
    desktop.saveAnswers.enqueue(page);
    desktop.viewerStarts = false;
    action(frame, "htmlExport")->trigger();
    QVERIFY(QFile::exists(page));
    QCOMPARE(desktop.errors, QStringList());
    QCOMPARE(frame.statusBar()->currentMessage(),
             QDir::toNativeSeparators(page) +
                 QStringLiteral(" に書き出しました。表示するｱﾌﾟﾘｹｰｼｮﾝを起動できませんでした。"));

    newBracket(frame);
    const QString picture = dir.filePath(QStringLiteral("picture.png"));
    desktop.saveAnswers.enqueue(picture);
    action(frame, "savePicture")->trigger();
    QCOMPARE(desktop.saveRequests.value(1).proposed, dir.filePath("新しいトーナメント表2.png"));
    QCOMPARE(frame.statusBar()->currentMessage(),
             QDir::toNativeSeparators(picture) + QStringLiteral(" に書き出しました。"));

    const QString bracket = other.filePath(QStringLiteral("大会.kaz"));
    QVERIFY(writeFile(bracket, readFile(QStringLiteral(KAZ_TEST_DATA "/four_members.kaz"))));
    QVERIFY(frame.documentManager()->openDocumentFile(bracket));
    desktop.saveAnswers.enqueue(QString());
    action(frame, "htmlExport")->trigger();
    QCOMPARE(desktop.saveRequests.value(2).proposed, other.filePath("大会.html"));
    // Printed to a PDF file: Qt's dialog proposes the bracket's name, and it counts as an export.
    const QString pdf = other.filePath(QStringLiteral("printed.pdf"));
    desktop.printAnswers.enqueue([&pdf](QPrinter& printer) {
        printer.setOutputFileName(pdf);
        return true;
    });
    action(frame, "filePrint")->trigger();
    QCOMPARE(desktop.printPdfPaths, QStringList{other.filePath("大会.pdf")});
    QVERIFY(QFile::exists(pdf));
    QCOMPARE(frame.statusBar()->currentMessage(),
             QDir::toNativeSeparators(pdf) + QStringLiteral(" に書き出しました。"));
    frame.documentManager()->closeAllDocuments();
}

// An unsaved bracket of the next run starts where the last export went, unless that folder
// is gone.
void TestHtmlExport::exportFolderLastsFromRunToRun() {
    auto dir = std::make_unique<QTemporaryDir>();
    const QString page = dir->filePath(QStringLiteral("page.html"));
    ScriptedDesktop desktop;
    {
        MainWindow frame;
        newBracket(frame);
        desktop.saveAnswers.enqueue(page);
        action(frame, "htmlExport")->trigger();
        QVERIFY(QFile::exists(page));
        frame.documentManager()->closeAllDocuments();
    }
    const auto proposedInANewRun = [&desktop] {
        MainWindow frame;
        newBracket(frame);
        desktop.saveAnswers.enqueue(QString());
        action(frame, "htmlExport")->trigger();
        frame.documentManager()->closeAllDocuments();
        return desktop.saveRequests.last().proposed;
    };
    QCOMPARE(proposedInANewRun(), dir->filePath("新しいトーナメント表1.html"));
    dir.reset();
    QCOMPARE(proposedInANewRun(),
             QDir(startFolder(QString())).filePath(QStringLiteral("新しいトーナメント表1.html")));
}

QTEST_MAIN(TestHtmlExport)
#include "tst_html_export.moc"
