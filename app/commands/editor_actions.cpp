#include "commands/editor_actions.h"

#include <QAction>
#include <QCoreApplication>
#include <QWidget>
#include <array>
#include <optional>
#include <utility>

#include "support/app_icons.h"

namespace kaz::app {

namespace {

// The context of the commands' texts.
const char kContext[] = "kaz::app::EditorActions";

enum class Kind { Plain, Checkable, Disabled };
// Whether a command acts on the active bracket, and so is enabled only while there is one.
// What a command acts on: nothing, the active bracket, or the active document of either kind (a
// bracket or a pool stage).
enum class Needs { Nothing, Bracket, Document, PoolStage };

// One command: the member that holds it, its object name, the menu text, the status-bar
// prompt, the tooltip (none: Qt's, the menu text without its access key), up to four keys in
// Qt's portable (English) form (the menu shows the first), the toolbar picture, how it starts,
// and whether it needs a bracket or a document of either kind.
struct ActionRecord {
    QAction* EditorActions::*member;
    const char* name;
    const char* text;
    const char* prompt;
    const char* tooltip;
    std::array<const char*, 4> keys;
    std::optional<ToolbarPicture> picture;
    Kind kind;
    Needs needs;
};

// Each text keeps its translation marker on its own line, a long one too (unformatted there).
const ActionRecord kActionRecords[] = {
    {&EditorActions::fileNew,
     "fileNew",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "新規作成(&N)"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "新規にﾌｧｲﾙを作成"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "新規ﾌｧｲﾙ"),
     {"Ctrl+N"},
     ToolbarPicture::New,
     Kind::Plain,
     Needs::Nothing},
    {&EditorActions::fileNewFromList,
     "fileNewFromList",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "参加者リストから新規作成(&L)..."),
     // clang-format off
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "参加者のﾘｽﾄから組み合わせを抽選して新規にﾌｧｲﾙを作成"),
     // clang-format on
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "組み合わせ抽選"),
     {"Ctrl+Shift+N"},
     std::nullopt,
     Kind::Plain,
     Needs::Nothing},
    {&EditorActions::fileOpen,
     "fileOpen",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "開く(&O)..."),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "既存のﾌｧｲﾙを開く"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "開く"),
     {"Ctrl+O"},
     ToolbarPicture::Open,
     Kind::Plain,
     Needs::Nothing},
    {&EditorActions::fileClose,
     "fileClose",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "閉じる(&C)"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "作業中のﾌｧｲﾙを閉じる"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "閉じる"),
     {},
     std::nullopt,
     Kind::Plain,
     Needs::Document},
    {&EditorActions::fileSave,
     "fileSave",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "上書き保存(&S)"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "作業中のﾌｧｲﾙを上書きして保存"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "保存"),
     {"Ctrl+S"},
     ToolbarPicture::Save,
     Kind::Plain,
     Needs::Document},
    {&EditorActions::fileSaveAs,
     "fileSaveAs",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "名前を付けて保存(&A)..."),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "作業中のﾌｧｲﾙを新しい名前で保存"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "名前をつけて保存"),
     {"Ctrl+Shift+S"},
     std::nullopt,
     Kind::Plain,
     Needs::Document},
    {&EditorActions::filePrint,
     "filePrint",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "印刷(&P)..."),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "ｱｸﾃｨﾌﾞ ﾄﾞｷｭﾒﾝﾄを印刷します。"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "印刷"),
     {"Ctrl+P"},
     ToolbarPicture::Print,
     Kind::Plain,
     Needs::Document},
    {&EditorActions::filePrintPreview,
     "filePrintPreview",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "印刷ﾌﾟﾚﾋﾞｭｰ(&V)"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "印刷されるｲﾒｰｼﾞを表示します。"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "印刷ﾌﾟﾚﾋﾞｭｰ"),
     {},
     std::nullopt,
     Kind::Plain,
     Needs::Document},
    {&EditorActions::filePrintSetup,
     "filePrintSetup",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "ﾌﾟﾘﾝﾀの設定(&R)..."),
     // clang-format off
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "用紙の大きさや向きなど、ﾌﾟﾘﾝﾀの設定を変更します。"),
     // clang-format on
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "ﾌﾟﾘﾝﾀの設定"),
     {},
     std::nullopt,
     Kind::Plain,
     Needs::Document},
    {&EditorActions::noRecentFiles,
     "noRecentFiles",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "最近使ったﾌｧｲﾙ"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "指定のﾌｧｲﾙを開く"),
     "",
     {},
     std::nullopt,
     Kind::Disabled,
     Needs::Nothing},
    {&EditorActions::appExit,
     "appExit",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "終了"),
     {"Ctrl+Q"},
     std::nullopt,
     Kind::Plain,
     Needs::Nothing},
    // Enabled by the edit commands exactly while they can act. A focused text box takes
    // these keys itself, so they reach the box (and its bracket's history) first.
    {&EditorActions::editUndo,
     "editUndo",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "元に戻す(&U)"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "直前に行った動作を元に戻す"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "元に戻す"),
     {"Ctrl+Z", "Alt+Backspace"},
     ToolbarPicture::Undo,
     Kind::Disabled,
     Needs::Nothing},
    {&EditorActions::editRedo,
     "editRedo",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "やり直し(&R)"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "元に戻した動作をやり直す"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "やり直し"),
     {"Ctrl+Y", "Ctrl+Shift+Z"},
     ToolbarPicture::Redo,
     Kind::Disabled,
     Needs::Nothing},
    {&EditorActions::editCut,
     "editCut",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "切り取り(&T)"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "選択範囲を切り取ってｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "切り取り"),
     {"Ctrl+X", "Shift+Delete"},
     ToolbarPicture::Cut,
     Kind::Disabled,
     Needs::Nothing},
    {&EditorActions::editCopy,
     "editCopy",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "ｺﾋﾟｰ(&C)"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "選択範囲をｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "ｺﾋﾟｰ"),
     {"Ctrl+C", "Ctrl+Insert"},
     ToolbarPicture::Copy,
     Kind::Disabled,
     Needs::Nothing},
    {&EditorActions::editPaste,
     "editPaste",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "貼り付け(&P)"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容を貼り付け"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "貼り付け"),
     {"Ctrl+V", "Shift+Insert"},
     ToolbarPicture::Paste,
     Kind::Disabled,
     Needs::Nothing},
    {&EditorActions::copyBracket,
     "copyBracket",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "表をｺﾋﾟｰ(&B)"),
     // clang-format off
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "ﾄｰﾅﾒﾝﾄ表全体を画像、表、ﾃｷｽﾄとしてｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ"),
     // clang-format on
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "表をｺﾋﾟｰ"),
     {"Ctrl+Shift+C"},
     std::nullopt,
     Kind::Plain,
     Needs::Bracket},
    {&EditorActions::htmlExport,
     "htmlExport",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "HTML化(&H)"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "HTML形式のファイルに変換"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "HTML化"),
     {"Ctrl+T"},
     ToolbarPicture::HtmlExport,
     Kind::Plain,
     Needs::Bracket},
    {&EditorActions::htmlSettings,
     "htmlSettings",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "HTML設定(&S)"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "背景色、線の色など設定"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "HTML設定"),
     {"Ctrl+H"},
     ToolbarPicture::HtmlSettings,
     Kind::Plain,
     Needs::Bracket},
    {&EditorActions::savePicture,
     "savePicture",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "画像として保存(&I)..."),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "ﾄｰﾅﾒﾝﾄ表を画像 (PNG) または PDF のﾌｧｲﾙに保存"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "画像として保存"),
     {},
     std::nullopt,
     Kind::Plain,
     Needs::Document},
    {&EditorActions::sheetSettings,
     "sheetSettings",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "表の設定(&B)..."),
     // clang-format off
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "大会名、2行目、回戦名、試合番号、所属の列を設定"),
     // clang-format on
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "表の設定"),
     {},
     std::nullopt,
     Kind::Plain,
     Needs::Document},
    {&EditorActions::livePublish,
     "livePublish",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "ライブ公開(&L)..."),
     // clang-format off
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "変更のたびにﾄｰﾅﾒﾝﾄ表のHTMLをﾌｫﾙﾀﾞに書き直す、またはやめる"),
     // clang-format on
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "ライブ公開"),
     {},
     std::nullopt,
     Kind::Plain,
     Needs::Document},
    {&EditorActions::venueServing,
     "venueServing",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "会場配信(&V)..."),
     // clang-format off
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "このPCから会場のｽﾏｰﾄﾌｫﾝにﾗｲﾌﾞ公開のﾍﾟｰｼﾞを配信する"),
     // clang-format on
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "会場配信"),
     {},
     std::nullopt,
     Kind::Plain,
     Needs::Document},
    {&EditorActions::makeKnockout,
     "makeKnockout",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "決勝トーナメントを作る(&K)..."),
     // clang-format off
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "各ﾌﾞﾛｯｸの1位 (と2位) で決勝ﾄｰﾅﾒﾝﾄ表を作る"),
     // clang-format on
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "決勝トーナメントを作る"),
     {},
     std::nullopt,
     Kind::Plain,
     Needs::PoolStage},
    {&EditorActions::viewToolBar,
     "viewToolBar",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "ﾂｰﾙ ﾊﾞｰ(&T)"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "ﾂｰﾙ ﾊﾞｰの 表示/非表示"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "ﾂｰﾙ ﾊﾞｰの表示切り替え"),
     {},
     std::nullopt,
     Kind::Checkable,
     Needs::Nothing},
    {&EditorActions::viewStatusBar,
     "viewStatusBar",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "ｽﾃｰﾀｽ ﾊﾞｰ(&S)"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "ｽﾃｰﾀｽ ﾊﾞｰの 表示/非表示"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "ｽﾃｰﾀｽ ﾊﾞｰの表示切り替え"),
     {},
     std::nullopt,
     Kind::Checkable,
     Needs::Nothing},
    {&EditorActions::viewClubs,
     "viewClubs",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "所属(&C)"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "所属の列の 表示/非表示"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "所属の列の表示切り替え"),
     {},
     std::nullopt,
     Kind::Checkable,
     Needs::Bracket},
    // Ctrl++ is also Ctrl+= (the key of "+" on a US keyboard) and Ctrl+Shift+; (on a Japanese
    // one), each with or without Shift as the keyboard reports it.
    {&EditorActions::viewZoomIn,
     "viewZoomIn",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "拡大(&I)"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "ﾄｰﾅﾒﾝﾄ表を拡大して表示"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "拡大"),
     {"Ctrl++", "Ctrl+=", "Ctrl+Shift++", "Ctrl+Shift+;"},
     std::nullopt,
     Kind::Plain,
     Needs::Document},
    {&EditorActions::viewZoomOut,
     "viewZoomOut",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "縮小(&O)"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "ﾄｰﾅﾒﾝﾄ表を縮小して表示"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "縮小"),
     {"Ctrl+-"},
     std::nullopt,
     Kind::Plain,
     Needs::Document},
    {&EditorActions::viewActualSize,
     "viewActualSize",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "実寸(&A)"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "ﾄｰﾅﾒﾝﾄ表を実際の大きさで表示"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "実寸"),
     {"Ctrl+0"},
     std::nullopt,
     Kind::Plain,
     Needs::Document},
    {&EditorActions::viewFitSheet,
     "viewFitSheet",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "全体を表示(&W)"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "ﾄｰﾅﾒﾝﾄ表の全体をｳｨﾝﾄﾞｳに収めて表示"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "全体を表示"),
     {},
     std::nullopt,
     Kind::Plain,
     Needs::Document},
    {&EditorActions::windowNew,
     "windowNew",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "新しいｳｨﾝﾄﾞｳを開く(&N)"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "作業中のｳｨﾝﾄﾞｳを複写して表示"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "新規ｳｨﾝﾄﾞｳ"),
     {},
     std::nullopt,
     Kind::Plain,
     Needs::Document},
    {&EditorActions::windowCascade,
     "windowCascade",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "重ねて表示(&C)"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "ｳｨﾝﾄﾞｳを重ねて表示"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "重ねて表示"),
     {},
     std::nullopt,
     Kind::Plain,
     Needs::Document},
    {&EditorActions::windowTile,
     "windowTile",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "並べて表示(&T)"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "ｳｨﾝﾄﾞｳを並べて表示"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "並べて表示"),
     {},
     std::nullopt,
     Kind::Plain,
     Needs::Document},
    {&EditorActions::windowArrange,
     "windowArrange",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "ｱｲｺﾝの整列(&A)"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "ｳｨﾝﾄﾞｳの下部にｱｲｺﾝを整列"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "ｱｲｺﾝの整列"),
     {},
     std::nullopt,
     Kind::Plain,
     Needs::Document},
    {&EditorActions::appAbout,
     "appAbout",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "Kaz_edit のﾊﾞｰｼﾞｮﾝ情報(&A)..."),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "ﾊﾞｰｼﾞｮﾝ情報"),
     {},
     ToolbarPicture::About,
     Kind::Plain,
     Needs::Nothing},
    {&EditorActions::help,
     "help",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "ﾍﾙﾌﾟ(&H)..."),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "現在のﾀｽｸまたはｺﾏﾝﾄﾞのﾍﾙﾌﾟを表示"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "ﾍﾙﾌﾟ"),
     {"F1"},
     std::nullopt,
     Kind::Plain,
     Needs::Nothing},
    {&EditorActions::contextHelp,
     "contextHelp",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "ﾍﾙﾌﾟ"),
     "",
     "",
     {"Shift+F1"},
     std::nullopt,
     Kind::Plain,
     Needs::Nothing},
    // No window of this program is split into panes, so F6 and Shift+F6 have nothing to do.
    {&EditorActions::nextPane,
     "nextPane",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "次のﾍﾟｲﾝ"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "次のｳｨﾝﾄﾞｳに切り替える"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "次のﾍﾟｲﾝ"),
     {"F6"},
     std::nullopt,
     Kind::Disabled,
     Needs::Nothing},
    {&EditorActions::previousPane,
     "previousPane",
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "前のﾍﾟｲﾝ"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "前のｳｨﾝﾄﾞｳに切り替える"),
     QT_TRANSLATE_NOOP("kaz::app::EditorActions", "前のﾍﾟｲﾝ"),
     {"Shift+F6"},
     std::nullopt,
     Kind::Disabled,
     Needs::Nothing},
    // The window keys of this kind of editor, beside Qt's own Ctrl+W and Ctrl+Tab.
    {&EditorActions::closeWindow,
     "closeWindow",
     "",
     "",
     "",
     {"Ctrl+F4"},
     std::nullopt,
     Kind::Plain,
     Needs::Nothing},
    {&EditorActions::nextWindow,
     "nextWindow",
     "",
     "",
     "",
     {"Ctrl+F6"},
     std::nullopt,
     Kind::Plain,
     Needs::Nothing},
    {&EditorActions::previousWindow,
     "previousWindow",
     "",
     "",
     "",
     {"Ctrl+Shift+F6"},
     std::nullopt,
     Kind::Plain,
     Needs::Nothing},
};

