// Times the editor itself on Qt's offscreen platform: opening a bracket file to its first
// complete paint, and one click on a first-round line to its repaint, with the number of
// widgets the click repaints. For a 32-member bracket with results (plain, with every part of
// its sheet set, and two-sided with a third-place match), a 128-member one with results and an
// empty 4-member one. A click that clears later rounds to its repaint, and the match's score
// dialog to its showing. A step of the zoom to its repaint, with 32 and 128 members. 印刷 to a
// PDF file, with 32 members and a full sheet and with 128. Then the editor's memory (resident
// set, each in a process of its own) with one bracket of 32 and of 128 members open. Prints
// medians; asserts nothing about time.
//
//   bench_editor

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "bracket/line_rules.h"
#include "bracket/member_progress.h"
#include "bracket/sheet_zoom.h"
#include "document/bracket_document.h"
#include "documents/document_manager.h"
#include "full_sheet.h"
#include "gui_bench_support.h"
#include "io/kaz_format.h"
#include "recovery/recovery_manager.h"
#include "scripted_desktop.h"
#include "shell/main_window.h"
#include "view/bracket_view.h"
#include "view/line_widget.h"

using namespace kaz::gui;
using namespace kaz::app;

using guibench::PaintCounter;
using guibench::paintPending;

namespace {

constexpr int kRuns = 41;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Shows the editor's window, 1280 × 1024, as the active one; false when it did not show.
bool showEditor(MainWindow& window) {
    window.resize(1280, 1024);
    window.show();
    QApplication::setActiveWindow(&window);
    return QTest::qWaitForWindowActive(&window);
}

// Delivers every pending update, so that whatever is dirty is painted now.
void measure(const char* what, const QString& path) {
    MainWindow window;
    if (!showEditor(window)) std::printf("the window was not shown\n");
    DocumentManager* documents = window.documentManager();

    std::vector<double> openMs;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        documents->openDocumentFile(path);
        auto* child = window.mdiArea()->currentSubWindow();
        child->grab();  // the first complete paint of the window and everything in it
        openMs.push_back(timer.nsecsElapsed() / 1e6);
        documents->closeAllDocuments();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    documents->openDocumentFile(path);
    auto* view = qobject_cast<BracketView*>(window.mdiArea()->currentSubWindow()->widget());
    paintPending();
    PaintCounter counter;
    qApp->installEventFilter(&counter);
    std::vector<double> clickMs;
    std::vector<int> painted;
    for (int run = 0; run < kRuns; ++run) {
        counter.count = 0;
        QElapsedTimer timer;
        timer.start();
        // First-round lines in turn: the same line twice in a row would make a double click.
        const int members = view->document()->memberCount();
        QTest::mouseClick(view->lineWidgets()[size_t(run % members)], Qt::LeftButton);
        paintPending();
        clickMs.push_back(timer.nsecsElapsed() / 1e6);
        painted.push_back(counter.count);
    }
    qApp->removeEventFilter(&counter);
    std::sort(painted.begin(), painted.end());
    std::printf(
        "%-32s open to first paint %7.2f ms   click to repaint %6.3f ms   "
        "widgets painted per click %d to %d\n",
        what, median(openMs), median(clickMs), painted.front(), painted.back());
    documents->closeAllDocuments();
}

// A click that takes a match from the champion's first opponent's side, clearing every later
// round, to its repaint (undone, untimed, between runs); and the match's score dialog from the
// right click to its being shown.
void measureResultChange(const char* what, const QString& path) {
    MainWindow window;
    if (!showEditor(window)) std::printf("the window was not shown\n");
    window.documentManager()->openDocumentFile(path);
    auto* view = qobject_cast<BracketView*>(window.mdiArea()->currentSubWindow()->widget());
    BracketDocument* doc = view->document();
    const int members = doc->memberCount();
    const int champion = kaz::memberOnLine(doc->bracket(), doc->bracket().lineCount() - 1);
    const int loser = kaz::opponentLine(members, champion < 0 ? 0 : champion);
    paintPending();
    std::vector<double> clearMs;
    std::vector<double> dialogMs;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(view->lineWidgets()[size_t(loser)], Qt::LeftButton);
        paintPending();
        clearMs.push_back(timer.nsecsElapsed() / 1e6);
        doc->undoStack()->undo();
        paintPending();
        // Apart from the press before, so that the right click is no double click.
        QTest::qWait(1);
        QTimer::singleShot(0, [&dialogMs, &timer] {
            dialogMs.push_back(timer.nsecsElapsed() / 1e6);
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                dialog->reject();
            }
        });
        timer.start();
        QTest::mouseClick(view->lineWidgets()[size_t(loser)], Qt::RightButton);
    }
    std::printf("%-32s later rounds cleared to repaint %6.3f ms   match dialog shown %6.2f ms\n",
                what, median(clearMs), median(dialogMs));
    window.documentManager()->closeAllDocuments();
}

