// Times live publishing of a 128-member bracket with a full sheet on Qt's offscreen platform:
// what the window's thread spends on a change while the bracket is published (the change with
// the publisher's timers, and handing a copy of the bracket to the publisher's thread), and how
// long a change takes to be on disk (the file read back until it shows the change). Reports the
// median and worst of each; asserts nothing about time.
//
//   bench_publish [folder]    (default: a temporary folder)

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "document/bracket_document.h"
#include "full_sheet.h"
#include "publish/live_publisher.h"

using namespace kaz::gui;
using namespace kaz::app;

namespace {

struct Times {
    std::vector<double> ms;
    void print(const char* what) {
        std::sort(ms.begin(), ms.end());
        std::printf("%-44s median %8.3f ms   worst %8.3f ms   (%zu)\n", what, ms[ms.size() / 2],
                    ms.back(), ms.size());
    }
};

double elapsedMs(const QElapsedTimer& timer) { return double(timer.nsecsElapsed()) / 1e6; }

kaz::Bracket fullBracket() {
    kaz::Bracket bracket(128);
    for (int m = 0; m < 128; ++m) bracket.setMemberName(m, "Member " + std::to_string(m));
    return bench::withFullSheet(std::move(bracket));
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    BracketDocument doc(fullBracket());
    doc.setTitle(QStringLiteral("bench"));
    LivePublisher publisher(publishedBracket(&doc, livePageWriter()), folder,
                            QStringLiteral("bench.html"), &QDateTime::currentDateTime);
    QSignalSpy published(&publisher, &LivePublisher::published);
    published.wait(5000);

    Times change;
    Times handOver;
    for (int i = 0; i < 200; ++i) {
        QElapsedTimer timer;
        timer.start();
        doc.leftClickLine(i % 128);
        change.ms.push_back(elapsedMs(timer));
        timer.restart();
        publisher.publishNow();
        handOver.ms.push_back(elapsedMs(timer));
        QApplication::processEvents();
    }
    publisher.finish();
    QApplication::processEvents();

    Times latency;
    const QString page = publisher.targetPath();
    for (int i = 0; i < 10; ++i) {
        const std::string name = "Latency " + std::to_string(i);
        QElapsedTimer timer;
        timer.start();
        doc.setMemberName(0, name);
        // Polled as a browser or a file share would see it.
        while (!QTest::qWaitFor(
            [&] {
                QFile file(page);
                return file.open(QIODevice::ReadOnly) &&
                       file.readAll().contains(QByteArray::fromStdString(name));
            },
            5)) {
            if (timer.elapsed() > 10000) break;
        }
        latency.ms.push_back(elapsedMs(timer));
    }
    std::printf("live publishing, 128 members with a full sheet, into %s\n", qPrintable(folder));
    change.print("a click with the publisher following");
    handOver.print("the bracket handed to the writer's thread");
    latency.print("a change to the file on disk");
    return 0;
}
