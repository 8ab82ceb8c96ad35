// Times the editor with the largest pool stage, 128 entrants in 32 pools of 4, on Qt's offscreen
// platform: the draw and opening its file to the window's first complete paint, and a result
// entered to its repaint (the table and standings made again and painted). Prints medians;
// asserts nothing about time.
//
//   bench_pool_editor

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "document/pool_document.h"
#include "documents/document_manager.h"
#include "gui_bench_support.h"
#include "pools/pool_draw.h"
#include "pools/pool_file.h"
#include "scripted_desktop.h"
#include "shell/main_window.h"

using namespace kaz::gui;
using namespace kaz::app;

namespace {

constexpr int kRuns = 41;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::vector<kaz::Entrant> entrants() {
    std::vector<kaz::Entrant> list(kaz::kMaxPoolEntrants);
    for (size_t e = 0; e < list.size(); ++e) {
        list[e].name = "選手" + std::to_string(e + 1);
        list[e].club = "クラブ" + std::to_string(e % 20);
    }
    return list;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ScriptedDesktop desktop;
    desktop.saveQuestionAnswers.clear();
    QTemporaryDir folder;
    const QString path = folder.filePath("予選.kazpool");
    kaz::PoolDrawOptions options;
    options.pools = kaz::kMaxPools;

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
        options.drawNumber = uint32_t(1 + run);
        const std::string bytes = kaz::writePoolFile(kaz::drawPools(entrants(), options)->stage);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())) {
            std::printf("the file could not be written\n");
            return 1;
        }
        file.close();
        documents->openDocumentFile(path);
        window.mdiArea()->currentSubWindow()->grab();  // the first complete paint
        openMs.push_back(timer.nsecsElapsed() / 1e6);
        if (run + 1 < kRuns) documents->closeAllDocuments();
    }
    std::printf("draw, write and open 128 in 32 pools to the first paint: %.2f ms\n",
                median(openMs));

    PoolDocument* doc = documents->activePoolDocument();
    guibench::PaintCounter paints;
    for (QWidget* child : window.mdiArea()->currentSubWindow()->findChildren<QWidget*>()) {
        child->installEventFilter(&paints);
    }
    std::vector<double> resultMs;
    for (int run = 0; run < kRuns; ++run) {
        const int pool = 0;  // in view, so that its repaint is painted
        const kaz::EnteredResult entered{21, run % 20, kaz::MatchOutcome::Unplayed, false};
        QElapsedTimer timer;
        timer.start();
        doc->commitResult(doc->proposeResult(pool, run % 6, entered));
        guibench::paintPending();
        resultMs.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("a result to its repaint, standings included: %.2f ms (%d paints in %d results)\n",
                median(resultMs), paints.count, kRuns);
    std::vector<double> stepMs;
    for (int run = 0; run < kRuns; ++run) {
        const kaz::EnteredResult entered{15, run % 14, kaz::MatchOutcome::Unplayed, false};
        QElapsedTimer timer;
        timer.start();
        doc->commitResult(doc->proposeResult(0, run % 6, entered));
        stepMs.push_back(timer.nsecsElapsed() / 1e6);
        guibench::paintPending();
    }
    std::printf("  of which the step and the scene made again: %.2f ms\n", median(stepMs));
    documents->closeAllDocuments();
    return 0;
}
