// Saving where Windows refuses it: a file another program holds open and a network path nobody
// answers. The save tells why and keeps the old file. (A Japanese folder and a long path are
// rows of the main window's save test.)

#include <QDir>
#include <QMdiArea>
#include <QTemporaryDir>
#include <QtTest>

#include "app_test_support.h"
#include "bracket/bracket.h"
#include "document/bracket_document.h"
#include "documents/document_manager.h"
#include "io/kaz_format.h"
#include "scripted_desktop.h"
#include "shell/main_window.h"
#include "view/bracket_view.h"

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

using namespace kaz::gui;
using namespace kaz::app;
using namespace guitest;

class TestSavePlaces : public QObject {
    Q_OBJECT
private slots:
    void refusedSaveKeepsTheOldFile_data();
    void refusedSaveKeepsTheOldFile();
};

void TestSavePlaces::refusedSaveKeepsTheOldFile_data() {
    QTest::addColumn<QString>("place");
#ifdef Q_OS_WIN
    QTest::newRow("held open by another program") << QStringLiteral("held");
    QTest::newRow("a network path nobody answers") << QStringLiteral("network");
#else
    QSKIP("a file held open and network paths refuse a save on Windows only");
#endif
}

void TestSavePlaces::refusedSaveKeepsTheOldFile() {
#ifdef Q_OS_WIN
    QFETCH(QString, place);
    QTemporaryDir dir;
    const bool network = place == QStringLiteral("network");
    const QString path = network ? QStringLiteral("//no-such-server-kazbo/share/b.kaz")
                                 : dir.filePath(QStringLiteral("b.kaz"));
    const QByteArray old = QByteArray::fromStdString(kaz::writeKaz(kaz::Bracket(8)));
    if (!network) QVERIFY(writeFile(path, old));
    MainWindow frame;
    ScriptedDesktop desktop;
    BracketDocument* doc = newBracket(frame)->document();
    doc->setMemberName(0, "山田");

    // Opened the way an editor that locks its file opens it: nobody else may write or delete.
    HANDLE held =
        network ? INVALID_HANDLE_VALUE
                : ::CreateFileW(
                      reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()),
                      GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (!network) QVERIFY(held != INVALID_HANDLE_VALUE);
    desktop.saveAnswers.enqueue(path);
    action(frame, "fileSaveAs")->trigger();
    if (held != INVALID_HANDLE_VALUE) ::CloseHandle(held);

    const QString shown = QDir::toNativeSeparators(path);
    const QString message = network ? QStringLiteral(" には無効なﾊﾟｽが含まれています。")
                                    : QStringLiteral(" へのｱｸｾｽ中に共有違反が発生しました。");
    QCOMPARE(desktop.errors, QStringList{shown + message});
    QVERIFY(doc->isChanged());
    if (!network) {
        QCOMPARE(readFile(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("b.kaz")});
    }
    desktop.saveQuestionAnswers.enqueue(DesktopServices::SaveAnswer::No);
    frame.mdiArea()->closeAllSubWindows();
#endif
}

QTEST_MAIN(TestSavePlaces)
#include "tst_save_places.moc"
