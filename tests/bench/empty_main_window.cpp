// The yardsticks of the start-up benchmark: an empty QMainWindow, shown, then gone once the
// event loop has run once, as kaz_edit does with KAZ_QUIT_AFTER_START set. With
// --japanese-menu its menu bar holds one Japanese title: the price of showing any Japanese
// text (the font database and a Japanese face), which no editor can avoid.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    if (argc > 1 && QByteArray(argv[1]) == "--japanese-menu") {
        window.menuBar()->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    }
    window.resize(800, 600);
    window.show();
    QTimer::singleShot(0, &app, [&app] {
        std::puts("shown");
        std::fflush(stdout);
        app.quit();
    });
    return app.exec();
}
