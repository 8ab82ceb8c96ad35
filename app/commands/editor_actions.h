#pragma once

#include <QList>

class QAction;
class QWidget;

// Every command of the editor as a named action, made here once with its text, shortcut keys,
// status-bar prompt, tooltip and toolbar picture. The actions belong to the main window, so
// that their keys work in every window of the program; the main window connects them to their
// work and places them in the menus and the toolbar. Each action's object name is its member's.
class EditorActions {
public:
    explicit EditorActions(QWidget* window);

    // ﾌｧｲﾙ
    QAction* const fileNew;
    QAction* const fileNewFromList;
    QAction* const fileOpen;
    QAction* const fileClose;
    QAction* const fileSave;
    QAction* const fileSaveAs;
    QAction* const filePrint;
    QAction* const filePrintPreview;
    QAction* const filePrintSetup;
    QAction* const noRecentFiles;  // the disabled stand-in while the recent-file list is empty
    QAction* const appExit;
    // 編集
    QAction* const editUndo;
    QAction* const editRedo;
    QAction* const editCut;
    QAction* const editCopy;
    QAction* const editPaste;
    QAction* const copyBracket;
    // ツール
    QAction* const htmlExport;
    QAction* const htmlSettings;
    QAction* const savePicture;
    // 表示
    QAction* const viewToolBar;
    QAction* const viewStatusBar;
    // ｳｨﾝﾄﾞｳ
    QAction* const windowNew;
    QAction* const windowCascade;
    QAction* const windowTile;
    QAction* const windowArrange;
    // ﾍﾙﾌﾟ
    QAction* const appAbout;
    QAction* const help;
    QAction* const contextHelp;
    // Keys without a menu item.
    QAction* const nextPane;
    QAction* const previousPane;
    QAction* const closeWindow;
    QAction* const nextWindow;
    QAction* const previousWindow;

    // The commands that act on the active bracket: enabled only while a bracket window is.
    QList<QAction*> bracketCommands() const;
    // The prompts of 元に戻す and やり直し while there is no step to name.
    static QString undoPrompt();
    static QString redoPrompt();
    // The status-bar prompt of a recent-file entry.
    static QString recentFilePrompt();
};
