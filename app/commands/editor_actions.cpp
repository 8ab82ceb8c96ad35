#include "commands/editor_actions.h"

#include <QAction>
#include <QWidget>
#include <optional>

#include "shell/app_icons.h"

namespace {

// One action: `prompt` is the status-bar prompt, then "\n" and the tooltip (the menu text
// without its access key where there is none). The keys apply in every window, also while a
// name box has the focus.
QAction* makeAction(QWidget* window, const char* name, const char* text, const char* prompt,
                    std::initializer_list<const char*> keys = {},
                    std::optional<ToolbarPicture> picture = std::nullopt) {
    auto* action = new QAction(QString::fromUtf8(text), window);
    action->setObjectName(QString::fromLatin1(name));
    const QString halves = QString::fromUtf8(prompt);
    action->setStatusTip(halves.section(QLatin1Char('\n'), 0, 0));
    const QString tooltip = halves.section(QLatin1Char('\n'), 1, 1);
    if (!tooltip.isEmpty()) action->setToolTip(tooltip);
    QList<QKeySequence> sequences;
    // The keys are written in Qt's portable (English) form: read as such, they need no lookup
    // of the translated key names.
    for (const char* key : keys) {
        sequences << QKeySequence::fromString(QString::fromLatin1(key), QKeySequence::PortableText);
    }
    action->setShortcuts(sequences);
    action->setShortcutContext(Qt::ApplicationShortcut);
    if (picture) action->setIcon(QIcon(toolbarPicture(*picture)));
    window->addAction(action);
    return action;
}

QAction* makeCheckable(QAction* action) {
    action->setCheckable(true);
    action->setChecked(true);
    return action;
}

QAction* makeDisabled(QAction* action) {
    action->setEnabled(false);
    return action;
}

}  // namespace

