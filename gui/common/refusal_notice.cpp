#include "common/refusal_notice.h"

#include <QApplication>
#include <QMainWindow>
#include <QStatusBar>
#include <QStatusTipEvent>

namespace {

constexpr int kDoneMessageMs = 5000;

// The main window `widget` shows in, or the top window it is in when it belongs to none.
QWidget* statusBarWindow(QWidget* widget) {
    for (QWidget* window = widget->window(); window != nullptr;) {
        if (qobject_cast<QMainWindow*>(window)) return window;
        QWidget* owner = window->parentWidget();
        if (owner == nullptr) break;
        window = owner->window();
    }
    return widget->window();
}

}  // namespace

QString refusalText(Refusal why) {
    return why == Refusal::NotInCp932 ? QStringLiteral("この文字は使えません。")
                                      : QStringLiteral("これ以上入力できません。");
}

void announceRefusal(QWidget* where, Refusal why) {
    QApplication::beep();
    if (where == nullptr) return;
    // A main window shows status tips in its status bar, as it shows a command's prompt.
    QStatusTipEvent tip(refusalText(why));
    QApplication::sendEvent(statusBarWindow(where), &tip);
}

void announceDone(QWidget* where, const QString& text) {
    if (where == nullptr) return;
    if (auto* main = qobject_cast<QMainWindow*>(statusBarWindow(where))) {
        main->statusBar()->showMessage(text, kDoneMessageMs);
    }
}
