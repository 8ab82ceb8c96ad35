#include "widgets/text_field.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <algorithm>
#include <functional>

#include "bridge/qt_text.h"
#include "common/cp932_validator.h"
#include "common/notice.h"
#include "common/refusal_notice.h"
#include "common/ui_text.h"
#include "text/document_text.h"
#include "text/messages.h"
#include "text/pasted_text.h"

namespace kaz::gui {

namespace {}  // namespace

QAction* addMenuItem(QMenu* menu, const char* name, const QString& text, bool enabled,
                     std::function<void()> run) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(enabled);
    QObject::connect(action, &QAction::triggered, menu, std::move(run));
    return action;
}

QAction* addMenuItem(QMenu* menu, const char* name, const QString& text, const char* key,
                     bool enabled, std::function<void()> run) {
    const QKeySequence keys =
        QKeySequence::fromString(QString::fromLatin1(key), QKeySequence::PortableText);
    return addMenuItem(menu, name,
                       text + QLatin1Char('\t') + keys.toString(QKeySequence::NativeText), enabled,
                       std::move(run));
}

namespace {

int controlCount(const QString& text) {
    return static_cast<int>(std::count_if(
        text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; }));
}

}  // namespace

// The CP932 validator, which also refuses a control character that an edit would add (one
// that a loaded name already holds does not stop the box from being edited). Text the program
// shows is not checked.
class FieldValidator : public Cp932Validator {
public:
    FieldValidator(size_t maxCharacters, TextField* field)
        : Cp932Validator(maxCharacters, field, FieldCharacters::Any), m_field(field) {}

    State validate(QString& input, int& pos) const override {
        if (m_field->m_showingText) return Acceptable;
        if (controlCount(input) > controlCount(m_field->m_previousText)) {
            tell(m_field, refusalText(InputRefusal::UnusableCharacter, QString(), 0),
                 Notice::Refused);
            return Invalid;
        }
        // A text shown longer than the limit (from a file) may still be shortened.
        const size_t length = textLength(render::toDocumentText(input));
        if (length > m_field->m_maxCharacters &&
            length < textLength(render::toDocumentText(m_field->m_previousText))) {
            return Acceptable;
        }
        return Cp932Validator::validate(input, pos);
    }

private:
    TextField* m_field;
};

TextField::TextField(size_t maxCharacters, QWidget* parent)
    : QLineEdit(parent),
      m_maxCharacters(maxCharacters),
      m_validator(new FieldValidator(maxCharacters, this)) {
    setValidator(m_validator);
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString& now) { m_previousText = now; });
}

void TextField::showText(const QString& text) {
    m_showingText = true;
    setText(text);
    m_showingText = false;
    // A field not being edited shows the start of a long text, as a name is read.
    if (!hasFocus()) setCursorPosition(0);
}

void TextField::setFieldName(const QString& name) { m_validator->setFieldName(name); }

const QString& TextField::fieldName() const { return m_validator->fieldName(); }

int TextField::pasteText(const QString& text) {
    const std::vector<kaz::PastedEntry> entries = kaz::pastedEntries(text.toStdString());
    if (entries.empty()) return 0;
    QStringList notes;
    const size_t room = m_maxCharacters - std::min(m_maxCharacters, charactersOutsideSelection());
    const std::optional<std::string> fitted = fitEntry(entries.front(), room, notes);
    if (!fitted) return static_cast<int>(entries.size());
    const int leftOut = static_cast<int>(entries.size()) - 1;
    insert(render::fromDocumentText(*fitted));
    if (leftOut > 0) notes << tr("最初の行だけを貼り付けました。");
    announceNotes(notes);
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
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    addUndoItems(menu);
    menu->addSeparator();
    const bool editable = !isReadOnly();
    const bool selected = hasSelectedText() && echoMode() == QLineEdit::Normal;
    addMenuItem(menu, "edit-cut", tr("切り取り(&T)"), "Ctrl+X", editable && selected,
                [this] { cut(); });
    addMenuItem(menu, "edit-copy", tr("ｺﾋﾟｰ(&C)"), "Ctrl+C", selected, [this] { copy(); });
    addMenuItem(menu, "edit-paste", tr("貼り付け(&P)"), "Ctrl+V",
                editable && !QApplication::clipboard()->text().isEmpty(),
                [this] { pasteText(QApplication::clipboard()->text()); });
    addMenuItem(menu, "edit-delete", tr("削除(&D)"), "Del", editable && selected,
                [this] { del(); });
    menu->addSeparator();
    addMenuItem(menu, "select-all", tr("すべて選択(&A)"), "Ctrl+A", !text().isEmpty(),
                [this] { selectAll(); });
    addOwnItems(menu);
    menu->popup(event->globalPos());
}

void TextField::addUndoItems(QMenu* menu) {
    const bool editable = !isReadOnly();
    addMenuItem(menu, "edit-undo", tr("元に戻す(&U)"), "Ctrl+Z", editable && isUndoAvailable(),
                [this] { undo(); });
    addMenuItem(menu, "edit-redo", tr("やり直し(&R)"), "Ctrl+Y", editable && isRedoAvailable(),
                [this] { redo(); });
}

void TextField::addOwnItems(QMenu*) {}

size_t TextField::charactersOutsideSelection() const {
    QString rest = text();
    if (hasSelectedText()) rest.remove(selectionStart(), selectedText().size());
    return textLength(render::toDocumentText(rest));
}

std::optional<std::string> TextField::fitEntry(const kaz::PastedEntry& entry, size_t room,
                                               QStringList& notes, bool numbered) {
    const kaz::FittedText fitted = kaz::fitToField(entry.text, room);
    if (fitted.tooLong) {
        QString refusal = refusalText(InputRefusal::TooLong, fieldName(), m_maxCharacters);
        if (numbered) {
            refusal = uiText(kaz::MessageId::ListLine).arg(QString::number(entry.line), refusal);
        }
        tell(this, refusal, Notice::Refused);
        return std::nullopt;
    }
    if (!fitted.beyondCp932.empty()) {
        notes << uiText(kaz::keptAsTypedNote(entry.line, fitted.beyondCp932));
    }
    if (fitted.controlsLeftOut) {
        notes << refusalText(InputRefusal::UnusableCharacter, QString(), 0);
    }
    return fitted.text;
}

void TextField::announceNotes(QStringList notes) {
    notes.removeDuplicates();
    if (!notes.isEmpty()) tell(this, notes.join(QLatin1Char(' ')), Notice::Refused);
}

}  // namespace kaz::gui
