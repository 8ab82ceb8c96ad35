// The editor's venue server for the browser check: a four-member bracket served as
// "/bracket.html" from 127.0.0.1 on a free port, its address printed on the first line of
// standard output. Each line read on standard input clicks the next first-round line (a win, as
// a user's click); the end of input ends it.

#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <cstdio>

#include "bridge/qt_text.h"
#include "document/bracket_document.h"
#include "publish/live_publisher.h"
#include "publish/venue_serving.h"

using namespace kaz::app;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    kaz::gui::BracketDocument doc(kaz::Bracket(4));
    const char* names[] = {"山田 太郎", "佐藤 花子", "Lee Chen", "鈴木 一郎"};
    for (int m = 0; m < 4; ++m)
        doc.setMemberName(m, kaz::render::toDocumentText(QString::fromUtf8(names[m])));
    VenueServing venue;
    const QString failure = venue.start(0, true);
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(failure));
        return 1;
    }
    LivePublisher publisher(publishedBracket(&doc, livePageWriter()), QString(),
                            QStringLiteral("bracket.html"), &QDateTime::currentDateTime);
    publisher.serveTo(venue.site());
    publisher.finish();  // served before its address is given
    std::printf("%s\n", qPrintable(venue.addresses().value(0)));
    std::fflush(stdout);
    int clicks = 0;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char line[64];
        if (::read(STDIN_FILENO, line, sizeof line) <= 0) {
            QApplication::quit();
            return;
        }
        doc.leftClickLine(2 * (clicks++ % 2));
    });
    return app.exec();
}
