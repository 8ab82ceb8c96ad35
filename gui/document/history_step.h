#pragma once

class QUndoStack;
class QWidget;

namespace kaz::gui {

enum class HistoryStep { Undo, Redo };

// 元に戻す or やり直し on a bracket's history, from the menu, a key or a box's own menu: takes
// the step, if there is one, and the status bar of the main window `where` belongs to says
// which ("元に戻しました: 勝ち上がり") for a few seconds.
void takeHistoryStep(QUndoStack* history, HistoryStep step, QWidget* where);

}  // namespace kaz::gui
