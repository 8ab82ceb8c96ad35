<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>kaz::gui::AboutDialog</name>
    <message>
        <source>カズボのバージョン情報</source>
        <translation>About Kazbo</translation>
    </message>
    <message>
        <source>カズボー ver%1</source>
        <translation>Kazbo ver%1</translation>
    </message>
    <message>
        <source>Qt 6 版  HTML トーナメント表エディタ</source>
        <translation>Qt 6 edition  HTML bracket editor</translation>
    </message>
</context>
<context>
    <name>kaz::gui::BracketDocument</name>
    <message>
        <source>名前の入力</source>
        <translation>Name Entry</translation>
    </message>
    <message>
        <source>名前の貼り付け</source>
        <translation>Paste Names</translation>
    </message>
    <message>
        <source>優勝者名</source>
        <translation>Champion&apos;s Name</translation>
    </message>
    <message>
        <source>点数</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>勝ち上がり</source>
        <translation>Advance</translation>
    </message>
    <message>
        <source>取り消し</source>
        <translation>Cancel Win</translation>
    </message>
    <message>
        <source>色の設定</source>
        <translation>Color Settings</translation>
    </message>
    <message>
        <source>表の設定</source>
        <translation>Sheet Settings</translation>
    </message>
    <message>
        <source>シード</source>
        <translation>Seed</translation>
    </message>
    <message>
        <source>不戦勝</source>
        <translation>Bye</translation>
    </message>
    <message>
        <source>所属の列</source>
        <translation>Club column</translation>
    </message>
    <message>
        <source>所属の入力</source>
        <translation>Club entry</translation>
    </message>
    <message>
        <source>予選リーグの結果を反映</source>
        <translation>Pool results brought in</translation>
    </message>
    <message>
        <source>予選リーグのファイル</source>
        <translation>Pool file</translation>
    </message>
</context>
<context>
    <name>kaz::gui::ChampionDialog</name>
    <message>
        <source>優勝者名入力</source>
        <translation>Enter Champion&apos;s Name</translation>
    </message>
    <message>
        <source>優勝者名</source>
        <translation>Champion&apos;s name</translation>
    </message>
</context>
<context>
    <name>kaz::gui::DesktopServices</name>
    <message>
        <source>カズボ</source>
        <translation>Kazbo</translation>
    </message>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>kaz::gui::DrawDialog</name>
    <message>
        <source>%1人を超えています</source>
        <translation>More than %1 entrants</translation>
    </message>
    <message>
        <source>%1人</source>
        <translation>Entrants: %1</translation>
    </message>
    <message>
        <source>%1人 → %2人用</source>
        <translation>Entrants: %1 → bracket of %2</translation>
    </message>
    <message>
        <source>%1人 → %2人用 (不戦勝 %3)</source>
        <translation>Entrants: %1 → bracket of %2 (byes: %3)</translation>
    </message>
    <message>
        <source>組み合わせ抽選</source>
        <translation>Draw Pairings</translation>
    </message>
    <message>
        <source>山田 太郎,A高,1
佐藤 花子,B高
鈴木 一郎</source>
        <translation>John Smith,A High,1
Mary Jones,B High
Tom Brown</translation>
    </message>
    <message>
        <source>1行に1人: 名前、所属、シード (タブかカンマで区切る)
例:
%1</source>
        <translation>One entrant per line: name, club, seed (separated by a tab or a comma)
