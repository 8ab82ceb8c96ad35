<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>kaz</name>
    <message>
        <source>予期しないﾌｧｲﾙ形式です。</source>
        <translation>Unexpected file format.</translation>
    </message>
    <message>
        <source>ﾄﾞｷｭﾒﾝﾄを開くことに失敗しました。</source>
        <translation>Failed to open the document.</translation>
    </message>
    <message>
        <source>ﾄﾞｷｭﾒﾝﾄの保存に失敗しました。</source>
        <translation>Failed to save the document.</translation>
    </message>
    <message>
        <source>印刷できませんでした。</source>
        <translation>Could not print.</translation>
    </message>
    <message>
        <source>%1行目: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>参加者リストが大きすぎます (1 MiB まで)。</source>
        <translation>The entrant list is too large (1 MiB at most).</translation>
    </message>
    <message>
        <source>参加者が%1人だけです。2人以上必要です。</source>
        <translation>There is only %1 entrant. At least 2 are needed.</translation>
    </message>
    <message>
        <source>参加者がいません。2人以上必要です。</source>
        <translation>There are no entrants. At least 2 are needed.</translation>
    </message>
    <message>
        <source>参加者が多すぎます。%1人までです。</source>
        <translation>Too many entrants. %1 at most.</translation>
    </message>
    <message>
        <source>名前がありません。</source>
        <translation>No name.</translation>
    </message>
    <message>
        <source>使えない制御文字 (%1) があります。</source>
        <translation>Contains a control character that cannot be used (%1).</translation>
    </message>
    <message>
        <source>読めない文字 (U+FFFD) があります。</source>
        <translation>Contains an unreadable character (U+FFFD).</translation>
    </message>
    <message>
        <source>%1 として読めない文字があります。リストを UTF-8 で保存し直してください。</source>
        <translation>Contains bytes that cannot be read as %1. Save the list as UTF-8.</translation>
    </message>
    <message>
        <source>この行は UTF-8 で、リストのほかの行は %1 です。リストを UTF-8 で保存し直してください。</source>
        <translation>This line is UTF-8 while the other lines of the list are %1. Save the list as UTF-8.</translation>
    </message>
    <message>
        <source>文字コード: %1（自動）</source>
        <translation>Encoding: %1 (detected)</translation>
    </message>
    <message>
        <source>名前が長すぎます (%1 文字まで)。</source>
        <translation>The name is too long (at most %1 characters).</translation>
    </message>
    <message>
        <source>名前と所属が長すぎます (名前（所属）で %1 文字まで)。</source>
        <translation>The name and club are too long (as name（club）, at most %1 characters).</translation>
    </message>
    <message>
        <source>シード「%1」は 1 から %2 までの整数ではありません。</source>
        <translation>Seed &quot;%1&quot; is not a whole number from 1 to %2.</translation>
    </message>
    <message>
        <source>シード %1 は %2 行目と同じです。</source>
        <translation>Seed %1 is the same as on line %2.</translation>
    </message>
    <message>
        <source>引用符 (&quot;) の対応が正しくありません。</source>
        <translation>Unmatched quotation mark (&quot;).</translation>
    </message>
    <message>
        <source>見出しの行のようです。見出しの項目は「名前」「所属」「シード」のどれかにするか、行の先頭に「#」を付けてください。</source>
        <translation>This looks like a heading line. Use only &quot;name&quot;, &quot;club&quot; or &quot;seed&quot; as headings, or start the line with &quot;#&quot;.</translation>
    </message>
    <message>
        <source>項目が多すぎます。名前、所属、シードの3つまでです。</source>
        <translation>Too many fields. At most three: name, club and seed.</translation>
    </message>
    <message>
        <source>%1人の組み合わせに %2人用は使えません。</source>
        <translation>A bracket of %2 members cannot hold %1 entrants.</translation>
    </message>
    <message>
        <source>%1人に %2人用は大きすぎます。表は参加者数の 2 倍まで (%3人用まで) です。</source>
        <translation>A bracket of %2 members is too large for %1 entrants: at most twice as many members as entrants (a bracket of %3).</translation>
    </message>
    <message>
        <source>名前「%1」は %2 行目と同じです。</source>
        <translation>The name &quot;%1&quot; is the same as on line %2.</translation>
    </message>
    <message>
        <source>決勝</source>
        <translation>Final</translation>
    </message>
    <message>
        <source>準決勝</source>
        <translation>Semi-final</translation>
    </message>
    <message>
        <source>%1回戦</source>
        <translation>Round %1</translation>
    </message>
    <message>
        <source>%1: %2 と %3 (%4)</source>
        <translation>%1: %2 and %3 (%4)</translation>
    </message>
    <message>
        <source>%1 %2人: %3</source>
        <translation>%1, %2 members: %3</translation>
    </message>
    <message>
        <source>%1 %2組</source>
        <translation>%1 ×%2</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>ｴﾗｰはありませんでした。</source>
        <translation>No error occurred.</translation>
    </message>
    <message>
        <source>%1 へのｱｸｾｽ中に不明なｴﾗｰが発生しました。</source>
        <translation>An unknown error occurred while accessing %1.</translation>
    </message>
    <message>
        <source>%1 が見つかりませんでした。</source>
        <translation>%1 was not found.</translation>
    </message>
    <message>
        <source>%1 には無効なﾊﾟｽが含まれています。</source>
        <translation>%1 contains an invalid path.</translation>
    </message>
    <message>
        <source>開いているﾌｧｲﾙが多すぎるため、%1 を開けませんでした。</source>
        <translation>%1 could not be opened because too many files are open.</translation>
    </message>
    <message>
        <source>%1 へのｱｸｾｽは拒否されました。</source>
        <translation>Access to %1 was denied.</translation>
    </message>
    <message>
        <source>%1 へ無効なﾌｧｲﾙ ﾊﾝﾄﾞﾙが関連付けられていました。</source>
        <translation>An invalid file handle was associated with %1.</translation>
    </message>
    <message>
        <source>現在のﾃﾞｨﾚｸﾄﾘ %1 は削除できませんでした。</source>
        <translation>The current directory %1 could not be removed.</translation>
    </message>
    <message>
        <source>%1 を作成できませんでした。そのﾃﾞｨﾚｸﾄﾘはいっぱいです。</source>
        <translation>%1 could not be created. The directory is full.</translation>
    </message>
    <message>
        <source>%1 のｼｰｸに失敗しました。</source>
        <translation>Seeking in %1 failed.</translation>
    </message>
    <message>
        <source>%1 へのｱｸｾｽ中にﾊｰﾄﾞｳｪｱ I/O ｴﾗｰが報告されました。</source>
        <translation>A hardware I/O error was reported while accessing %1.</translation>
    </message>
    <message>
        <source>%1 へのｱｸｾｽ中に共有違反が発生しました。</source>
        <translation>A sharing violation occurred while accessing %1.</translation>
    </message>
    <message>
        <source>%1 へのｱｸｾｽ中にﾛｯｸ違反が発生しました。</source>
        <translation>A lock violation occurred while accessing %1.</translation>
    </message>
    <message>
        <source>%1 へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。</source>
        <translation>The disk became full while accessing %1.</translation>
    </message>
    <message>
        <source>%1 の末尾以降にｱｸｾｽしようとしました。</source>
        <translation>An attempt was made to access %1 past its end.</translation>
    </message>
    <message>
        <source>所属が長すぎます (%1 文字まで)。</source>
        <translation>The club is too long (at most %1 characters).</translation>
    </message>
    <message>
        <source>準々決勝</source>
        <translation>Quarter-finals</translation>
    </message>
    <message>
        <source>シードは 1 から %1 までの番号です。</source>
        <translation>A seed is a number from 1 to %1.</translation>
    </message>
    <message>
        <source>シード %1 はすでに %2人目にあります。</source>
        <translation>Seed %1 is already held by member %2.</translation>
    </message>
    <message>
        <source>シード %1 はすでに %2 (%3人目) にあります。</source>
        <translation>Seed %1 is already held by %2 (member %3).</translation>
    </message>
    <message>
        <source>名前のある枠は不戦勝にできません。</source>
        <translation>A slot with a name cannot be a bye.</translation>
    </message>
    <message>
        <source>所属のあるﾒﾝﾊﾞｰがいるため、所属の列は隠せません。</source>
        <translation>The club column cannot be hidden while a member has a club.</translation>
    </message>
    <message>
        <source>この設定は表に合いません。</source>
        <translation>These settings do not fit the bracket.</translation>
    </message>
    <message>
        <source>この線にはまだﾒﾝﾊﾞｰがいません。</source>
        <translation>No member has reached this line yet.</translation>
    </message>
    <message>
        <source>3位決定戦の相手がまだ決まっていません。</source>
        <translation>The opponent in the third-place match is not decided yet.</translation>
    </message>
    <message>
        <source>不戦勝の枠は勝ちにできません。</source>
        <translation>A bye cannot win.</translation>
    </message>
    <message>
        <source>名前のない枠は勝ちにできません。</source>
        <translation>A slot without a name cannot win.</translation>
    </message>
    <message>
        <source>不戦勝による勝ちは取り消せません。</source>
        <translation>A win by a bye cannot be taken back.</translation>
    </message>
    <message>
        <source>%1 は入力ファイルそのものです。上書きしません。</source>
        <translation>%1 is the input file itself; it was not overwritten.</translation>
    </message>
    <message>
        <source>%1 はトーナメント表ファイルです。上書きしません。</source>
        <translation>%1 is a bracket file; it was not overwritten.</translation>
    </message>
    <message>
        <source>%1 は参加者リストです。上書きしません。</source>
        <translation>%1 is an entrant list; it was not overwritten.</translation>
    </message>
    <message>
        <source>%1 は予選リーグのファイルです。上書きしません。</source>
        <translation>%1 is a pool file; it was not overwritten.</translation>
    </message>
    <message>
        <source>%1 は HTML ページです。上書きしません。</source>
        <translation>%1 is an HTML page; it was not overwritten.</translation>
    </message>
    <message>
        <source>%1 は画像です。上書きしません。</source>
        <translation>%1 is a picture; it was not overwritten.</translation>
    </message>
    <message>
        <source>%1 はフォルダです。ファイルを指定してください。</source>
        <translation>%1 is a folder, not a file.</translation>
    </message>
    <message>
        <source>フォルダ %1 がありません。</source>
        <translation>The folder %1 does not exist.</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1は入力のまま残します。古いプログラムでは 〓 と表示されます。</source>
        <translation>%1 is kept as typed; older programs show it as 〓.</translation>
    </message>
    <message>
        <source>%1は入力のまま残します。古いプログラムではどれも 〓 と表示されます。</source>
        <translation>%1 are kept as typed; older programs show them as 〓.</translation>
    </message>
</context>
</TS>
