#include "commands.h"

namespace {

struct PromptEntry {
    int id;
    const char* text;  // status prompt, then "\n" and the tooltip
};

const PromptEntry kPrompts[] = {
    {Command::FileNew, "新規にﾌｧｲﾙを作成\n新規ﾌｧｲﾙ"},
    {Command::FileOpen, "既存のﾌｧｲﾙを開く\n開く"},
    {Command::FileClose, "作業中のﾌｧｲﾙを閉じる\n閉じる"},
    {Command::FileSave, "作業中のﾌｧｲﾙを上書きして保存\n保存"},
    {Command::FileSaveAs, "作業中のﾌｧｲﾙを新しい名前で保存\n名前をつけて保存"},
    {Command::FilePrint, "ｱｸﾃｨﾌﾞ ﾄﾞｷｭﾒﾝﾄを印刷します。\n印刷"},
    {Command::FilePrintPreview, "印刷されるｲﾒｰｼﾞを表示します。\n印刷ﾌﾟﾚﾋﾞｭｰ"},
    {Command::FilePrintSetup, "用紙の大きさや向きなど、ﾌﾟﾘﾝﾀの設定を変更します。\nﾌﾟﾘﾝﾀの設定"},
    {Command::RecentFile1, "指定のﾌｧｲﾙを開く"},
    {Command::AppExit, "ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示\n終了"},
    {Command::EditUndo, "直前に行った動作を元に戻す\n元に戻す"},
    {Command::EditCut, "選択範囲を切り取ってｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存\n切り取り"},
    {Command::EditCopy, "選択範囲をｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存\nｺﾋﾟｰ"},
    {Command::EditPaste, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容を貼り付け\n貼り付け"},
    {Command::HtmlExport, "HTML形式のファイルに変換\nHTML化"},
    {Command::HtmlSettings, "背景色、線の色など設定\nHTML設定"},
    {Command::SavePicture, "ﾄｰﾅﾒﾝﾄ表を画像 (PNG) または PDF のﾌｧｲﾙに保存\n画像として保存"},
    {Command::ViewToolBar, "ﾂｰﾙ ﾊﾞｰの 表示/非表示\nﾂｰﾙ ﾊﾞｰの表示切り替え"},
    {Command::ViewStatusBar, "ｽﾃｰﾀｽ ﾊﾞｰの 表示/非表示\nｽﾃｰﾀｽ ﾊﾞｰの表示切り替え"},
    {Command::WindowNew, "作業中のｳｨﾝﾄﾞｳを複写して表示\n新規ｳｨﾝﾄﾞｳ"},
    {Command::WindowCascade, "ｳｨﾝﾄﾞｳを重ねて表示\n重ねて表示"},
    {Command::WindowTile, "ｳｨﾝﾄﾞｳを並べて表示\n並べて表示"},
    {Command::WindowArrange, "ｳｨﾝﾄﾞｳの下部にｱｲｺﾝを整列\nｱｲｺﾝの整列"},
    {Command::AppAbout, "ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示\nﾊﾞｰｼﾞｮﾝ情報"},
    {Command::Help, "現在のﾀｽｸまたはｺﾏﾝﾄﾞのﾍﾙﾌﾟを表示\nﾍﾙﾌﾟ"},
    {Command::NextPane, "次のｳｨﾝﾄﾞｳに切り替える\n次のﾍﾟｲﾝ"},
    {Command::PrevPane, "前のｳｨﾝﾄﾞｳに切り替える\n前のﾍﾟｲﾝ"},
};

}  // namespace

CommandPrompt promptOf(int id) {
    for (const PromptEntry& entry : kPrompts) {
        if (entry.id != id) continue;
        const QString text = QString::fromUtf8(entry.text);
        return {text.section(QLatin1Char('\n'), 0, 0), text.section(QLatin1Char('\n'), 1, 1)};
    }
    return {};
}

QString idleStatusText() { return QStringLiteral("ﾍﾙﾌﾟを表示するには [F1] を押してください。"); }