Example:
%1</translation>
    </message>
    <message>
        <source>参加者リスト(&amp;L):</source>
        <translation>Entrant &amp;list:</translation>
    </message>
    <message>
        <source>読み込み(&amp;O)...</source>
        <translation>L&amp;oad...</translation>
    </message>
    <message>
        <source>自動</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>%1人用</source>
        <translation>Bracket of %1</translation>
    </message>
    <message>
        <source>表の大きさ(&amp;S):</source>
        <translation>Bracket &amp;size:</translation>
    </message>
    <message>
        <source>抽選する(&amp;R)</source>
        <translation>&amp;Random draw</translation>
    </message>
    <message>
        <source>リストの順(&amp;I)</source>
        <translation>&amp;In list order</translation>
    </message>
    <message>
        <source>所属を離す(&amp;K)</source>
        <translation>&amp;Keep clubs apart</translation>
    </message>
    <message>
        <source>名前に所属を付ける(&amp;C)</source>
        <translation>Add the &amp;club to names</translation>
    </message>
    <message>
        <source>抽選番号(&amp;E):</source>
        <translation>Draw numb&amp;er:</translation>
    </message>
    <message>
        <source>別の番号(&amp;N)</source>
        <translation>&amp;New number</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>リストの誤り:</source>
        <translation>Errors in the list:</translation>
    </message>
    <message>
        <source>リストの注意:</source>
        <translation>Notes on the list:</translation>
    </message>
    <message>
        <source>決勝より前に当たる同じ所属の組:</source>
        <translation>Players of the same club meeting before the final:</translation>
    </message>
    <message>
        <source>この所属の人数では、次の組は避けられません:</source>
        <translation>With clubs this size, these meetings cannot be avoided:</translation>
    </message>
    <message>
        <source>参加者リストを開く</source>
        <translation>Open Entrant List</translation>
    </message>
    <message>
        <source>参加者リスト (*.txt *.csv *.tsv)</source>
        <translation>Entrant lists (*.txt *.csv *.tsv)</translation>
    </message>
    <message>
        <source>すべてのﾌｧｲﾙ (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>文字コード(&amp;D):</source>
        <translation>Enco&amp;ding:</translation>
    </message>
    <message>
        <source>自動 (%1)</source>
        <translation>Automatic (%1)</translation>
    </message>
    <message>
        <source>トーナメント(&amp;T)</source>
        <translation>&amp;Bracket</translation>
    </message>
    <message>
        <source>予選リーグ(&amp;P)</source>
        <translation>&amp;Pools</translation>
    </message>
    <message>
        <source>1ブロックの人数</source>
        <translation>Pool size</translation>
    </message>
    <message>
        <source>ブロック数</source>
        <translation>Number of pools</translation>
    </message>
    <message>
        <source>1位</source>
        <translation>Winners</translation>
    </message>
    <message>
        <source>1位と2位</source>
        <translation>Winners and runners-up</translation>
    </message>
    <message>
        <source>勝ち上がり(&amp;U):</source>
        <translation>Go thro&amp;ugh:</translation>
    </message>
    <message>
        <source>A, B, C, …</source>
        <translation>A, B, C, …</translation>
    </message>
    <message>
        <source>ブロック名(&amp;M):</source>
        <translation>Pool na&amp;mes:</translation>
    </message>
    <message>
        <source>%1人 → %2ブロック (%3人〜%4人)</source>
        <translation>%1 entrants → %2 pools (%3 to %4 each)</translation>
    </message>
    <message>
        <source>同じブロックに入った同じ所属の組:</source>
        <translation>Players of the same club in one pool:</translation>
    </message>
</context>
<context>
    <name>kaz::gui::HelpDialog</name>
    <message>
        <source>&lt;h3&gt;カズボーの使い方&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;How to use Kazbo&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;新しいトーナメント表&lt;/b&gt;：「ﾌｧｲﾙ」→「新規作成」(Ctrl+N) で人数 (4・8・16・32・64・128人用) を選びます。&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;A new bracket&lt;/b&gt;: File → New (Ctrl+N), then choose the member count (4, 8, 16, 32, 64 or 128).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;組み合わせ抽選&lt;/b&gt;：「ﾌｧｲﾙ」→「参加者リストから新規作成」(Ctrl+Shift+N) で、参加者の一覧
(1 行に 1 人: 名前、所属、シードをタブかカンマで区切る) を入力・貼り付け・読み込みすると、
シード・不戦勝・所属を考えて組み合わせを抽選し、その場で表を表示します。リストの誤りは行番号つきで表示されます。
同じ抽選番号なら同じ組み合わせになります。&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Drawing pairings&lt;/b&gt;: with File → New from Entrant List (Ctrl+Shift+N), type, paste or load a list of entrants
(one per line: name, club and seed, separated by a tab or a comma); the pairings are drawn
with seeds, byes and clubs in mind, and the bracket is shown at once. Errors in the list are shown with their line numbers.
The same draw number always gives the same pairings.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;メンバー名&lt;/b&gt;：左の欄に名前を入力します。Tab で次の欄へ、Shift+Tab で前の欄へ移ります。
複数行の名前の一覧を貼り付けると (Ctrl+V)、その欄から下の欄へ 1 行に 1 人ずつ入ります。&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Member names&lt;/b&gt;: type the names in the boxes on the left. Tab moves to the next box, Shift+Tab to the previous one.
Pasting a list of names on several lines (Ctrl+V) fills that box and the ones below it, one name per line.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;勝ち上がり&lt;/b&gt;：線を左クリックすると、その線のメンバーの勝ちになり、次の回戦へ進みます。
もう一度クリックすると勝ちが外れ、メンバーはその線に残ります。ダブルクリックすると、その試合の結果を取り消します。
試合の勝者を変えたり取り消したりすると、前の勝者がその後に出た試合の結果と点数 (と優勝者名) も消えます。
決まっている試合の結果が消えるときは、消える試合を示して確認します。
まだメンバーが来ていない2回戦以降の線は、クリックしても点数を付けようとしても何も変わりません。&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Advancing&lt;/b&gt;: left-click a line to give the win to the member on it, who moves on to the next round.
Click it again to take the win back; the member stays on that line. Double-click a line to cancel the result of its match.
When a match gets another winner or loses its result, the results and scores of the later matches the former winner played (and the champion&apos;s name) are cleared too.
Where decided results would be cleared, the editor names them and asks first.
A line from the second round on that no member has reached yet does not change when clicked or given a score.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;点数・優勝者名&lt;/b&gt;：線を右クリックすると、その試合の両者の点数を入力できます (それぞれ半角9文字まで)。
決勝の線を右クリックすると優勝者名を入力できます (決勝が決まると、空の優勝者名には勝者の名前が入ります)。今の内容が選択された状態で開くので、
入力すると置き換わります。Enter で決定、Esc で何も変えずに閉じます。&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Scores and the champion&apos;s name&lt;/b&gt;: right-click a line to enter both scores of its match (up to 9 single-byte characters each).
Right-click the final line to enter the champion&apos;s name (once the final is decided, an empty champion&apos;s name takes the winner&apos;s name). The current text opens selected,
so typing replaces it. Enter confirms; Esc closes without changing anything.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;キーボードで結果を入力&lt;/b&gt;：メンバー名の欄で Alt+→ を押すと、そのメンバーが今いる線を勝ちにします。
Alt+← で最後の勝ちを取り消し、F2 で最後に勝ったか負けた試合の点数 (優勝が決まっていれば優勝者名) を入力します。&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Entering results from the keyboard&lt;/b&gt;: in a member name box, Alt+→ gives the win on the line that member is on now.
Alt+← takes back the last win, and F2 enters the score of the last match won or lost (or the champion&apos;s name once the champion is decided).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;元に戻す・やり直し&lt;/b&gt;：メンバー名の欄で Ctrl+Z を押すと、トーナメント表の直前の操作を元に戻します。
Ctrl+Y (または Ctrl+Shift+Z) でやり直します。&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Undo and redo&lt;/b&gt;: Ctrl+Z in a member name box undoes the last change to the bracket.
Ctrl+Y (or Ctrl+Shift+Z) redoes it.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;保存&lt;/b&gt;：「上書き保存」(Ctrl+S) または「名前を付けて保存」で .kaz ファイルに保存します。
変更したまま閉じようとすると、保存するかどうかを確認します。&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Saving&lt;/b&gt;: Save (Ctrl+S) or Save As saves the bracket to a .kaz file.
Closing a bracket with unsaved changes asks whether to save them.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;HTML化&lt;/b&gt;：「ツール」→「HTML化」(Ctrl+T) で、表の罫線で描いたトーナメント表の HTML ファイルを書き出し、
ブラウザで開きます。「HTML設定」(Ctrl+H) で線や文字の色、太字を設定できます。&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;HTML&lt;/b&gt;: Tools → Export as HTML (Ctrl+T) writes the bracket as an HTML file drawn with table borders
and opens it in the browser. HTML Settings (Ctrl+H) sets the colors of the lines and the text, and which are bold.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>カズボー ﾍﾙﾌﾟ</source>
        <translation>Kazbo Help</translation>
    </message>
</context>
<context>
    <name>kaz::gui::HistoryStep</name>
    <message>
        <source>やり直しました: %1</source>
        <translation>Redone: %1</translation>
    </message>
    <message>
        <source>元に戻しました: %1</source>
        <translation>Undone: %1</translation>
    </message>
</context>
<context>
    <name>kaz::gui::HtmlSettingsDialog</name>
    <message>
        <source>勝利線色</source>
        <translation>Winning line color</translation>
    </message>
    <message>
        <source>敗北線色</source>
        <translation>Losing line color</translation>
    </message>
    <message>
        <source>背景色</source>
        <translation>Background color</translation>
    </message>
    <message>
        <source>メンバー名表示色</source>
        <translation>Member name color</translation>
    </message>
    <message>
        <source>点数表示色</source>
        <translation>Score color</translation>
    </message>
    <message>
        <source>HTML設定</source>
        <translation>HTML Settings</translation>
    </message>
    <message>
        <source>色</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>参照</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>ﾒﾝﾊﾞｰ名太字</source>
        <translation>Bold member names</translation>
    </message>
    <message>
        <source>点数太字</source>
        <translation>Bold scores</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>色として読めません: %1</source>
        <translation>Not a color: %1</translation>
    </message>
</context>
<context>
    <name>kaz::gui::KnockoutDialog</name>
    <message>
        <source>決勝トーナメントを作る</source>
        <translation>Make the Knockout</translation>
    </message>
    <message>
        <source>各ブロックの1位と2位で %1人用の決勝トーナメント表を作ります。1位はシードの位置に、2位は自分のブロックの1位と反対の山に入ります。</source>
        <translation>Makes a knockout of %1 from each pool&apos;s winner and runner-up. The winners take the seeds&apos; places; each runner-up goes into the other half from its own pool&apos;s winner.</translation>
    </message>
    <message>
        <source>各ブロックの1位で %1人用の決勝トーナメント表を作ります。1位はブロック順にシードの位置に入ります。</source>
        <translation>Makes a knockout of %1 from each pool&apos;s winner. The winners take the seeds&apos; places in pool order.</translation>
    </message>
    <message>
        <source>2位を抽選で入れる(&amp;R)</source>
        <translation>Draw the &amp;runners-up</translation>
    </message>
    <message>
        <source>2位をブロック順に入れる(&amp;I)</source>
        <translation>Runners-up &amp;in pool order</translation>
    </message>
    <message>
        <source>抽選番号(&amp;E):</source>
        <translation>Draw numb&amp;er:</translation>
    </message>
</context>
<context>
    <name>kaz::gui::LineResults</name>
    <message>
        <source>%1人目</source>
        <translation>Member %1</translation>
    </message>
    <message>
        <source>決勝の勝者: %1</source>
        <translation>Winner of the final: %1</translation>
    </message>
    <message>
        <source>（未定）</source>
        <translation>(undecided)</translation>
    </message>
    <message>
        <source>%1: %2 − %3</source>
        <translation>%1: %2 − %3</translation>
    </message>
    <message>
        <source>%1: 優勝</source>
        <translation>%1: champion</translation>
    </message>
    <message>
        <source>%1: %2へ</source>
        <translation>%1: on to %2</translation>
    </message>
    <message>
        <source>第%1試合</source>
        <translation>match %1</translation>
    </message>
    <message>
        <source>第%1試合の結果</source>
        <comment>one match</comment>
        <translation>the result of match %1</translation>
    </message>
    <message>
        <source>第%1試合の結果</source>
        <comment>several matches</comment>
        <translation>the results of matches %1</translation>
    </message>
    <message>
        <source>・</source>
        <comment>between match numbers</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1と優勝者名</source>
        <translation>%1 and the champion&apos;s name</translation>
    </message>
    <message>
        <source>%1の点数</source>
        <translation>the scores of %1</translation>
    </message>
    <message>
        <source>%1と%2の点数</source>
        <translation>%1 and the scores of %2</translation>
    </message>
    <message>
        <source>%1: 3位</source>
        <translation>%1: third place</translation>
    </message>
    <message>
        <source>%1の点数を消しました。</source>
        <translation>The scores of %1 were cleared.</translation>
    </message>
    <message>
        <source>%1（%2の点数を消しました）</source>
        <translation>%1 (the scores of %2 were cleared)</translation>
    </message>
    <message>
        <source>第%1試合 %2</source>
        <translation>Match %1, %2</translation>
    </message>
    <message>
        <source>第%1試合 3位決定戦</source>
        <translation>Match %1, third-place match</translation>
    </message>
    <message>
        <source>%1の勝者を %2 に変えると、%3が消えます。変えますか?</source>
        <translation>Making %2 the winner of %1 clears %3. Change it?</translation>
    </message>
    <message>
        <source>%1の結果を取り消すと、%2が消えます。取り消しますか?</source>
        <translation>Taking back the result of %1 clears %2. Take it back?</translation>
    </message>
</context>
<context>
    <name>kaz::gui::MatchScoreDialog</name>
    <message>
        <source>点数入力</source>
        <translation>Enter Score</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>（未定）</source>
        <translation>(undecided)</translation>
    </message>
    <message>
        <source>点数</source>
        <translation>Score</translation>
    </message>
</context>
<context>
    <name>kaz::gui::MemberClubEdit</name>
    <message>
        <source>所属</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>%1人目の所属</source>
        <translation>Club of member %1</translation>
    </message>
</context>
<context>
    <name>kaz::gui::MemberCountDialog</name>
    <message>
        <source>%1人用</source>
        <translation>%1 members</translation>
    </message>
    <message>
        <source>新規トーナメント表&#x3000;人数設定</source>
        <translation>New Bracket: Member Count</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>トーナメント人数選択</source>
        <translation>Bracket size</translation>
    </message>
    <message>
        <source>4人用、8人用、16人用、32人用、64人用、128人用のどれかを選んでください。</source>
        <translation>Choose 4, 8, 16, 32, 64 or 128 members.</translation>
    </message>
</context>
<context>
    <name>kaz::gui::MemberNameEdit</name>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>%1人目</source>
        <translation>Member %1</translation>
    </message>
    <message>
        <source>名前の欄が足りないため、%1 行を貼り付けませんでした。</source>
        <translation>Lines not pasted for want of name boxes: %1.</translation>
    </message>
    <message>
        <source>シード...</source>
        <translation>Seed...</translation>
    </message>
    <message>
        <source>不戦勝</source>
        <translation>Bye</translation>
    </message>
</context>
<context>
    <name>kaz::gui::PoolDocument</name>
    <message>
        <source>試合結果</source>
        <translation>Match Result</translation>
    </message>
    <message>
        <source>結果の取り消し</source>
        <translation>Take Back Result</translation>
    </message>
    <message>
        <source>棄権</source>
        <translation>Withdrawal</translation>
    </message>
    <message>
        <source>抽選</source>
        <translation>Lot</translation>
    </message>
    <message>
        <source>表の設定</source>
        <translation>Sheet Settings</translation>
    </message>
</context>
<context>
    <name>kaz::gui::PoolMatchDialog</name>
    <message>
        <source>試合結果</source>
        <translation>Match Result</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>引き分け</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>不戦勝 (棄権による)</source>
        <translation>Walkover (the other withdrew)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>結果の取り消し</source>
        <translation>Take Back Result</translation>
    </message>
</context>
<context>
    <name>kaz::gui::PoolSettingsDialog</name>
    <message>
        <source>直接対決</source>
        <translation>Head-to-head</translation>
    </message>
    <message>
        <source>得失点差</source>
        <translation>Score difference</translation>
    </message>
    <message>
        <source>総得点</source>
        <translation>Scores for</translation>
    </message>
    <message>
        <source>抽選</source>
        <translation>Lot</translation>
    </message>
    <message>
        <source>表の設定</source>
        <translation>Sheet Settings</translation>
    </message>
    <message>
        <source>勝ち</source>
        <translation>Win</translation>
    </message>
    <message>
        <source>引き分け</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>負け</source>
        <translation>Loss</translation>
    </message>
    <message>
        <source>引き分けあり</source>
        <translation>Draws allowed</translation>
    </message>
    <message>
        <source>1位</source>
        <translation>Winners</translation>
    </message>
    <message>
        <source>1位と2位</source>
        <translation>Winners and runners-up</translation>
    </message>
    <message>
        <source>上へ(&amp;U)</source>
        <translation>&amp;Up</translation>
    </message>
    <message>
        <source>下へ(&amp;D)</source>
        <translation>&amp;Down</translation>
    </message>
    <message>
        <source>表題</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>2行目</source>
        <translation>Second line</translation>
    </message>
    <message>
        <source>勝点</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>勝敗の印</source>
        <translation>Result marks</translation>
    </message>
    <message>
        <source>勝ち上がり</source>
        <translation>Go through</translation>
    </message>
    <message>
        <source>同点のときの順位</source>
        <translation>Ties broken by</translation>
    </message>
    <message>
        <source>言語</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ブロック名</source>
        <translation>Pool names</translation>
    </message>
</context>
<context>
    <name>kaz::gui::PoolView</name>
    <message>
        <source>第%1試合 %2ブロック</source>
        <translation>Match %1, Pool %2</translation>
    </message>
    <message>
        <source>棄権 (残りの試合は負け)</source>
        <translation>Withdrawn (matches left lost)</translation>
    </message>
    <message>
        <source>棄権 (試合を成績から除く)</source>
        <translation>Withdrawn (matches taken out)</translation>
    </message>
    <message>
        <source>棄権しない</source>
        <translation>Not withdrawn</translation>
    </message>
    <message>
        <source>抽選で順位を決める</source>
        <translation>Decide the Places by Lot</translation>
    </message>
</context>
<context>
    <name>kaz::gui::RefusalNotice</name>
    <message>
        <source>この文字は使えません。</source>
        <translation>This character cannot be used.</translation>
    </message>
    <message>
        <source>これ以上入力できません。</source>
        <translation>No more text can be entered.</translation>
    </message>
    <message>
        <source>%1は %2 文字までです。</source>
        <translation>%1 is limited to %2 characters.</translation>
    </message>
</context>
<context>
    <name>kaz::gui::SeedDialog</name>
    <message>
        <source>シード入力</source>
        <translation>Enter Seed</translation>
    </message>
    <message>
        <source>シード</source>
        <translation>Seed</translation>
    </message>
    <message>
        <source>1 から %1 までの番号 (空欄でシードなし)</source>
        <translation>A number from 1 to %1 (empty for no seed)</translation>
    </message>
</context>
<context>
    <name>kaz::gui::SheetSettingsDialog</name>
    <message>
        <source>表の設定</source>
        <translation>Sheet Settings</translation>
    </message>
    <message>
        <source>大会名</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>2行目</source>
        <translation>Second line</translation>
    </message>
    <message>
        <source>2行目 (日付、会場など)</source>
        <translation>Second line (date, venue, …)</translation>
    </message>
    <message>
        <source>回戦名 (空欄は既定の名前)</source>
        <translation>Round names (empty for the default)</translation>
    </message>
    <message>
        <source>回戦名</source>
        <translation>Round name</translation>
    </message>
    <message>
        <source>%1列目</source>
        <translation>Column %1</translation>
    </message>
    <message>
        <source>試合番号</source>
        <translation>Match numbers</translation>
    </message>
    <message>
        <source>所属の列</source>
        <translation>Club column</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>2名</source>
        <translation>Two (both semi-final losers)</translation>
    </message>
    <message>
        <source>3位決定戦を行う</source>
        <translation>Play a third-place match</translation>
    </message>
    <message>
        <source>左右に分ける</source>
        <translation>Split into left and right halves</translation>
    </message>
    <message>
        <source>3位</source>
        <translation>Third place</translation>
    </message>
    <message>
        <source>言語</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>印刷した表の隅に会場配信のQRコードを入れる</source>
        <translation>Print the QR code of the venue's server in the sheet's corner</translation>
    </message>
</context>
<context>
    <name>kaz::gui::TextField</name>
    <message>
        <source>最初の行だけを貼り付けました。</source>
        <translation>Only the first line was pasted.</translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>ｺﾋﾟｰ(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>Select &amp;All</translation>
    </message>
</context>
</TS>
