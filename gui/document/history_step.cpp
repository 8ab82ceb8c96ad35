#include "document/history_step.h"

#include <QCoreApplication>
#include <QString>
#include <QUndoStack>

#include "common/notice.h"

namespace kaz::gui {

void takeHistoryStep(QUndoStack* history, HistoryStep step, QWidget* where) {
    const bool redo = step == HistoryStep::Redo;
    if (!(redo ? history->canRedo() : history->canUndo())) return;
    // The step's name is read before it moves to the other side of the history.
    const QString name = redo ? history->redoText() : history->undoText();
    if (redo) {
        history->redo();
    } else {
        history->undo();
    }
    const QString done =
        redo ? QCoreApplication::translate("kaz::gui::HistoryStep", "やり直しました: %1")
             : QCoreApplication::translate("kaz::gui::HistoryStep", "元に戻しました: %1");
    tell(where, done.arg(name), Notice::Done);
}

}  // namespace kaz::gui
