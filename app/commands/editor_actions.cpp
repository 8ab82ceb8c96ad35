#include "commands/editor_actions.h"

#include <QAction>
#include <QWidget>
#include <array>
#include <optional>

#include "shell/app_icons.h"

namespace kaz::app {

namespace {

enum class Kind { Plain, Checkable, Disabled };

// One command: the member that holds it, its object name, the menu text, the status-bar
// prompt, the tooltip (none: Qt's, the menu text without its access key), up to two keys in
// Qt's portable (English) form, the toolbar picture, and how it starts.
struct ActionRecord {
    QAction* EditorActions::*member;
    const char* name;
    const char* text;
    const char* prompt;
    const char* tooltip;
    std::array<const char*, 2> keys;
    std::optional<ToolbarPicture> picture;
    Kind kind;
};

const ActionRecord kActionRecords[] = {
    {&EditorActions::fileNew,
     "fileNew",
     "新規作成(&N)\tCtrl+N",
     "新規にﾌｧｲﾙを作成",
     "新規ﾌｧｲﾙ",
     {"Ctrl+N"},
     ToolbarPicture::New,
     Kind::Plain},
    {&EditorActions::fileNewFromList,
     "fileNewFromList",
     "参加者リストから新規作成(&L)...\tCtrl+Shift+N",
     "参加者のﾘｽﾄから組み合わせを抽選して新規にﾌｧｲﾙを作成",
     "組み合わせ抽選",
     {"Ctrl+Shift+N"},
     std::nullopt,
     Kind::Plain},
    {&EditorActions::fileOpen,
     "fileOpen",
     "開く(&O)...\tCtrl+O",
     "既存のﾌｧｲﾙを開く",
     "開く",
     {"Ctrl+O"},
     ToolbarPicture::Open,
     Kind::Plain},
    {&EditorActions::fileClose,
     "fileClose",
     "閉じる(&C)",
     "作業中のﾌｧｲﾙを閉じる",
     "閉じる",
     {},
     std::nullopt,
     Kind::Plain},
    {&EditorActions::fileSave,
     "fileSave",
     "上書き保存(&S)\tCtrl+S",
     "作業中のﾌｧｲﾙを上書きして保存",
     "保存",
     {"Ctrl+S"},
     ToolbarPicture::Save,
     Kind::Plain},
    {&EditorActions::fileSaveAs,
     "fileSaveAs",
     "名前を付けて保存(&A)...",
     "作業中のﾌｧｲﾙを新しい名前で保存",
     "名前をつけて保存",
     {},
     std::nullopt,
     Kind::Plain},
    {&EditorActions::filePrint,
     "filePrint",
     "印刷(&P)...\tCtrl+P",
     "ｱｸﾃｨﾌﾞ ﾄﾞｷｭﾒﾝﾄを印刷します。",
     "印刷",
     {"Ctrl+P"},
     ToolbarPicture::Print,
     Kind::Plain},
    {&EditorActions::filePrintPreview,
     "filePrintPreview",
     "印刷ﾌﾟﾚﾋﾞｭｰ(&V)",
     "印刷されるｲﾒｰｼﾞを表示します。",
     "印刷ﾌﾟﾚﾋﾞｭｰ",
     {},
     std::nullopt,
     Kind::Plain},
    {&EditorActions::filePrintSetup,
     "filePrintSetup",
     "ﾌﾟﾘﾝﾀの設定(&R)...",
     "用紙の大きさや向きなど、ﾌﾟﾘﾝﾀの設定を変更します。",
     "ﾌﾟﾘﾝﾀの設定",
     {},
     std::nullopt,
     Kind::Plain},
    {&EditorActions::noRecentFiles,
     "noRecentFiles",
     "最近使ったﾌｧｲﾙ",
     "指定のﾌｧｲﾙを開く",
     "",
     {},
     std::nullopt,
     Kind::Disabled},
    {&EditorActions::appExit,
     "appExit",
     "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)",
     "ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示",
     "終了",
     {},
     std::nullopt,
     Kind::Plain},
    // Enabled by the edit commands exactly while they can act. A focused text box takes
    // these keys itself, so they reach the box (and its bracket's history) first.
    {&EditorActions::editUndo,
     "editUndo",
     "元に戻す(&U)\tCtrl+Z",
     "直前に行った動作を元に戻す",
     "元に戻す",
     {"Ctrl+Z", "Alt+Backspace"},
     ToolbarPicture::Undo,
     Kind::Disabled},
    {&EditorActions::editRedo,
     "editRedo",
     "やり直し(&R)\tCtrl+Y",
     "元に戻した動作をやり直す",
     "やり直し",
     {"Ctrl+Y", "Ctrl+Shift+Z"},
     ToolbarPicture::Redo,
     Kind::Disabled},
    {&EditorActions::editCut,
     "editCut",
     "切り取り(&T)\tCtrl+X",
     "選択範囲を切り取ってｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存",
     "切り取り",
     {"Ctrl+X", "Shift+Delete"},
     ToolbarPicture::Cut,
     Kind::Disabled},
    {&EditorActions::editCopy,
     "editCopy",
     "ｺﾋﾟｰ(&C)\tCtrl+C",
     "選択範囲をｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存",
     "ｺﾋﾟｰ",
     {"Ctrl+C", "Ctrl+Insert"},
     ToolbarPicture::Copy,
     Kind::Disabled},
    {&EditorActions::editPaste,
     "editPaste",
     "貼り付け(&P)\tCtrl+V",
     "ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容を貼り付け",
     "貼り付け",
     {"Ctrl+V", "Shift+Insert"},
     ToolbarPicture::Paste,
     Kind::Disabled},
    {&EditorActions::copyBracket,
     "copyBracket",
     "表をｺﾋﾟｰ(&B)\tCtrl+Shift+C",
     "ﾄｰﾅﾒﾝﾄ表全体を画像、表、ﾃｷｽﾄとしてｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ",
     "表をｺﾋﾟｰ",
     {"Ctrl+Shift+C"},
     std::nullopt,
     Kind::Plain},
    {&EditorActions::htmlExport,
     "htmlExport",
     "HTML化(&H)\tCtrl+T",
     "HTML形式のファイルに変換",
     "HTML化",
     {"Ctrl+T"},
     ToolbarPicture::HtmlExport,
     Kind::Plain},
    {&EditorActions::htmlSettings,
     "htmlSettings",
     "HTML設定(&S)\tCtrl+H",
     "背景色、線の色など設定",
     "HTML設定",
     {"Ctrl+H"},
     ToolbarPicture::HtmlSettings,
     Kind::Plain},
    {&EditorActions::savePicture,
     "savePicture",
     "画像として保存(&I)...",
     "ﾄｰﾅﾒﾝﾄ表を画像 (PNG) または PDF のﾌｧｲﾙに保存",
     "画像として保存",
     {},
     std::nullopt,
     Kind::Plain},
    {&EditorActions::viewToolBar,
     "viewToolBar",
     "ﾂｰﾙ ﾊﾞｰ(&T)",
     "ﾂｰﾙ ﾊﾞｰの 表示/非表示",
     "ﾂｰﾙ ﾊﾞｰの表示切り替え",
     {},
     std::nullopt,
     Kind::Checkable},
    {&EditorActions::viewStatusBar,
     "viewStatusBar",
     "ｽﾃｰﾀｽ ﾊﾞｰ(&S)",
     "ｽﾃｰﾀｽ ﾊﾞｰの 表示/非表示",
     "ｽﾃｰﾀｽ ﾊﾞｰの表示切り替え",
     {},
     std::nullopt,
     Kind::Checkable},
    {&EditorActions::windowNew,
     "windowNew",
     "新しいｳｨﾝﾄﾞｳを開く(&N)",
     "作業中のｳｨﾝﾄﾞｳを複写して表示",
     "新規ｳｨﾝﾄﾞｳ",
     {},
     std::nullopt,
     Kind::Plain},
    {&EditorActions::windowCascade,
     "windowCascade",
     "重ねて表示(&C)",
     "ｳｨﾝﾄﾞｳを重ねて表示",
     "重ねて表示",
     {},
     std::nullopt,
     Kind::Plain},
    {&EditorActions::windowTile,
     "windowTile",
     "並べて表示(&T)",
     "ｳｨﾝﾄﾞｳを並べて表示",
     "並べて表示",
     {},
     std::nullopt,
     Kind::Plain},
    {&EditorActions::windowArrange,
     "windowArrange",
     "ｱｲｺﾝの整列(&A)",
     "ｳｨﾝﾄﾞｳの下部にｱｲｺﾝを整列",
     "ｱｲｺﾝの整列",
     {},
     std::nullopt,
     Kind::Plain},
    {&EditorActions::appAbout,
     "appAbout",
     "Kaz_edit のﾊﾞｰｼﾞｮﾝ情報(&A)...",
     "ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示",
     "ﾊﾞｰｼﾞｮﾝ情報",
     {},
     ToolbarPicture::About,
     Kind::Plain},
    {&EditorActions::help,
     "help",
     "ﾍﾙﾌﾟ",
     "現在のﾀｽｸまたはｺﾏﾝﾄﾞのﾍﾙﾌﾟを表示",
     "ﾍﾙﾌﾟ",
     {"F1"},
     std::nullopt,
     Kind::Plain},
    {&EditorActions::contextHelp,
     "contextHelp",
     "ﾍﾙﾌﾟ",
     "",
     "",
     {"Shift+F1"},
     std::nullopt,
     Kind::Plain},
    // No window of this program is split into panes, so F6 and Shift+F6 have nothing to do.
    {&EditorActions::nextPane,
     "nextPane",
     "次のﾍﾟｲﾝ",
     "次のｳｨﾝﾄﾞｳに切り替える",
     "次のﾍﾟｲﾝ",
     {"F6"},
     std::nullopt,
     Kind::Disabled},
    {&EditorActions::previousPane,
     "previousPane",
     "前のﾍﾟｲﾝ",
     "前のｳｨﾝﾄﾞｳに切り替える",
     "前のﾍﾟｲﾝ",
     {"Shift+F6"},
     std::nullopt,
     Kind::Disabled},
    // The window keys of this kind of editor, beside Qt's own Ctrl+W and Ctrl+Tab.
    {&EditorActions::closeWindow,
     "closeWindow",
     "",
     "",
     "",
     {"Ctrl+F4"},
     std::nullopt,
     Kind::Plain},
    {&EditorActions::nextWindow, "nextWindow", "", "", "", {"Ctrl+F6"}, std::nullopt, Kind::Plain},
    {&EditorActions::previousWindow,
     "previousWindow",
     "",
     "",
     "",
     {"Ctrl+Shift+F6"},
     std::nullopt,
     Kind::Plain},
};

// The keys apply in every window, also while a name box has the focus.
QAction* makeAction(QWidget* window, const ActionRecord& record) {
    auto* action = new QAction(QString::fromUtf8(record.text), window);
    action->setObjectName(QString::fromLatin1(record.name));
    action->setStatusTip(QString::fromUtf8(record.prompt));
    if (*record.tooltip) action->setToolTip(QString::fromUtf8(record.tooltip));
    QList<QKeySequence> sequences;
    // Read in the portable form, the keys need no lookup of the translated key names.
    for (const char* key : record.keys) {
        if (key) {
            sequences << QKeySequence::fromString(QString::fromLatin1(key),
                                                  QKeySequence::PortableText);
        }
    }
    action->setShortcuts(sequences);
    action->setShortcutContext(Qt::ApplicationShortcut);
    if (record.picture) action->setIcon(QIcon(toolbarPicture(*record.picture)));
    action->setCheckable(record.kind == Kind::Checkable);
    action->setChecked(record.kind == Kind::Checkable);
    action->setEnabled(record.kind != Kind::Disabled);
    window->addAction(action);
    return action;
}

}  // namespace

EditorActions::EditorActions(QWidget* window) {
    for (const ActionRecord& record : kActionRecords)
        this->*record.member = makeAction(window, record);
}

QList<QAction*> EditorActions::bracketCommands() const {
    return {fileClose,      fileSave,      fileSaveAs, filePrint,    filePrintPreview,
            filePrintSetup, copyBracket,   htmlExport, htmlSettings, savePicture,
            windowNew,      windowCascade, windowTile, windowArrange};
}

QString EditorActions::undoPrompt() { return QStringLiteral("直前に行った動作を元に戻す"); }

QString EditorActions::redoPrompt() { return QStringLiteral("元に戻した動作をやり直す"); }

QString EditorActions::recentFilePrompt() { return QStringLiteral("指定のﾌｧｲﾙを開く"); }

}  // namespace kaz::app
