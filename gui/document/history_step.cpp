#include "document/history_step.h"

#include <QString>
#include <QUndoStack>

#include "common/refusal_notice.h"

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
    announceDone(
        where,
        (redo ? QStringLiteral("やり直しました: ") : QStringLiteral("元に戻しました: ")) + name);
}

}  // namespace kaz::gui
