// Times the undo history of a 32-member bracket with a view open on Qt's offscreen platform:
// 1,000 random steps of every kind made through the document, then 1,000 undos and 1,000 redos,
// each with the repaint of what it changed. Reports the time per step, undo and redo (median
// and worst) and the memory the history holds: the commands' own count of their records, and
// what the heap gives back when the history is cleared. Asserts nothing about time.
//
//   bench_undo

#include <malloc.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QUndoStack>
#include <algorithm>
#include <cstdio>
#include <map>
#include <random>
#include <vector>

#include "document/bracket_document.h"
#include "document/bracket_step_command.h"
#include "gui_bench_support.h"
#include "view/bracket_view.h"

using namespace kaz::gui;

using guibench::paintPending;

namespace {

constexpr int kSteps = 1000;

size_t heapInUse() { return mallinfo2().uordblks; }

// One random edit, as a user makes them: clicks, double clicks, a key typed in a box, a score,
// the champion, the colours, a pasted list.
void randomEdit(BracketDocument& doc, std::mt19937& random) {
    auto pick = [&random](int n) { return int(random() % unsigned(n)); };
    const int lines = doc.bracket().lineCount();
    switch (pick(10)) {
        case 0:
        case 1:
        case 2: doc.leftClickLine(pick(lines)); break;
        case 3: {
            const int line = pick(lines);
            doc.leftClickLine(line);
            doc.doubleClickLine(line);
            break;
        }
        case 4:
        case 5: {
            const int member = pick(doc.memberCount());
            doc.setMemberName(member, doc.bracket().memberName(member) + char('a' + pick(26)));
            if (pick(4) == 0) doc.endTyping();
            break;
        }
        case 6: doc.setLineScore(pick(lines), std::to_string(pick(100))); break;
        case 7: doc.setChampion("Champion" + std::to_string(pick(100))); break;
        case 8: {
            kaz::ColorSet colors = doc.colors();
            colors.backgroundColor = pick(2) ? "#FFFFF0" : "#F0FFFF";
            doc.setHtmlSettings(colors, pick(2), pick(2));
            break;
        }
        default: {
            std::vector<std::string> names;
            for (int i = 0; i < 4; ++i) names.push_back("Pasted" + std::to_string(pick(1000)));
            doc.pasteMemberNames(pick(doc.memberCount()), names);
            break;
        }
    }
}

struct Times {
    std::vector<double> ms;
    void print(const char* what) {
        std::sort(ms.begin(), ms.end());
        double total = 0;
        for (double t : ms) total += t;
        std::printf("%-8s %5zu   mean %7.4f ms   median %7.4f ms   worst %7.3f ms\n", what,
                    ms.size(), total / double(ms.size()), ms[ms.size() / 2], ms.back());
    }
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BracketDocument doc{kaz::Bracket(32)};
    BracketView view(&doc);
    view.resize(view.sizeHint());
    view.show();
    if (!QTest::qWaitForWindowExposed(&view)) std::printf("the view was not shown\n");
    paintPending();
    QUndoStack* history = doc.undoStack();
    std::mt19937 random(15);

    const size_t heapBefore = heapInUse();
    Times edits;
    while (history->count() < kSteps) {
        QElapsedTimer timer;
        timer.start();
        randomEdit(doc, random);
        paintPending();
        edits.ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    Times undos;
    std::map<QString, Times> undosByKind;
    while (history->canUndo()) {
        const QString kind = history->undoText();
        QElapsedTimer timer;
        timer.start();
        history->undo();
        paintPending();
        undos.ms.push_back(timer.nsecsElapsed() / 1e6);
        undosByKind[kind].ms.push_back(undos.ms.back());
    }
    Times redos;
    while (history->canRedo()) {
        QElapsedTimer timer;
        timer.start();
        history->redo();
        paintPending();
        redos.ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("32 members, %d steps in the history (%zu edits, typing merged)\n",
                history->count(), edits.ms.size());
    edits.print("edit");
    undos.print("undo");
    redos.print("redo");
    std::printf("undo by kind of step:\n");
    for (auto& [kind, times] : undosByKind) times.print(qPrintable(kind));

    size_t counted = 0;
    for (int i = 0; i < history->count(); ++i) {
        counted += static_cast<const BracketStepCommand*>(history->command(i))->heldBytes();
    }
    const size_t heapWithHistory = heapInUse();
    history->clear();
    const size_t heapCleared = heapInUse();
    std::printf(
        "history: %zu bytes counted by the commands (%.1f per step); the heap gives back "
        "%zu bytes when it is cleared; heap growth over the whole run %zd bytes\n",
        counted, double(counted) / kSteps, heapWithHistory - heapCleared,
        static_cast<ptrdiff_t>(heapWithHistory - heapBefore));
    return 0;
}
