#include "common/refusal_notice.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMainWindow>
#include <QStatusBar>
#include <QStatusTipEvent>

namespace kaz::gui {

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

QString refusalText(Refusal why, const QString& field, size_t maxBytes) {
    if (why == Refusal::NotInCp932) {
        return QCoreApplication::translate("kaz::gui::RefusalNotice", "この文字は使えません。");
    }
    if (field.isEmpty())
        return QCoreApplication::translate("kaz::gui::RefusalNotice", "これ以上入力できません。");
    return QCoreApplication::translate("kaz::gui::RefusalNotice", "%1は %2 ﾊﾞｲﾄまでです。")
        .arg(field)
        .arg(maxBytes);
}

void announceRefusal(QWidget* where, const QString& text) {
    QApplication::beep();
    if (where == nullptr) return;
    // A main window shows status tips in its status bar, as it shows a command's prompt.
    QStatusTipEvent tip(text);
    QApplication::sendEvent(statusBarWindow(where), &tip);
}

void announceRefusal(QWidget* where, Refusal why) {
    announceRefusal(where, refusalText(why, QString(), 0));
}

void announceIfRefused(QWidget* where, const QString& refusal) {
    if (!refusal.isEmpty()) announceRefusal(where, refusal);
}

void announceDone(QWidget* where, const QString& text) {
    if (where == nullptr) return;
    if (auto* main = qobject_cast<QMainWindow*>(statusBarWindow(where))) {
        main->statusBar()->showMessage(text, kDoneMessageMs);
    }
}

}  // namespace kaz::gui