// A step of the zoom, 拡大 or 縮小, to its repaint: up from 100 % to 400 %, down to 25 % and
// up to 100 % again, three times over.
void measureZoom(const char* what, const QString& path) {
    MainWindow window;
    if (!showEditor(window)) std::printf("the window was not shown\n");
    window.documentManager()->openDocumentFile(path);
    auto* view = qobject_cast<BracketView*>(window.mdiArea()->currentSubWindow()->widget());
    paintPending();
    std::vector<double> stepMs;
    for (int turn = 0; turn < 3; ++turn) {
        for (const int target : {kaz::kMostZoom, kaz::kLeastZoom, kaz::kActualSize}) {
            while (view->zoom() != target) {
                const int next = target > view->zoom() ? kaz::zoomedIn(view->zoom())
                                                       : kaz::zoomedOut(view->zoom());
                QElapsedTimer timer;
                timer.start();
                view->setZoom(next);
                paintPending();
                stepMs.push_back(timer.nsecsElapsed() / 1e6);
            }
        }
    }
    std::printf("%-32s zoom step to repaint %6.2f ms median, %6.2f ms at most (%zu steps)\n", what,
                median(stepMs), *std::max_element(stepMs.begin(), stepMs.end()), stepMs.size());
    window.documentManager()->closeAllDocuments();
}

// What keeping a changed bracket for recovery costs the window's thread (making the bytes and
// handing them to the writer), and how long the writer then takes to put them on disk.
void measureRecovery(const QString& path) {
    QTemporaryDir folder;
    MainWindow window;
    RecoveryManager recovery(&window, folder.path());
    window.documentManager()->openDocumentFile(path);
    BracketDocument* doc = window.documentManager()->activeDocument();
    doc->setChampion("A");  // changed, so kept
    recovery.follow(doc);
    recovery.flush();
    std::vector<double> handMs, diskMs;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        recovery.keepNow(doc);
        handMs.push_back(timer.nsecsElapsed() / 1e6);
        recovery.flush();
        diskMs.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf(
        "recovery file, 32 members        window's thread %6.3f ms   on disk after %6.2f ms\n",
        median(handMs), median(diskMs));
    window.documentManager()->closeAllDocuments();
}

// The resident set of this process in KiB (Linux), 0 where it cannot be read.
long residentKib() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

// In a process of its own: the editor's window with `path` open and painted; prints the
// resident set before and after opening.
int reportMemory(const QString& path) {
    MainWindow window;
    if (!showEditor(window)) return 1;
    paintPending();
    const long before = residentKib();
    window.documentManager()->openDocumentFile(path);
    window.mdiArea()->currentSubWindow()->grab();
    paintPending();
    std::printf("%ld %ld\n", before, residentKib());
    return 0;
}

// Runs this program once for each file and prints the editor's memory with it open.
void measureMemory(const QString& program, const QString& smaller, const QString& larger) {
    long open[2] = {0, 0};
    long empty[2] = {0, 0};
    const QString paths[2] = {smaller, larger};
    for (int i = 0; i < 2; ++i) {
        QProcess child;
        child.start(program, {QStringLiteral("--memory"), paths[i]});
        child.waitForFinished(60000);
        const QList<QByteArray> kib = child.readAllStandardOutput().trimmed().split(' ');
        empty[i] = kib.value(0).toLong();
        open[i] = kib.value(1).toLong();
    }
    std::printf(
        "memory: empty window %ld KiB; with 32 members %ld KiB, with 128 members %ld KiB "
        "(%.3fx; the bracket alone %ld vs %ld KiB)\n",
        empty[0], open[0], open[1], open[0] ? double(open[1]) / double(open[0]) : 0.0,
        open[1] - empty[1], open[0] - empty[0]);
}

