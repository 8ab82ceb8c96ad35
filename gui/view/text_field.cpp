#include "view/text_field.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <algorithm>

#include "common/cp932_text.h"
#include "common/refusal_notice.h"
#include "text/pasted_text.h"

namespace {

int controlCount(const QString& text) {
    return static_cast<int>(std::count_if(
        text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; }));
}

// The CP932 validator, which also refuses a control character that an edit would add (one
// that a loaded name already holds does not stop the box from being edited).
class FieldValidator : public Cp932Validator {
public:
    FieldValidator(size_t maxBytes, QLineEdit* field) : Cp932Validator(maxBytes, field) {}

    State validate(QString& input, int& pos) const override {
        const auto* field = static_cast<const QLineEdit*>(parent());
        if (controlCount(input) > controlCount(field->text())) {
            announceRefusal(const_cast<QLineEdit*>(field), Refusal::NotInCp932);
            return Invalid;
        }
        return Cp932Validator::validate(input, pos);
    }
};

}  // namespace

TextField::TextField(size_t maxBytes, QWidget* parent) : QLineEdit(parent), m_maxBytes(maxBytes) {
    setValidator(new FieldValidator(maxBytes, this));
}

int TextField::pasteText(const QString& text) {
    const std::vector<std::string> entries = kaz::pastedEntries(text.toStdString());
    if (entries.empty()) return 0;
    const size_t room = m_maxBytes - std::min(m_maxBytes, bytesOutsideSelection());
    const kaz::FittedText fitted = kaz::fitToField(entries.front(), room);
    const int leftOut = static_cast<int>(entries.size()) - 1;
    insert(fromCp932(fitted.cp932));
    announceLeftOut(fitted.dropped, fitted.cut || leftOut > 0);
    return leftOut;
}

void TextField::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        pasteText(QApplication::clipboard()->text());
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TextField::mouseReleaseEvent(QMouseEvent* event) {
    QClipboard* clipboard = QApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection() && !isReadOnly()) {
        deselect();
        pasteText(clipboard->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TextField::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (QAction* paste = menuAction(menu, QStringLiteral("edit-paste"))) {
        paste->disconnect();
        connect(paste, &QAction::triggered, this,
                [this] { pasteText(QApplication::clipboard()->text()); });
    }
    adjustContextMenu(menu);
    menu->popup(event->globalPos());
}

void TextField::adjustContextMenu(QMenu*) {}

QAction* TextField::menuAction(QMenu* menu, const QString& name) {
    for (QAction* action : menu->actions()) {
        if (action->objectName() == name) return action;
    }
    return nullptr;
}

size_t TextField::bytesOutsideSelection() const {
    QString rest = text();
    if (hasSelectedText()) rest.remove(selectionStart(), selectedText().size());
    return toCp932Lenient(rest).size();
}

void TextField::announceLeftOut(bool dropped, bool cut) {
    if (dropped) {
        announceRefusal(this, Refusal::NotInCp932);
    } else if (cut) {
        announceRefusal(this, Refusal::TooLong);
    }
}
