#pragma once

#include <QString>

// Command ids, shared by the menus, the shortcut keys and the toolbar.
enum CommandId : int {
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_CLOSE = 57602,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_MRU_FILE1 = 57616,
    ID_APP_EXIT = 57665,
    ID_EDIT_UNDO = 57643,
    ID_EDIT_CUT = 57635,
    ID_EDIT_COPY = 57634,
    ID_EDIT_PASTE = 57637,
    ID_HTML_EXPORT = 32774,
    ID_HTML_SETTINGS = 32776,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,
    ID_WINDOW_NEW = 57648,
    ID_WINDOW_CASCADE = 57650,
    ID_WINDOW_TILE_HORZ = 57651,
    ID_WINDOW_ARRANGE = 57649,
    ID_APP_ABOUT = 57664,
    ID_HELP = 57670,
    ID_CONTEXT_HELP = 57669,
    ID_NEXT_PANE = 57680,
    ID_PREV_PANE = 57681,
};

// The status-bar prompt of a command (shown while the pointer rests on its menu item or
// button) and its tooltip; both empty for an id without a prompt.
struct CommandPrompt {
    QString status;
    QString tooltip;
};
CommandPrompt PromptOf(int id);

// "ﾍﾙﾌﾟを表示するには [F1] を押してください。", the status bar's text when idle.
QString IdleStatusText();