// 印刷 of the open bracket, from the action to the printed PDF file (the printer prints to a
// file: the picture laid out, fitted to the page and painted at the printer's resolution).
void measurePrint(const char* what, const QString& path, ScriptedDesktop& desktop) {
    MainWindow window;
    if (!showEditor(window)) std::printf("the window was not shown\n");
    window.documentManager()->openDocumentFile(path);
    paintPending();
    QTemporaryDir out;
    QAction* print = window.findChild<QAction*>(QStringLiteral("filePrint"));
    std::vector<double> printMs;
    for (int run = 0; run < 11; ++run) {
        desktop.printAnswers.enqueue([&out](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(out.filePath(QStringLiteral("printed.pdf")));
            return true;
        });
        QElapsedTimer timer;
        timer.start();
        print->trigger();
        printMs.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("%-32s print to a PDF file %7.2f ms median\n", what, median(printMs));
    window.documentManager()->closeAllDocuments();
}

// A 128-member bracket with names and results: every first-round match won, and the upper
// line of every later match until the quarter-finals.
kaz::Bracket largeBracket() {
    kaz::Bracket bracket(128);
    for (int m = 0; m < 128; ++m) {
        bracket.setMemberName(m, "\x91\x49\x8e\xe8" + std::to_string(m + 1));  // 選手N
    }
    for (int line = 0; line < 128; line += 2) {
        kaz::leftClickLine(bracket, line + (line / 2) % 2);
        bracket.setLineScore(line, std::to_string(line % 5));
    }
    for (int line = 128; line < 240; line += 2) kaz::leftClickLine(bracket, line);
    return bracket;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settings;  // the recent-file list of these runs stays apart
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
    QApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--memory")
        return reportMemory(QString::fromLocal8Bit(argv[2]));
    // はい to every question before a loss: the clicks change results decided long before.
    ScriptedDesktop desktop;
    desktop.agreeToEveryLoss = true;

    QTemporaryDir dir;
    const auto written = [&dir](const char* name, const std::string& bytes) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile file(path);
        const bool ok = file.open(QIODevice::WriteOnly) &&
                        file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
        return ok ? path : QString();
    };
    const QString empty = written("empty.kaz", kaz::writeKaz(kaz::Bracket(4)));
    const QString thirtyTwo = QStringLiteral(KAZ_TEST_DATA "/thirty_two_members.kaz");
    QFile plainFile(thirtyTwo);
    if (!plainFile.open(QIODevice::ReadOnly)) return 1;
    const std::optional<kaz::Bracket> plain = kaz::readKaz(plainFile.readAll().toStdString());
    if (empty.isEmpty() || !plain) return 1;
    const QString sheeted = written("sheeted.kaz", kaz::writeKaz(bench::withFullSheet(*plain)));
    kaz::Bracket twoSidedBracket = *plain;
    kaz::SheetInfo twoSidedSheet = twoSidedBracket.sheet();
    twoSidedSheet.twoSided = true;
    twoSidedSheet.thirdPlace = kaz::ThirdPlace::Match;
    twoSidedBracket.setSheet(twoSidedSheet);
    const QString twoSided = written("two_sided.kaz", kaz::writeKaz(twoSidedBracket));
    const QString large = written("large.kaz", kaz::writeKaz(largeBracket()));
    if (sheeted.isEmpty() || twoSided.isEmpty() || large.isEmpty()) return 1;
    measure("32 members (thirty_two_members)", thirtyTwo);
    measure("32 members, every part of the sheet set", sheeted);
    measure("32 members, two-sided, third place", twoSided);
    measure("128 members with results", large);
    measure("4 members, empty", empty);
    measureResultChange("32 members (thirty_two_members)", thirtyTwo);
    measureResultChange("128 members with results", large);
    measureZoom("32 members (thirty_two_members)", thirtyTwo);
    measureZoom("128 members with results", large);
    measurePrint("32 members, every part of the sheet set", sheeted, desktop);
    measurePrint("128 members with results", large, desktop);
    measureRecovery(QStringLiteral(KAZ_TEST_DATA "/thirty_two_members.kaz"));
    measureMemory(QCoreApplication::applicationFilePath(), thirtyTwo, large);
    return 0;
}