EditorActions::EditorActions(QWidget* w)
    : fileNew(makeAction(w, "fileNew", "新規作成(&N)\tCtrl+N", "新規にﾌｧｲﾙを作成\n新規ﾌｧｲﾙ",
                         {"Ctrl+N"}, ToolbarPicture::New)),
      fileNewFromList(makeAction(
          w, "fileNewFromList", "参加者リストから新規作成(&L)...\tCtrl+Shift+N",
          "参加者のﾘｽﾄから組み合わせを抽選して新規にﾌｧｲﾙを作成\n組み合わせ抽選", {"Ctrl+Shift+N"})),
      fileOpen(makeAction(w, "fileOpen", "開く(&O)...\tCtrl+O", "既存のﾌｧｲﾙを開く\n開く",
                          {"Ctrl+O"}, ToolbarPicture::Open)),
      fileClose(makeAction(w, "fileClose", "閉じる(&C)", "作業中のﾌｧｲﾙを閉じる\n閉じる")),
      fileSave(makeAction(w, "fileSave", "上書き保存(&S)\tCtrl+S",
                          "作業中のﾌｧｲﾙを上書きして保存\n保存", {"Ctrl+S"}, ToolbarPicture::Save)),
      fileSaveAs(makeAction(w, "fileSaveAs", "名前を付けて保存(&A)...",
                            "作業中のﾌｧｲﾙを新しい名前で保存\n名前をつけて保存")),
      filePrint(makeAction(w, "filePrint", "印刷(&P)...\tCtrl+P",
                           "ｱｸﾃｨﾌﾞ ﾄﾞｷｭﾒﾝﾄを印刷します。\n印刷", {"Ctrl+P"},
                           ToolbarPicture::Print)),
      filePrintPreview(makeAction(w, "filePrintPreview", "印刷ﾌﾟﾚﾋﾞｭｰ(&V)",
                                  "印刷されるｲﾒｰｼﾞを表示します。\n印刷ﾌﾟﾚﾋﾞｭｰ")),
      filePrintSetup(makeAction(w, "filePrintSetup", "ﾌﾟﾘﾝﾀの設定(&R)...",
                                "用紙の大きさや向きなど、ﾌﾟﾘﾝﾀの設定を変更します。\nﾌﾟﾘﾝﾀの設定")),
      noRecentFiles(
          makeDisabled(makeAction(w, "noRecentFiles", "最近使ったﾌｧｲﾙ", "指定のﾌｧｲﾙを開く"))),
      appExit(makeAction(w, "appExit", "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)",
                         "ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示\n終了")),
      // Enabled by the edit commands exactly while they can act. A focused text box takes
      // these keys itself, so they reach the box (and its bracket's history) first.
      editUndo(makeDisabled(makeAction(w, "editUndo", "元に戻す(&U)\tCtrl+Z",
                                       "直前に行った動作を元に戻す\n元に戻す",
                                       {"Ctrl+Z", "Alt+Backspace"}, ToolbarPicture::Undo))),
      editRedo(makeDisabled(makeAction(w, "editRedo", "やり直し(&R)\tCtrl+Y",
                                       "元に戻した動作をやり直す\nやり直し",
                                       {"Ctrl+Y", "Ctrl+Shift+Z"}, ToolbarPicture::Redo))),
      editCut(makeDisabled(makeAction(w, "editCut", "切り取り(&T)\tCtrl+X",
                                      "選択範囲を切り取ってｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存\n切り取り",
                                      {"Ctrl+X", "Shift+Delete"}, ToolbarPicture::Cut))),
      editCopy(makeDisabled(makeAction(w, "editCopy", "ｺﾋﾟｰ(&C)\tCtrl+C",
                                       "選択範囲をｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存\nｺﾋﾟｰ",
                                       {"Ctrl+C", "Ctrl+Insert"}, ToolbarPicture::Copy))),
      editPaste(makeDisabled(makeAction(w, "editPaste", "貼り付け(&P)\tCtrl+V",
                                        "ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容を貼り付け\n貼り付け",
                                        {"Ctrl+V", "Shift+Insert"}, ToolbarPicture::Paste))),
      copyBracket(makeAction(w, "copyBracket", "表をｺﾋﾟｰ(&B)\tCtrl+Shift+C",
                             "ﾄｰﾅﾒﾝﾄ表全体を画像、表、ﾃｷｽﾄとしてｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ\n表をｺﾋﾟｰ",
                             {"Ctrl+Shift+C"})),
      htmlExport(makeAction(w, "htmlExport", "HTML化(&H)\tCtrl+T",
                            "HTML形式のファイルに変換\nHTML化", {"Ctrl+T"},
                            ToolbarPicture::HtmlExport)),
      htmlSettings(makeAction(w, "htmlSettings", "HTML設定(&S)\tCtrl+H",
                              "背景色、線の色など設定\nHTML設定", {"Ctrl+H"},
                              ToolbarPicture::HtmlSettings)),
      savePicture(makeAction(w, "savePicture", "画像として保存(&I)...",
                             "ﾄｰﾅﾒﾝﾄ表を画像 (PNG) または PDF のﾌｧｲﾙに保存\n画像として保存")),
      viewToolBar(makeCheckable(makeAction(w, "viewToolBar", "ﾂｰﾙ ﾊﾞｰ(&T)",
                                           "ﾂｰﾙ ﾊﾞｰの 表示/非表示\nﾂｰﾙ ﾊﾞｰの表示切り替え"))),
      viewStatusBar(makeCheckable(makeAction(w, "viewStatusBar", "ｽﾃｰﾀｽ ﾊﾞｰ(&S)",
                                             "ｽﾃｰﾀｽ ﾊﾞｰの 表示/非表示\nｽﾃｰﾀｽ ﾊﾞｰの表示切り替え"))),
      windowNew(makeAction(w, "windowNew", "新しいｳｨﾝﾄﾞｳを開く(&N)",
                           "作業中のｳｨﾝﾄﾞｳを複写して表示\n新規ｳｨﾝﾄﾞｳ")),
      windowCascade(
          makeAction(w, "windowCascade", "重ねて表示(&C)", "ｳｨﾝﾄﾞｳを重ねて表示\n重ねて表示")),
      windowTile(makeAction(w, "windowTile", "並べて表示(&T)", "ｳｨﾝﾄﾞｳを並べて表示\n並べて表示")),
      windowArrange(
          makeAction(w, "windowArrange", "ｱｲｺﾝの整列(&A)", "ｳｨﾝﾄﾞｳの下部にｱｲｺﾝを整列\nｱｲｺﾝの整列")),
      appAbout(makeAction(w, "appAbout", "Kaz_edit のﾊﾞｰｼﾞｮﾝ情報(&A)...",
                          "ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示\nﾊﾞｰｼﾞｮﾝ情報", {},
                          ToolbarPicture::About)),
      help(makeAction(w, "help", "ﾍﾙﾌﾟ", "現在のﾀｽｸまたはｺﾏﾝﾄﾞのﾍﾙﾌﾟを表示\nﾍﾙﾌﾟ", {"F1"})),
      contextHelp(makeAction(w, "contextHelp", "ﾍﾙﾌﾟ", "", {"Shift+F1"})),
      // No window of this program is split into panes, so F6 and Shift+F6 have nothing to do.
      nextPane(makeDisabled(
          makeAction(w, "nextPane", "次のﾍﾟｲﾝ", "次のｳｨﾝﾄﾞｳに切り替える\n次のﾍﾟｲﾝ", {"F6"}))),
      previousPane(makeDisabled(makeAction(w, "previousPane", "前のﾍﾟｲﾝ",
                                           "前のｳｨﾝﾄﾞｳに切り替える\n前のﾍﾟｲﾝ", {"Shift+F6"}))),
      // The window keys of this kind of editor, beside Qt's own Ctrl+W and Ctrl+Tab.
      closeWindow(makeAction(w, "closeWindow", "", "", {"Ctrl+F4"})),
      nextWindow(makeAction(w, "nextWindow", "", "", {"Ctrl+F6"})),
      previousWindow(makeAction(w, "previousWindow", "", "", {"Ctrl+Shift+F6"})) {}

QList<QAction*> EditorActions::bracketCommands() const {
    return {fileClose,      fileSave,      fileSaveAs, filePrint,    filePrintPreview,
            filePrintSetup, copyBracket,   htmlExport, htmlSettings, savePicture,
            windowNew,      windowCascade, windowTile, windowArrange};
}

QString EditorActions::undoPrompt() { return QStringLiteral("直前に行った動作を元に戻す"); }

QString EditorActions::redoPrompt() { return QStringLiteral("元に戻した動作をやり直す"); }

QString EditorActions::recentFilePrompt() { return QStringLiteral("指定のﾌｧｲﾙを開く"); }
