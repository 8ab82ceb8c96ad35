// Loading the editor's translations: installUiLanguage for English (the two embedded .qm
// files) and for Japanese (Qt's own texts from the system), each repeated, the translators
// removed again after each round. Reports the median.

#include <QApplication>
#include <QElapsedTimer>
#include <QTranslator>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "shell/ui_language.h"

namespace {

double medianMicroseconds(QApplication& app, const QLocale& locale, int rounds) {
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        kaz::app::installUiLanguage(app, locale);
        times.push_back(double(timer.nsecsElapsed()) / 1000.0);
        for (QTranslator* translator : app.findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rounds = 200;
    std::printf("installUiLanguage, median of %d\n", rounds);
    std::printf("English  %8.1f us\n", medianMicroseconds(app, QLocale(QLocale::English), rounds));
    std::printf("Japanese %8.1f us\n", medianMicroseconds(app, QLocale(QLocale::Japanese), rounds));
    return 0;
}
