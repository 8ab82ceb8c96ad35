#pragma once

#include <QList>

class QAction;
class QWidget;

namespace kaz::app {

// Every command of the editor as a named action, made once from one table of records (object
// name, menu text, status-bar prompt, tooltip, keys, toolbar picture). The actions belong to the
// main window, so that their keys work in every window of the program; the command groups
// connect them to their work, the main window places them in the menus and the toolbar. Each
// action's object name is its member's.
class EditorActions {
public:
    explicit EditorActions(QWidget* window);

    // ﾌｧｲﾙ
    QAction* fileNew = nullptr;
    QAction* fileNewFromList = nullptr;
    QAction* fileOpen = nullptr;
    QAction* fileClose = nullptr;
    QAction* fileSave = nullptr;
    QAction* fileSaveAs = nullptr;
    QAction* filePrint = nullptr;
    QAction* filePrintPreview = nullptr;
    QAction* filePrintSetup = nullptr;
    QAction* noRecentFiles = nullptr;  // the disabled stand-in while the recent-file list is empty
    QAction* appExit = nullptr;
    // 編集
    QAction* editUndo = nullptr;
    QAction* editRedo = nullptr;
    QAction* editCut = nullptr;
    QAction* editCopy = nullptr;
    QAction* editPaste = nullptr;
    QAction* copyBracket = nullptr;
    // ツール
    QAction* htmlExport = nullptr;
    QAction* htmlSettings = nullptr;
    QAction* savePicture = nullptr;
    QAction* sheetSettings = nullptr;
    QAction* livePublish = nullptr;
    QAction* venueServing = nullptr;
    QAction* makeKnockout = nullptr;
    // 表示
    QAction* viewToolBar = nullptr;
    QAction* viewStatusBar = nullptr;
    QAction* viewClubs = nullptr;   // checked while the active bracket's club column shows
    QAction* viewZoomIn = nullptr;  // the active bracket window's zoom
    QAction* viewZoomOut = nullptr;
    QAction* viewActualSize = nullptr;
    QAction* viewFitSheet = nullptr;
    // ｳｨﾝﾄﾞｳ
    QAction* windowNew = nullptr;
    QAction* windowCascade = nullptr;
    QAction* windowTile = nullptr;
    QAction* windowArrange = nullptr;
    // ﾍﾙﾌﾟ
    QAction* appAbout = nullptr;
    QAction* help = nullptr;
    QAction* contextHelp = nullptr;
    // Keys without a menu item.
    QAction* nextPane = nullptr;
    QAction* previousPane = nullptr;
    QAction* closeWindow = nullptr;
    QAction* nextWindow = nullptr;
    QAction* previousWindow = nullptr;

    // The commands that act on the active bracket: enabled only while a bracket window is.
    const QList<QAction*>& bracketCommands() const { return m_bracketCommands; }
    // The commands that act on the active document of either kind, a bracket or a pool stage
    // (close, save, print, the picture, the window arrangement).
    const QList<QAction*>& documentCommands() const { return m_documentCommands; }
    // The commands that act on the active pool stage: enabled only while a pool window is.
    const QList<QAction*>& poolCommands() const { return m_poolCommands; }
    // The prompts of 元に戻す and やり直し while there is no step to name.
    static QString undoPrompt();
    static QString redoPrompt();
    // The status-bar prompt of a recent-file entry.
    static QString recentFilePrompt();

private:
    QList<QAction*> m_bracketCommands;
    QList<QAction*> m_documentCommands;
    QList<QAction*> m_poolCommands;
};

}  // namespace kaz::app
