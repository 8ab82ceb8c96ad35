#include "commands.h"

namespace {

struct PromptEntry {
    int id;
    const char* text;  // status prompt, then "\n" and the tooltip
};

const PromptEntry kPrompts[] = {
    {ID_FILE_NEW, "新規にﾌｧｲﾙを作成\n新規ﾌｧｲﾙ"},
    {ID_FILE_OPEN, "既存のﾌｧｲﾙを開く\n開く"},
    {ID_FILE_CLOSE, "作業中のﾌｧｲﾙを閉じる\n閉じる"},
    {ID_FILE_SAVE, "作業中のﾌｧｲﾙを上書きして保存\n保存"},
    {ID_FILE_SAVE_AS, "作業中のﾌｧｲﾙを新しい名前で保存\n名前をつけて保存"},
    {ID_FILE_MRU_FILE1, "指定のﾌｧｲﾙを開く"},
    {ID_APP_EXIT, "ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示\n終了"},
    {ID_EDIT_UNDO, "直前に行った動作を元に戻す\n元に戻す"},
    {ID_EDIT_CUT, "選択範囲を切り取ってｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存\n切り取り"},
    {ID_EDIT_COPY, "選択範囲をｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存\nｺﾋﾟｰ"},
    {ID_EDIT_PASTE, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容を貼り付け\n貼り付け"},
    {ID_HTML_EXPORT, "HTML形式のファイルに変換\nHTML化"},
    {ID_HTML_SETTINGS, "背景色、線の色など設定\nHTML設定"},
    {ID_VIEW_TOOLBAR, "ﾂｰﾙ ﾊﾞｰの 表示/非表示\nﾂｰﾙ ﾊﾞｰの表示切り替え"},
    {ID_VIEW_STATUS_BAR, "ｽﾃｰﾀｽ ﾊﾞｰの 表示/非表示\nｽﾃｰﾀｽ ﾊﾞｰの表示切り替え"},
    {ID_WINDOW_NEW, "作業中のｳｨﾝﾄﾞｳを複写して表示\n新規ｳｨﾝﾄﾞｳ"},
    {ID_WINDOW_CASCADE, "ｳｨﾝﾄﾞｳを重ねて表示\n重ねて表示"},
    {ID_WINDOW_TILE_HORZ, "ｳｨﾝﾄﾞｳを並べて表示\n並べて表示"},
    {ID_WINDOW_ARRANGE, "ｳｨﾝﾄﾞｳの下部にｱｲｺﾝを整列\nｱｲｺﾝの整列"},
    {ID_APP_ABOUT, "ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示\nﾊﾞｰｼﾞｮﾝ情報"},
    {ID_HELP, "現在のﾀｽｸまたはｺﾏﾝﾄﾞのﾍﾙﾌﾟを表示\nﾍﾙﾌﾟ"},
    {ID_NEXT_PANE, "次のｳｨﾝﾄﾞｳに切り替える\n次のﾍﾟｲﾝ"},
    {ID_PREV_PANE, "前のｳｨﾝﾄﾞｳに切り替える\n前のﾍﾟｲﾝ"},
};

}  // namespace

CommandPrompt PromptOf(int id) {
    for (const PromptEntry& entry : kPrompts) {
        if (entry.id != id) continue;
        const QString text = QString::fromUtf8(entry.text);
        return {text.section(QLatin1Char('\n'), 0, 0), text.section(QLatin1Char('\n'), 1, 1)};
    }
    return {};
}

QString IdleStatusText() { return QStringLiteral("ﾍﾙﾌﾟを表示するには [F1] を押してください。"); }
