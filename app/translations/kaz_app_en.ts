<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>kaz::app::DocumentManager</name>
    <message>
        <source>kaz ﾌｧｲﾙ (*.kaz)</source>
        <translation>Bracket files (*.kaz)</translation>
    </message>
    <message>
        <source>すべてのﾌｧｲﾙ (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>新しいトーナメント表%1</source>
        <translation>New bracket %1</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>保存しました</source>
        <translation>Saved</translation>
    </message>
    <message>
        <source>予選リーグ ﾌｧｲﾙ (*.kazpool)</source>
        <translation>Pool files (*.kazpool)</translation>
    </message>
</context>
<context>
    <name>kaz::app::EditCommands</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>表をｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰしました。</source>
        <translation>Bracket copied to the clipboard.</translation>
    </message>
</context>
<context>
    <name>kaz::app::EditorActions</name>
    <message>
        <source>新規にﾌｧｲﾙを作成</source>
        <translation>Create a new file</translation>
    </message>
    <message>
        <source>新規ﾌｧｲﾙ</source>
        <translation>New File</translation>
    </message>
    <message>
        <source>参加者のﾘｽﾄから組み合わせを抽選して新規にﾌｧｲﾙを作成</source>
        <translation>Draw the pairings from a list of entrants and create a new file</translation>
    </message>
    <message>
        <source>組み合わせ抽選</source>
        <translation>Draw Pairings</translation>
    </message>
    <message>
        <source>既存のﾌｧｲﾙを開く</source>
        <translation>Open an existing file</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>作業中のﾌｧｲﾙを閉じる</source>
        <translation>Close the active file</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>作業中のﾌｧｲﾙを上書きして保存</source>
        <translation>Save the active file</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>作業中のﾌｧｲﾙを新しい名前で保存</source>
        <translation>Save the active file under a new name</translation>
    </message>
    <message>
        <source>名前をつけて保存</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>ｱｸﾃｨﾌﾞ ﾄﾞｷｭﾒﾝﾄを印刷します。</source>
        <translation>Print the active document.</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>印刷ﾌﾟﾚﾋﾞｭｰ(&amp;V)</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>印刷されるｲﾒｰｼﾞを表示します。</source>
        <translation>Show how the page will be printed.</translation>
    </message>
    <message>
        <source>印刷ﾌﾟﾚﾋﾞｭｰ</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>ﾌﾟﾘﾝﾀの設定(&amp;R)...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <source>用紙の大きさや向きなど、ﾌﾟﾘﾝﾀの設定を変更します。</source>
        <translation>Change the printer settings, such as paper size and orientation.</translation>
    </message>
    <message>
        <source>ﾌﾟﾘﾝﾀの設定</source>
        <translation>Print Setup</translation>
    </message>
    <message>
        <source>最近使ったﾌｧｲﾙ</source>
        <translation>Recent Files</translation>
    </message>
    <message>
        <source>指定のﾌｧｲﾙを開く</source>
        <translation>Open this file</translation>
    </message>
    <message>
        <source>ｱﾌﾟﾘｹｰｼｮﾝの終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示</source>
        <translation>Quit the application, prompting to save files</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>直前に行った動作を元に戻す</source>
        <translation>Undo the last action</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>元に戻した動作をやり直す</source>
        <translation>Redo the action undone</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>選択範囲を切り取ってｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存</source>
        <translation>Cut the selection and put it on the clipboard</translation>
    </message>
    <message>
        <source>切り取り</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>選択範囲をｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存</source>
        <translation>Copy the selection to the clipboard</translation>
    </message>
    <message>
        <source>ｺﾋﾟｰ</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容を貼り付け</source>
        <translation>Insert the contents of the clipboard</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>ﾄｰﾅﾒﾝﾄ表全体を画像、表、ﾃｷｽﾄとしてｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ</source>
        <translation>Copy the whole bracket to the clipboard as a picture, a table and text</translation>
    </message>
    <message>
        <source>表をｺﾋﾟｰ</source>
        <translation>Copy Bracket</translation>
    </message>
    <message>
        <source>HTML形式のファイルに変換</source>
        <translation>Convert to an HTML file</translation>
    </message>
    <message>
        <source>HTML化</source>
        <translation>Export as HTML</translation>
    </message>
    <message>
        <source>背景色、線の色など設定</source>
        <translation>Set the background colour, line colour and more</translation>
    </message>
    <message>
        <source>HTML設定</source>
        <translation>HTML Settings</translation>
    </message>
    <message>
        <source>画像として保存(&amp;I)...</source>
        <translation>Save as &amp;Image...</translation>
    </message>
    <message>
        <source>ﾄｰﾅﾒﾝﾄ表を画像 (PNG) または PDF のﾌｧｲﾙに保存</source>
        <translation>Save the bracket as a picture (PNG) or a PDF file</translation>
    </message>
    <message>
        <source>画像として保存</source>
        <translation>Save as Image</translation>
    </message>
    <message>
        <source>ﾂｰﾙ ﾊﾞｰ(&amp;T)</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>ﾂｰﾙ ﾊﾞｰの 表示/非表示</source>
        <translation>Show or hide the toolbar</translation>
    </message>
    <message>
        <source>ﾂｰﾙ ﾊﾞｰの表示切り替え</source>
        <translation>Toggle Toolbar</translation>
    </message>
    <message>
        <source>ｽﾃｰﾀｽ ﾊﾞｰ(&amp;S)</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>ｽﾃｰﾀｽ ﾊﾞｰの 表示/非表示</source>
        <translation>Show or hide the status bar</translation>
    </message>
    <message>
        <source>ｽﾃｰﾀｽ ﾊﾞｰの表示切り替え</source>
        <translation>Toggle Status Bar</translation>
    </message>
    <message>
        <source>新しいｳｨﾝﾄﾞｳを開く(&amp;N)</source>
        <translation>&amp;New Window</translation>
    </message>
    <message>
        <source>作業中のｳｨﾝﾄﾞｳを複写して表示</source>
        <translation>Open another window for the active document</translation>
    </message>
    <message>
        <source>新規ｳｨﾝﾄﾞｳ</source>
        <translation>New Window</translation>
    </message>
    <message>
        <source>重ねて表示(&amp;C)</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>ｳｨﾝﾄﾞｳを重ねて表示</source>
        <translation>Arrange the windows so they overlap</translation>
    </message>
    <message>
        <source>重ねて表示</source>
        <translation>Cascade</translation>
    </message>
    <message>
        <source>並べて表示(&amp;T)</source>
        <translation>&amp;Tile</translation>
    </message>
    <message>
        <source>ｳｨﾝﾄﾞｳを並べて表示</source>
        <translation>Arrange the windows side by side</translation>
    </message>
    <message>
        <source>並べて表示</source>
        <translation>Tile</translation>
    </message>
    <message>
        <source>ｱｲｺﾝの整列(&amp;A)</source>
        <translation>&amp;Arrange Icons</translation>
    </message>
    <message>
        <source>ｳｨﾝﾄﾞｳの下部にｱｲｺﾝを整列</source>
        <translation>Arrange the icons at the bottom of the window</translation>
    </message>
    <message>
        <source>ｱｲｺﾝの整列</source>
        <translation>Arrange Icons</translation>
    </message>
    <message>
        <source>Kaz_edit のﾊﾞｰｼﾞｮﾝ情報(&amp;A)...</source>
        <translation>&amp;About Kazbo...</translation>
    </message>
    <message>
        <source>ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示</source>
        <translation>Show the program information, version and copyright</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>About</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>現在のﾀｽｸまたはｺﾏﾝﾄﾞのﾍﾙﾌﾟを表示</source>
        <translation>Show help for the current task or command</translation>
    </message>
    <message>
        <source>次のﾍﾟｲﾝ</source>
        <translation>Next Pane</translation>
    </message>
    <message>
        <source>次のｳｨﾝﾄﾞｳに切り替える</source>
        <translation>Switch to the next window pane</translation>
    </message>
    <message>
        <source>前のﾍﾟｲﾝ</source>
        <translation>Previous Pane</translation>
    </message>
    <message>
        <source>前のｳｨﾝﾄﾞｳに切り替える</source>
        <translation>Switch to the previous window pane</translation>
    </message>
    <message>
        <source>表の設定(&amp;B)...</source>
        <translation>&amp;Bracket Sheet Settings...</translation>
    </message>
    <message>
        <source>大会名、2行目、回戦名、試合番号、所属の列を設定</source>
        <translation>Set the title, second line, round names, match numbers and club column</translation>
    </message>
    <message>
        <source>表の設定</source>
        <translation>Sheet Settings</translation>
    </message>
    <message>
        <source>所属(&amp;C)</source>
        <translation>&amp;Clubs</translation>
    </message>
    <message>
        <source>所属の列の 表示/非表示</source>
        <translation>Show or hide the club column</translation>
    </message>
    <message>
        <source>所属の列の表示切り替え</source>
        <translation>Toggle Club Column</translation>
    </message>
    <message>
        <source>ﾄｰﾅﾒﾝﾄ表を拡大して表示</source>
        <translation>Show the bracket larger</translation>
    </message>
    <message>
        <source>拡大</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>ﾄｰﾅﾒﾝﾄ表を縮小して表示</source>
        <translation>Show the bracket smaller</translation>
    </message>
    <message>
        <source>縮小</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>ﾄｰﾅﾒﾝﾄ表を実際の大きさで表示</source>
        <translation>Show the bracket at its actual size</translation>
    </message>
    <message>
        <source>実寸</source>
        <translation>Actual Size</translation>
    </message>
    <message>
        <source>ライブ公開(&amp;L)...</source>
        <translation>&amp;Live Publishing...</translation>
    </message>
    <message>
        <source>変更のたびにﾄｰﾅﾒﾝﾄ表のHTMLをﾌｫﾙﾀﾞに書き直す、またはやめる</source>
        <translation>Rewrite the bracket&apos;s HTML page in a folder at every change, or stop doing so</translation>
    </message>
    <message>
        <source>ライブ公開</source>
        <translation>Live Publishing</translation>
    </message>
    <message>
        <source>全体を表示(&amp;W)</source>
        <translation>&amp;Whole Sheet</translation>
    </message>
    <message>
        <source>ﾄｰﾅﾒﾝﾄ表の全体をｳｨﾝﾄﾞｳに収めて表示</source>
        <translation>Fit the whole bracket into the window</translation>
    </message>
    <message>
        <source>全体を表示</source>
        <translation>Whole Sheet</translation>
    </message>
    <message>
        <source>新規作成(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>参加者リストから新規作成(&amp;L)...</source>
        <translation>New from Entrant &amp;List...</translation>
    </message>
    <message>
        <source>開く(&amp;O)...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>印刷(&amp;P)...</source>
        <translation>&amp;Print...</translation>
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
        <source>表をｺﾋﾟｰ(&amp;B)</source>
        <translation>Copy &amp;Bracket</translation>
    </message>
    <message>
        <source>HTML化(&amp;H)</source>
        <translation>Export as &amp;HTML</translation>
    </message>
    <message>
        <source>HTML設定(&amp;S)</source>
        <translation>HTML &amp;Settings</translation>
    </message>
    <message>
        <source>拡大(&amp;I)</source>
        <translation>Zoom &amp;In</translation>
    </message>
    <message>
        <source>縮小(&amp;O)</source>
        <translation>Zoom &amp;Out</translation>
    </message>
    <message>
        <source>実寸(&amp;A)</source>
        <translation>&amp;Actual Size</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)...</source>
        <translation>&amp;Help...</translation>
    </message>
    <message>
        <source>決勝トーナメントを作る(&amp;K)...</source>
        <translation>Make the &amp;Knockout...</translation>
    </message>
    <message>
        <source>各ﾌﾞﾛｯｸの1位 (と2位) で決勝ﾄｰﾅﾒﾝﾄ表を作る</source>
        <translation>Make a knockout bracket of each pool&apos;s winner (and runner-up)</translation>
    </message>
    <message>
        <source>決勝トーナメントを作る</source>
        <translation>Make the Knockout</translation>
    </message>
    <message>
        <source>会場配信(&amp;V)...</source>
        <translation>Ser&amp;ve to the Venue...</translation>
    </message>
    <message>
        <source>このPCから会場のｽﾏｰﾄﾌｫﾝにﾗｲﾌﾞ公開のﾍﾟｰｼﾞを配信する</source>
        <translation>Serve the live pages from this PC to the phones at the venue</translation>
    </message>
    <message>
        <source>会場配信</source>
        <translation>Serve to the Venue</translation>
    </message>
</context>
<context>
    <name>kaz::app::ExportCommands</name>
    <message>
        <source>PNG ﾌｧｲﾙ (*.png)</source>
        <translation>PNG files (*.png)</translation>
    </message>
    <message>
        <source>PDF ﾌｧｲﾙ (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>画像として保存</source>
        <translation>Save as Image</translation>
    </message>
    <message>
        <source>HTMLファイル(*.html)</source>
        <translation>HTML files (*.html)</translation>
    </message>
    <message>
        <source>HTMファイル(*.htm)</source>
        <translation>HTM files (*.htm)</translation>
    </message>
    <message>
        <source>全て(*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>プリンタがありません。PDF ﾌｧｲﾙとして保存しますか?</source>
        <translation>There is no printer. Save as a PDF file instead?</translation>
    </message>
    <message>
        <source>決勝トーナメント %1 を先頭にして一緒に出しますか?</source>
        <translation>Put the knockout %1 first, with the pools?</translation>
    </message>
</context>
<context>
    <name>kaz::app::ExportPlaces</name>
    <message>
        <source>%1 に書き出しました。</source>
        <translation>Exported to %1.</translation>
    </message>
    <message>
        <source>%1 に書き出しました。表示するｱﾌﾟﾘｹｰｼｮﾝを起動できませんでした。</source>
        <translation>Exported to %1. No application could be started to show it.</translation>
    </message>
</context>
<context>
    <name>kaz::app::KnockoutLinks</name>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 の予選リーグ %2 が見つかりません。決勝トーナメントは保存したときのままです。</source>
        <translation>The pools of %1, %2, were not found. The knockout shows what it held when stored.</translation>
    </message>
    <message>
        <source>予選リーグの結果を %1 に反映すると、%2が消えます。反映しますか?</source>
        <translation>Bringing the pool results into %1 clears %2. Bring them in?</translation>
    </message>
    <message>
        <source>予選リーグの結果を %1 に反映しました。</source>
        <translation>The pool results are in %1.</translation>
    </message>
    <message>
        <source>予選リーグの結果を %1 に反映しました: %2</source>
        <translation>The pool results are in %1: %2</translation>
    </message>
    <message>
        <source>%1（%2を消しました）</source>
        <translation>%1 (%2 cleared)</translation>
    </message>
    <message>
        <source>%1 の%2</source>
        <translation>%2 of %1</translation>
    </message>
    <message>
        <source>予選リーグの結果を変えると、%1が消えます。変えますか?</source>
        <translation>Changing this pool result clears %1. Change it?</translation>
    </message>
    <message>
        <source>と</source>
        <translation> and </translation>
    </message>
</context>
<context>
    <name>kaz::app::LivePublishDialog</name>
    <message>
        <source>公開しない(&amp;N)</source>
        <translation>Do &amp;not publish</translation>
    </message>
    <message>
        <source>次のﾌｫﾙﾀﾞに公開する(&amp;P):</source>
        <translation>&amp;Publish to this folder:</translation>
    </message>
    <message>
        <source>ライブ公開</source>
        <translation>Live Publishing</translation>
    </message>
    <message>
        <source>変更のたびに %1 をこのﾌｫﾙﾀﾞに書き直します。ﾌﾞﾗｳｻﾞは 30 秒ごとに読み直します。</source>
        <translation>%1 is rewritten in this folder at every change. Browsers reload it every 30 seconds.</translation>
    </message>
    <message>
        <source>参照(&amp;B)...</source>
        <translation>&amp;Browse...</translation>
    </message>
    <message>
        <source>公開するﾌｫﾙﾀﾞ</source>
        <translation>Folder to Publish To</translation>
    </message>
    <message>
        <source>ﾍﾟｰｼﾞのﾌｧｲﾙ名(&amp;F):</source>
        <translation>Page &amp;file name:</translation>
    </message>
    <message>
        <source>公開するﾌｫﾙﾀﾞを指定してください。</source>
        <translation>Enter the folder to publish to.</translation>
    </message>
    <message>
        <source>ﾌｫﾙﾀﾞ %1 が見つかりません。</source>
        <translation>The folder %1 was not found.</translation>
    </message>
</context>
<context>
    <name>kaz::app::LivePublishing</name>
    <message>
        <source>%1 に公開しました (%2)</source>
        <translation>Published to %1 (%2)</translation>
    </message>
    <message>
        <source>%1 は前回ライブ公開していました (%2)。公開を再開しますか?</source>
        <translation>%1 was published live last time (%2). Resume publishing?</translation>
    </message>
    <message>
        <source>ライブ公開できませんでした: %1</source>
        <translation>Live publishing failed: %1</translation>
    </message>
    <message>
        <source>%1 のライブ公開を再開しました (%2)</source>
        <translation>Live publishing of %1 resumed (%2)</translation>
    </message>
    <message>
        <source>%1 を書き終えられませんでした。公開したﾍﾟｰｼﾞは最新でないかもしれません。</source>
        <translation>%1 could not be written in time. The published page may be out of date.</translation>
    </message>
    <message>
        <source>会場配信を始められませんでした: %1</source>
        <translation>Serving to the venue could not be started: %1</translation>
    </message>
    <message>
        <source>配信中: %1 (見ている端末 %2)</source>
        <translation>Serving: %1 (%2 devices reading)</translation>
    </message>
</context>
<context>
    <name>kaz::app::MainWindow</name>
    <message>
        <source>カズボー</source>
        <translation>Kazbo</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>ツール(&amp;T)</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>ｳｨﾝﾄﾞｳ(&amp;W)</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>ﾂｰﾙ ﾊﾞｰ</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>ｶﾅ</source>
        <translation>KANA</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟを表示するには [F1] を押してください。</source>
        <translation>For help, press [F1].</translation>
    </message>
    <message>
        <source>選択したﾄﾞｷｭﾒﾝﾄの変更を破棄しますか?</source>
        <translation>Discard the changes of the selected documents?</translation>
    </message>
</context>
<context>
    <name>kaz::app::PageName</name>
    <message>
        <source>ﾍﾟｰｼﾞのﾌｧｲﾙ名を入力してください。</source>
        <translation>Enter the page&apos;s file name.</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名には \ / : * ? &quot; &lt; &gt; | と制御文字を使えません。</source>
        <translation>A file name cannot contain \ / : * ? &quot; &lt; &gt; | or control characters.</translation>
    </message>
    <message>
        <source>%1 はﾌｧｲﾙ名に使えません。</source>
        <translation>%1 cannot be a file name.</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名が長すぎます。</source>
        <translation>The file name is too long.</translation>
    </message>
</context>
<context>
    <name>kaz::app::PoolStages</name>
    <message>
        <source>予選リーグ ﾌｧｲﾙ (*.kazpool)</source>
        <translation>Pool files (*.kazpool)</translation>
    </message>
    <message>
        <source>すべてのﾌｧｲﾙ (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>新しい予選リーグ%1</source>
        <translation>New Pools %1</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>保存しました</source>
        <translation>Saved</translation>
    </message>
</context>
<context>
    <name>kaz::app::RecoveryDialog</name>
    <message>
        <source>復元(&amp;R)</source>
        <translation>&amp;Restore</translation>
    </message>
    <message>
        <source>後で(&amp;L)</source>
        <translation>&amp;Later</translation>
    </message>
    <message>
        <source>破棄(&amp;D)</source>
        <translation>&amp;Discard</translation>
    </message>
    <message>
        <source>ﾄﾞｷｭﾒﾝﾄの復元</source>
        <translation>Document Recovery</translation>
    </message>
    <message>
        <source>前回終了しなかったときの変更が残っています。復元するﾄﾞｷｭﾒﾝﾄを選んでください。</source>
        <translation>Changes from a session that did not end properly are left. Choose the documents to restore.</translation>
    </message>
</context>
<context>
    <name>kaz::app::SaveQuestion</name>
    <message>
        <source>%1 への変更を保存しますか?</source>
        <translation>Save changes to %1?</translation>
    </message>
    <message>
        <source>%1 は他のプログラムによって変更されています。上書きしますか?</source>
        <translation>%1 has been changed by another program. Overwrite it?</translation>
    </message>
    <message>
        <source>%1 は他のプログラムによって変更されています。再度読み込みますか?</source>
        <translation>%1 has been changed by another program. Reload it?</translation>
    </message>
</context>
<context>
    <name>kaz::app::VenueDialog</name>
    <message>
        <source>この表を会場に配信する(&amp;D)</source>
        <translation>Serve this &amp;document to the venue</translation>
    </message>
    <message>
        <source>会場配信</source>
        <translation>Serve to the Venue</translation>
    </message>
    <message>
        <source>このPCから、同じネットワークのスマートフォンにライブ公開のページを配信します。スマートフォンでアドレスを開くか、QRコードを読み取ってください。</source>
        <translation>Serves the live pages from this PC to the phones on the same network. Open the address on a phone, or scan its QR code.</translation>
    </message>
    <message>
        <source>ポート(&amp;P):</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>配信をやめる(&amp;S)</source>
        <translation>&amp;Stop Serving</translation>
    </message>
    <message>
        <source>配信を始める(&amp;S)</source>
        <translation>&amp;Start Serving</translation>
    </message>
    <message>
        <source>見ている端末: %1</source>
        <translation>Devices reading: %1</translation>
    </message>
    <message>
        <source>%1 のQRコード</source>
        <translation>QR code of %1</translation>
    </message>
    <message>
        <source>QRコードを印刷(&amp;Q)...</source>
        <translation>Print the &amp;QR Code...</translation>
    </message>
</context>
<context>
    <name>kaz::app::ZoomCommands</name>
    <message>
        <source>拡大率 %1%</source>
        <translation>Zoom %1%</translation>
    </message>
</context>
</TS>
