// Times the draw dialog on Qt's offscreen platform: a keystroke in a list of 32 and of 128
// entrants of 8 clubs to the repaint of the preview (the list read again, drawn with the clubs kept
// apart, the bracket made and painted), and the preview's paint alone. Prints the median and the
// worst; asserts nothing about time.
//
//   bench_draw_dialog

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "dialogs/draw_dialog.h"
#include "dialogs/draw_preview.h"
#include "gui_bench_support.h"

using namespace kaz::gui;

using guibench::PaintCounter;
using guibench::paintPending;

namespace {

constexpr int kKeystrokes = 201;

void report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-44s median %6.2f ms   worst %6.2f ms\n", what, ms[ms.size() / 2], ms.back());
}

// Types into a list of `count` entrants of 8 clubs; the number of keystrokes whose preview was
// not drawn and repainted.
int measure(int count) {
    DrawDialog dialog;
    dialog.resize(900, 700);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    if (!QTest::qWaitForWindowActive(&dialog)) std::printf("the dialog was not shown\n");
    auto* edit = dialog.findChild<QPlainTextEdit*>(QStringLiteral("listEdit"));
    auto* preview = dialog.findChild<DrawPreview*>(QStringLiteral("preview"));
    QStringList lines;
    for (int i = 1; i <= count; ++i) {
        lines << QStringLiteral("選手%1,%2高").arg(i).arg(QChar(u'A' + i % 8));
    }
    edit->setPlainText(lines.join(QLatin1Char('\n')));
    edit->moveCursor(QTextCursor::End);
    edit->setFocus();
    paintPending();

    PaintCounter counter;
    preview->installEventFilter(&counter);
    std::vector<double> keystrokeMs;
    int unpainted = 0;
    for (int run = 0; run < kKeystrokes; ++run) {
        counter.count = 0;
        QElapsedTimer timer;
        timer.start();
        // A letter typed at the end of the last name, then taken back.
        if (run % 2 == 0) {
            QTest::keyClick(edit, Qt::Key_X);
        } else {
            QTest::keyClick(edit, Qt::Key_Backspace);
        }
        paintPending();
        keystrokeMs.push_back(timer.nsecsElapsed() / 1e6);
        if (counter.count == 0 || !dialog.drawnBracket()) ++unpainted;
    }
    preview->removeEventFilter(&counter);

    std::vector<double> paintMs;
    for (int run = 0; run < kKeystrokes; ++run) {
        QElapsedTimer timer;
        timer.start();
        preview->repaint();
        paintMs.push_back(timer.nsecsElapsed() / 1e6);
    }

    std::printf("preview %dx%d, %d keystrokes without a drawn, repainted preview\n",
                preview->width(), preview->height(), unpainted);
    report(qPrintable(QStringLiteral("keystroke to repainted preview (%1 entrants)").arg(count)),
           keystrokeMs);
    report(qPrintable(QStringLiteral("preview paint alone (%1 entrants)").arg(count)), paintMs);
    return unpainted;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int unpainted = 0;
    for (int count : {32, 128}) unpainted += measure(count);
    return unpainted == 0 ? 0 : 1;
}
