#include "common/refusal_notice.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <algorithm>

#include "common/ui_text.h"

namespace kaz::gui {

namespace {

constexpr int kDoneMessageMs = 5000;
constexpr char kRefusalLineName[] = "refusalLine";

// Shows `text` in the refusal line of the dialog `where` is in; false where there is none.
bool showInDialog(QWidget* where, const QString& text) {
    QWidget* dialog = where->window();
    if (qobject_cast<QDialog*>(dialog) == nullptr) return false;
    auto* line = dialog->findChild<QLabel*>(kRefusalLineName, Qt::FindDirectChildrenOnly);
    if (line == nullptr) return false;
    line->setText(text);
    line->show();
    if (dialog->layout() == nullptr) {
        const int margin = line->x();
        line->setFixedWidth(std::max(dialog->width() - 2 * margin, line->sizeHint().width()));
        line->adjustSize();
        dialog->resize(std::max(dialog->width(), line->geometry().right() + margin),
                       std::max(dialog->height(), line->geometry().bottom() + margin));
    }
    return true;
}

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

QString refusalText(InputRefusal why, const QString& field, size_t maxCharacters) {
    if (why == InputRefusal::UnusableCharacter) {
        return QCoreApplication::translate("kaz::gui::RefusalNotice", "この文字は使えません。");
    }
    if (field.isEmpty())
        return QCoreApplication::translate("kaz::gui::RefusalNotice", "これ以上入力できません。");
    return QCoreApplication::translate("kaz::gui::RefusalNotice", "%1は %2 文字までです。")
        .arg(field, QString::number(maxCharacters));
}

void announceRefusal(QWidget* where, const QString& text) {
    QApplication::beep();
    if (where == nullptr || showInDialog(where, text)) return;
    // A main window shows status tips in its status bar, as it shows a command's prompt.
    QStatusTipEvent tip(text);
    QApplication::sendEvent(statusBarWindow(where), &tip);
}

QLabel* makeRefusalLine(QWidget* dialog) {
    auto* line = new QLabel(dialog);
    line->setObjectName(kRefusalLineName);
    line->setTextFormat(Qt::PlainText);
    line->setWordWrap(true);
    line->hide();
    return line;
}

void announceRefusal(QWidget* where, InputRefusal why) {
    announceRefusal(where, refusalText(why, QString(), 0));
}

void announceIfRefused(QWidget* where, const QString& refusal) {
    if (!refusal.isEmpty()) announceRefusal(where, refusal);
}

void announceIfRefused(QWidget* where, const std::optional<kaz::Refusal>& refusal) {
    if (refusal) announceRefusal(where, uiText(*refusal));
}

QString refusalText(const std::optional<kaz::Refusal>& refusal) {
    return refusal ? uiText(*refusal) : QString();
}

void announceDone(QWidget* where, const QString& text) {
    if (where == nullptr) return;
    if (auto* main = qobject_cast<QMainWindow*>(statusBarWindow(where))) {
        main->statusBar()->showMessage(text, kDoneMessageMs);
    }
}

}  // namespace kaz::gui
