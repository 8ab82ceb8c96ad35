// The editor's venue server under a hall's load, on the loopback: 500 phones
// (tests/bench/venue_phones.py) poll the served pages of a 128-member bracket with a full sheet
// and of a stage of 128 in 32 pools for 60 s, while a result is entered every second, in each
// document by turns. Reports the phones' requests (p50, p99), the time from a change until every
// phone of its page had it, the window's thread's time per change (the change with the
// publisher following it, and the copy handed to the publisher's thread) and the process's
// memory. Asserts nothing about time; stops by itself.
//
//   bench_venue [SECONDS [PHONES]]     (60 and 500 by default)

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "document/bracket_document.h"
#include "document/pool_document.h"
#include "full_sheet.h"
#include "pools/pool_draw.h"
#include "publish/live_publisher.h"
#include "publish/venue_serving.h"
#include "venue/site.h"
#include "venue/venue_site.h"

using namespace kaz::gui;
using namespace kaz::app;

namespace {

double monotonicSeconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

void printTimes(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-52s median %7.3f ms   p99 %7.3f ms   worst %7.3f ms\n", what, ms[ms.size() / 2],
                ms[std::min(ms.size() - 1, ms.size() * 99 / 100)], ms.back());
}

// "VmRSS" or "VmHWM" of this process, in MiB.
double memoryMiB(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return 0;
}

kaz::PoolStage largestStage() {
    std::vector<kaz::Entrant> entrants(kaz::kMaxPoolEntrants);
    for (size_t e = 0; e < entrants.size(); ++e) entrants[e].name = "選手" + std::to_string(e + 1);
    kaz::PoolDrawOptions options;
    options.pools = kaz::kMaxPools;
    return kaz::drawPools(entrants, options)->stage;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    const int phones = argc > 2 ? std::atoi(argv[2]) : 500;

    kaz::Bracket members(128);
    for (int m = 0; m < 128; ++m) members.setMemberName(m, "Member " + std::to_string(m));
    BracketDocument bracket(bench::withFullSheet(std::move(members)));
    bracket.setTitle(QStringLiteral("bench"));
    PoolDocument pools(largestStage());

    VenueServing venue;
    const QString failure = venue.start(0, true);
    if (!failure.isEmpty()) {
        std::printf("the server did not start: %s\n", qPrintable(failure));
        return 1;
    }
    const double memoryBefore = memoryMiB("VmRSS");
    LivePublisher bracketPublisher(publishedBracket(&bracket, livePageWriter()), QString(),
                                   QStringLiteral("bracket.html"), &QDateTime::currentDateTime);
    LivePublisher poolPublisher(publishedPools(&pools, nullptr), QString(),
                                QStringLiteral("pools.html"), &QDateTime::currentDateTime);
    bracketPublisher.serveTo(venue.site());
    poolPublisher.serveTo(venue.site());
    const PublishedDocument bracketCopy = publishedBracket(&bracket, livePageWriter());
    const PublishedDocument poolCopy = publishedPools(&pools, nullptr);

    QTemporaryDir folder;
    const QString changesPath = folder.filePath(QStringLiteral("changes.txt"));
    QFile changes(changesPath);
    if (!changes.open(QIODevice::WriteOnly)) return 1;
    QProcess phoneProcess;
    phoneProcess.setProcessChannelMode(QProcess::ForwardedChannels);
    const QString address = QStringLiteral("127.0.0.1:%1").arg(venue.port());
    phoneProcess.start(QStringLiteral("python3"),
                       {QStringLiteral(KAZ_BENCH_DIR "/venue_phones.py"), address,
                        QStringLiteral("/bracket.html,/pools.html"), QString::number(phones),
                        QString::number(seconds), changesPath});
    QTest::qWait(3000);  // the phones have their first pages

    std::vector<double> changeMs;
    std::vector<double> handOverMs;
    const std::shared_ptr<const kaz::serve::Site> site = venue.site()->site();
    for (int n = 0; n < seconds - 6; ++n) {
        const bool inBracket = n % 2 == 0;
        const std::string path = inBracket ? "/bracket.html" : "/pools.html";
        const std::string before = site->page(path)->entityTag;
        const double changed = monotonicSeconds();
        QElapsedTimer timer;
        timer.start();
        if (inBracket) {
            bracket.leftClickLine(2 * (n / 2));  // a first-round win each time
        } else {
            const int pool = (n / 2) % kaz::kMaxPools;
            pools.commitResult(
                pools.proposeResult(pool, (n / 2 / kaz::kMaxPools) % 6,
                                    {21, n % 20, kaz::MatchOutcome::Unplayed, false}));
        }
        changeMs.push_back(double(timer.nsecsElapsed()) / 1e6);
        // What the publisher's timer does on this thread: the copy and the index's line.
        const PublishedDocument& copied = inBracket ? bracketCopy : poolCopy;
        timer.restart();
        const auto page = copied.copy();
        const auto entry = copied.indexEntry({});
        handOverMs.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (!QTest::qWaitFor([&] { return site->page(path)->entityTag != before; }, 5000))
            std::printf("change %d did not reach the server within 5 s\n", n);
        const double ready = monotonicSeconds();
        changes.write(QStringLiteral("%1 %2 %3 %4\n")
                          .arg(QString::fromStdString(path))
                          .arg(changed, 0, 'f', 4)
                          .arg(ready, 0, 'f', 4)
                          .arg(QString::fromStdString(site->page(path)->entityTag))
                          .toUtf8());
        changes.flush();
        QTest::qWait(int(std::max(0.0, 1000 - (monotonicSeconds() - changed) * 1000)));
    }
    changes.close();
    const double memoryServing = memoryMiB("VmRSS");
    phoneProcess.waitForFinished(seconds * 1000 + 30000);
    std::printf(
        "the editor's venue server: %d phones for %d s on the loopback, a result a second\n",
        phones, seconds);
    printTimes("window's thread: a change, the publisher following", changeMs);
    printTimes("window's thread: the copy for the publisher's thread", handOverMs);
    std::printf("memory: %.1f MiB before the phones, %.1f MiB while serving (peak %.1f MiB)\n",
                memoryBefore, memoryServing, memoryMiB("VmHWM"));
    return 0;
}
