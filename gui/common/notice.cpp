#include "common/notice.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QStatusBar>
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

// The main window `widget` shows in, or none where it belongs to none.
QMainWindow* mainWindowOf(QWidget* widget) {
    for (QWidget* window = widget->window(); window != nullptr;) {
        if (auto* main = qobject_cast<QMainWindow*>(window)) return main;
        QWidget* owner = window->parentWidget();
        if (owner == nullptr) break;
        window = owner->window();
    }
    return nullptr;
}

}  // namespace

void tell(QWidget* where, const QString& text, Notice kind) {
    if (kind == Notice::Refused || kind == Notice::RefusedClick) QApplication::beep();
    if (where == nullptr) return;
    if (kind == Notice::Refused && showInDialog(where, text)) return;
    QMainWindow* main = mainWindowOf(where);
    if (main == nullptr) return;
    const bool forAWhile = kind == Notice::Done || kind == Notice::RefusedClick;
    main->statusBar()->showMessage(text, forAWhile ? kDoneMessageMs : 0);
}

void tell(QWidget* where, const kaz::Message& message, Notice kind) {
    tell(where, uiText(message), kind);
}

bool tell(QWidget* where, const std::optional<kaz::Refusal>& refusal, Notice kind) {
    if (!refusal) return false;
    tell(where, *refusal, kind);
    return true;
}

QLabel* makeRefusalLine(QWidget* dialog) {
    auto* line = new QLabel(dialog);
    line->setObjectName(kRefusalLineName);
    line->setTextFormat(Qt::PlainText);
    line->setWordWrap(true);
    line->hide();
    return line;
}

}  // namespace kaz::gui