// The commands that take Qt's standard keys of the platform where it has any; where it has none
// (Windows has no key to quit), the keys of the table above.
const std::pair<QAction * EditorActions::*, QKeySequence::StandardKey> kStandardKeys[] = {
    {&EditorActions::fileSaveAs, QKeySequence::SaveAs},
    {&EditorActions::appExit, QKeySequence::Quit},
};

// A text of the table in the editor's language; an empty one stays empty.
QString translated(const char* text) {
    return *text ? QCoreApplication::translate(kContext, text) : QString();
}

// The keys apply in every window, also while a name box has the focus.
QAction* makeAction(QWidget* window, const ActionRecord& record) {
    auto* action = new QAction(translated(record.text), window);
    action->setObjectName(QString::fromLatin1(record.name));
    action->setStatusTip(translated(record.prompt));
    if (*record.tooltip) action->setToolTip(translated(record.tooltip));
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
    for (const ActionRecord& record : kActionRecords) {
        QAction* action = makeAction(window, record);
        this->*record.member = action;
        if (record.needs == Needs::Bracket) m_bracketCommands << action;
        if (record.needs == Needs::Document) m_documentCommands << action;
        if (record.needs == Needs::PoolStage) m_poolCommands << action;
    }
    for (const auto& [member, key] : kStandardKeys) {
        const QList<QKeySequence> standard = QKeySequence::keyBindings(key);
        if (!standard.isEmpty()) (this->*member)->setShortcuts(standard);
    }
}

QString EditorActions::undoPrompt() {
    return QCoreApplication::translate("kaz::app::EditorActions", "直前に行った動作を元に戻す");
}

QString EditorActions::redoPrompt() {
    return QCoreApplication::translate("kaz::app::EditorActions", "元に戻した動作をやり直す");
}

QString EditorActions::recentFilePrompt() {
    return QCoreApplication::translate("kaz::app::EditorActions", "指定のﾌｧｲﾙを開く");
}

}  // namespace kaz::app
