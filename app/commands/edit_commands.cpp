#include "commands/edit_commands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMainWindow>
#include <QMimeData>
#include <QUndoGroup>
#include <QUndoStack>

#include "bracket/bracket_text.h"
#include "bridge/qt_text.h"
#include "commands/command_runner.h"
#include "common/notice.h"
#include "document/bracket_document.h"
#include "document/history_step.h"
#include "document/pool_document.h"
#include "documents/document_manager.h"
#include "html/html_page.h"
#include "painting/bracket_picture.h"
#include "widgets/text_field.h"

namespace kaz::app {

namespace {

// "元に戻す: 勝ち上がり" while there is a step, the plain prompt otherwise.
void nameStep(QAction* action, const QString& verb, const QString& step, const QString& plain) {
    const QString named = step.isEmpty() ? plain : EditCommands::tr("%1: %2").arg(verb, step);
    action->setStatusTip(named);
    action->setToolTip(step.isEmpty() ? verb : named);
}

}  // namespace

EditCommands::EditCommands(const EditorActions& actions, QMainWindow* window,
                           DocumentManager* documents)
    : QObject(window), m_actions(actions), m_window(window), m_documents(documents) {
    QUndoGroup* histories = documents->histories();
    // A pool stage's step is asked about first where a knockout made from it would lose results.
    const auto take = [this, histories](gui::HistoryStep step) {
        QUndoStack* history = histories->activeStack();
        if (!history) return;
        const gui::PoolDocument* pools = m_documents->activePoolDocument();
        if (pools && pools->undoStack() == history && !pools->mayTake(step)) return;
        gui::takeHistoryStep(history, step, m_window);
    };
    connectCommand(actions.editUndo, window, [take] { take(gui::HistoryStep::Undo); });
    connectCommand(actions.editRedo, window, [take] { take(gui::HistoryStep::Redo); });
    for (auto signal : {&QUndoGroup::canUndoChanged, &QUndoGroup::canRedoChanged}) {
        connect(histories, signal, this, &EditCommands::updateHistory);
    }
    for (auto signal : {&QUndoGroup::undoTextChanged, &QUndoGroup::redoTextChanged}) {
        connect(histories, signal, this, &EditCommands::updateHistory);
    }
    connectCommand(actions.editCut, window, [this] {
        if (QLineEdit* edit = focusedEdit()) edit->cut();
    });
    connectCommand(actions.editCopy, window, [this] {
        if (QLineEdit* edit = focusedEdit()) edit->copy();
    });
    connectCommand(actions.editPaste, window, [this] { paste(); });
    connectCommand(actions.copyBracket, window, [this] { copyBracket(); });
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { onFocusChanged(now); });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &EditCommands::updateTextCommands);
    updateHistory();
    updateTextCommands();
}

void EditCommands::updateHistory() {
    const QUndoStack* history = m_documents->histories()->activeStack();
    m_actions.editUndo->setEnabled(history && history->canUndo());
    m_actions.editRedo->setEnabled(history && history->canRedo());
    nameStep(m_actions.editUndo, tr("元に戻す"),
             history && history->canUndo() ? history->undoText() : QString(),
             EditorActions::undoPrompt());
    nameStep(m_actions.editRedo, tr("やり直し"),
             history && history->canRedo() ? history->redoText() : QString(),
             EditorActions::redoPrompt());
}

void EditCommands::onFocusChanged(QWidget* now) {
    // Focus on a menu or a button keeps the box it came from, as the menu acts on that box.
    auto* edit = qobject_cast<QLineEdit*>(now);
    if (!edit && now) return;
    if (edit != focusedEdit()) {
        for (const QMetaObject::Connection& connection : m_editConnections) disconnect(connection);
        m_editConnections.clear();
        m_focusedBox = edit;
        if (edit) {
            m_editConnections << connect(edit, &QLineEdit::selectionChanged, this,
                                         &EditCommands::updateTextCommands);
            m_editConnections << connect(edit, &QLineEdit::textChanged, this,
                                         &EditCommands::updateTextCommands);
        }
    }
    updateTextCommands();
}

void EditCommands::updateTextCommands() {
    QLineEdit* edit = focusedEdit();
    const bool selected = edit && edit->hasSelectedText();
    const bool writable = edit && !edit->isReadOnly();
    // On X11 the clipboard is asked of the program that holds it, a round trip each time: only
    // where a paste could go (never at start-up, with no box to paste into).
    const QMimeData* clipboard = writable ? QGuiApplication::clipboard()->mimeData() : nullptr;
    m_actions.editCut->setEnabled(selected && writable && edit->echoMode() == QLineEdit::Normal);
    m_actions.editCopy->setEnabled(selected && edit->echoMode() == QLineEdit::Normal);
    m_actions.editPaste->setEnabled(writable && clipboard && clipboard->hasText());
}

QLineEdit* EditCommands::focusedEdit() const {
    return qobject_cast<QLineEdit*>(m_focusedBox.data());
}

void EditCommands::paste() {
    QLineEdit* edit = focusedEdit();
    if (!edit) return;
    const QString text = QGuiApplication::clipboard()->text();
    // A text field takes what it can and a name box fills the boxes below with a list.
    if (auto* field = qobject_cast<gui::TextField*>(edit)) {
        field->pasteText(text);
    } else {
        edit->paste();
    }
}

void EditCommands::copyBracket() {
    const gui::BracketDocument* doc = m_documents->activeDocument();
    if (!doc) return;
    const kaz::Bracket& bracket = doc->bracket();
    auto* data = new QMimeData;
    if (const kaz::Result<QByteArray> png = render::bracketPng(bracket)) {
        data->setData(QStringLiteral("image/png"), *png);
        data->setImageData(render::bracketImage(bracket, render::kPictureScale));
    }
    data->setHtml(render::fromCp932(kaz::writeHtmlTable(bracket)));
    data->setText(QString::fromStdString(kaz::bracketAsText(bracket)));
    QGuiApplication::clipboard()->setMimeData(data);
    gui::tell(m_window, tr("表をｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰしました。"), gui::Notice::Done);
}

}  // namespace kaz::app
