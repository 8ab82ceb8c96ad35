#pragma once

#include <QObject>

#include "commands/editor_actions.h"

class QMainWindow;
class QMenu;

namespace kaz::app {

class DocumentManager;

// The ﾌｧｲﾙ menu's commands: 新規作成, 参加者リストから新規作成, 開く, 閉じる, 上書き保存,
// 名前を付けて保存 and ｱﾌﾟﾘｹｰｼｮﾝの終了.
class FileCommands : public QObject {
public:
    // `window` is the dialogs' parent and owns this object.
    FileCommands(const EditorActions& actions, QMainWindow* window, DocumentManager* documents);

    // Adds the recent-file list to `menu` ("&1 <path>" …, or its disabled stand-in), each
    // entry opening its file.
    void addRecentFiles(QMenu* menu) const;

private:
    // "参加者リストから新規作成": runs the draw dialog with the options it had last time and
    // opens the bracket or pool stage drawn as a new one. The options are remembered when the
    // dialog ends with OK.
    void newBracketFromList();

    QMainWindow* m_window;
    DocumentManager* m_documents;
    QAction* m_noRecentFiles;
};

}  // namespace kaz::app
