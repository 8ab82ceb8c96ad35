#pragma once

#include <QString>

// Command ids, shared by the menus, the shortcut keys and the toolbar. They are plain numbers
// (a menu item or button carries its id as data), hence no enum class.
namespace Command {
enum Id : int {
    FileNew = 57600,
    FileOpen = 57601,
    FileClose = 57602,
    FileSave = 57603,
    FileSaveAs = 57604,
    FilePrintSetup = 57606,
    FilePrint = 57607,
    FilePrintPreview = 57609,
    RecentFile1 = 57616,
    AppExit = 57665,
    EditUndo = 57643,
    EditCut = 57635,
    EditCopy = 57634,
    EditPaste = 57637,
    HtmlExport = 32774,
    HtmlSettings = 32776,
    SavePicture = 32778,
    ViewToolBar = 59392,
    ViewStatusBar = 59393,
    WindowNew = 57648,
    WindowCascade = 57650,
    WindowTile = 57651,
    WindowArrange = 57649,
    AppAbout = 57664,
    Help = 57670,
    ContextHelp = 57669,
    NextPane = 57680,
    PrevPane = 57681,
};
}  // namespace Command

// The status-bar prompt of a command (shown while the pointer rests on its menu item or
// button) and its tooltip; both empty for an id without a prompt.
struct CommandPrompt {
    QString status;
    QString tooltip;
};
CommandPrompt promptOf(int id);

// "ﾍﾙﾌﾟを表示するには [F1] を押してください。", the status bar's text when idle.
QString idleStatusText();
