#include "dialogs/help_dialog.h"

#include <QDialogButtonBox>
#include <QStringList>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <string_view>

#include "bridge/fonts.h"
#include "text/app_names.h"

namespace kaz::gui {

namespace {

// clang-format off
// The help, a text for each paragraph, shown one after the other a line apart. (Formatting
// would move a paragraph away from its marker.)
const char* const kHelpParagraphs[] = {
    QT_TRANSLATE_NOOP("kaz::gui::HelpDialog", R"(<h3>カズボーの使い方</h3>)"),
    QT_TRANSLATE_NOOP("kaz::gui::HelpDialog", R"(<p><b>新しいトーナメント表</b>：「ﾌｧｲﾙ」→「新規作成」(Ctrl+N) で人数 (4・8・16・32・64・128人用) を選びます。</p>)"),
    QT_TRANSLATE_NOOP("kaz::gui::HelpDialog", R"(<p><b>組み合わせ抽選</b>：「ﾌｧｲﾙ」→「参加者リストから新規作成」(Ctrl+Shift+N) で、参加者の一覧
(1 行に 1 人: 名前、所属、シードをタブかカンマで区切る) を入力・貼り付け・読み込みすると、
シード・不戦勝・所属を考えて組み合わせを抽選し、その場で表を表示します。リストの誤りは行番号つきで表示されます。
同じ抽選番号なら同じ組み合わせになります。</p>)"),
    QT_TRANSLATE_NOOP("kaz::gui::HelpDialog", R"(<p><b>メンバー名</b>：左の欄に名前を入力します。Tab で次の欄へ、Shift+Tab で前の欄へ移ります。
複数行の名前の一覧を貼り付けると (Ctrl+V)、その欄から下の欄へ 1 行に 1 人ずつ入ります。</p>)"),
    QT_TRANSLATE_NOOP("kaz::gui::HelpDialog", R"(<p><b>勝ち上がり</b>：線を左クリックすると、その線のメンバーの勝ちになり、次の回戦へ進みます。
もう一度クリックすると勝ちが外れ、メンバーはその線に残ります。ダブルクリックすると、その試合の結果を取り消します。
試合の勝者を変えたり取り消したりすると、前の勝者がその後に出た試合の結果と点数 (と優勝者名) も消えます。
決まっている試合の結果が消えるときは、消える試合を示して確認します。
まだメンバーが来ていない2回戦以降の線は、クリックしても点数を付けようとしても何も変わりません。</p>)"),
    QT_TRANSLATE_NOOP("kaz::gui::HelpDialog", R"(<p><b>点数・優勝者名</b>：線を右クリックすると、その試合の両者の点数を入力できます (それぞれ半角9文字まで)。
決勝の線を右クリックすると優勝者名を入力できます (決勝が決まると、空の優勝者名には勝者の名前が入ります)。今の内容が選択された状態で開くので、
入力すると置き換わります。Enter で決定、Esc で何も変えずに閉じます。</p>)"),
    QT_TRANSLATE_NOOP("kaz::gui::HelpDialog", R"(<p><b>キーボードで結果を入力</b>：メンバー名の欄で Alt+→ を押すと、そのメンバーが今いる線を勝ちにします。
Alt+← で最後の勝ちを取り消し、F2 で最後に勝ったか負けた試合の点数 (優勝が決まっていれば優勝者名) を入力します。</p>)"),
    QT_TRANSLATE_NOOP("kaz::gui::HelpDialog", R"(<p><b>元に戻す・やり直し</b>：メンバー名の欄で Ctrl+Z を押すと、トーナメント表の直前の操作を元に戻します。
Ctrl+Y (または Ctrl+Shift+Z) でやり直します。</p>)"),
    QT_TRANSLATE_NOOP("kaz::gui::HelpDialog", R"(<p><b>保存</b>：「上書き保存」(Ctrl+S) または「名前を付けて保存」で .kaz ファイルに保存します。
変更したまま閉じようとすると、保存するかどうかを確認します。</p>)"),
    QT_TRANSLATE_NOOP("kaz::gui::HelpDialog", R"(<p><b>HTML化</b>：「ツール」→「HTML化」(Ctrl+T) で、表の罫線で描いたトーナメント表の HTML ファイルを書き出し、
ブラウザで開きます。「HTML設定」(Ctrl+H) で線や文字の色、太字を設定できます。</p>)"),
};
// clang-format on

}  // namespace

HelpDialog::HelpDialog(QWidget* parent) : QDialog(parent) {
    static_assert(std::string_view(kaz::kProductName) == "カズボー");
    setWindowTitle(tr("カズボー ﾍﾙﾌﾟ"));
    setFont(render::japaneseUiFont());
    auto* text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("helpText"));
    // Japanese has no blanks to break at: lines break anywhere, so nothing scrolls sideways.
    text->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QStringList paragraphs;
    for (const char* paragraph : kHelpParagraphs) paragraphs << tr(paragraph);
    text->setHtml(paragraphs.join(QLatin1Char('\n')));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    resize(460, 380);
}

}  // namespace kaz::gui
