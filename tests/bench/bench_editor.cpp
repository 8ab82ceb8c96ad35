// Times the editor itself on Qt's offscreen platform: opening a bracket file to its first
// complete paint, and one click on a first-round line to its repaint, with the number of
// widgets the click repaints. For a 32-member bracket with results (plain, with every part of
// its sheet set, and two-sided with a third-place match) and an empty 4-member one.
// Prints medians; asserts nothing about time.
//
//   bench_editor

#include <QApplication>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "document/bracket_document.h"
#include "documents/document_manager.h"
#include "full_sheet.h"
#include "gui_bench_support.h"
#include "io/kaz_format.h"
#include "recovery/recovery_manager.h"
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

// Delivers every pending update, so that whatever is dirty is painted now.
void measure(const char* what, const QString& path) {
    MainWindow window;
    window.resize(1280, 1024);
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window)) std::printf("the window was not shown\n");
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

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settings;  // the recent-file list of these runs stays apart
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
    QApplication app(argc, argv);

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
    if (sheeted.isEmpty() || twoSided.isEmpty()) return 1;
    measure("32 members (thirty_two_members)", thirtyTwo);
    measure("32 members, every part of the sheet set", sheeted);
    measure("32 members, two-sided, third place", twoSided);
    measure("4 members, empty", empty);
    measureRecovery(QStringLiteral(KAZ_TEST_DATA "/thirty_two_members.kaz"));
    return 0;
}
