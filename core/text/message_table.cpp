#include <iterator>

#include "text/messages.h"

// Every text of the core and the tools, in MessageId's order: the Japanese as it stands, and the
// English where the reader's locale names another language.

namespace kaz {

namespace {

struct MessageTexts {
    const char* japanese;
    const char* english;
};

const MessageTexts kTexts[] = {
    // The file errors, in FileError's order.
    {"ｴﾗｰはありませんでした。", "No error occurred."},
    {"%1 へのｱｸｾｽ中に不明なｴﾗｰが発生しました。", "An unknown error occurred while accessing %1."},
    {"%1 が見つかりませんでした。", "%1 was not found."},
    {"%1 には無効なﾊﾟｽが含まれています。", "%1 contains an invalid path."},
    {"開いているﾌｧｲﾙが多すぎるため、%1 を開けませんでした。",
     "%1 could not be opened because too many files are open."},
    {"%1 へのｱｸｾｽは拒否されました。", "Access to %1 was denied."},
    {"%1 へ無効なﾌｧｲﾙ ﾊﾝﾄﾞﾙが関連付けられていました。",
     "An invalid file handle was associated with %1."},
    {"現在のﾃﾞｨﾚｸﾄﾘ %1 は削除できませんでした。", "The current directory %1 could not be removed."},
    {"%1 を作成できませんでした。そのﾃﾞｨﾚｸﾄﾘはいっぱいです。",
     "%1 could not be created. The directory is full."},
    {"%1 のｼｰｸに失敗しました。", "Seeking in %1 failed."},
    {"%1 へのｱｸｾｽ中にﾊｰﾄﾞｳｪｱ I/O ｴﾗｰが報告されました。",
     "A hardware I/O error was reported while accessing %1."},
    {"%1 へのｱｸｾｽ中に共有違反が発生しました。", "A sharing violation occurred while accessing %1."},
    {"%1 へのｱｸｾｽ中にﾛｯｸ違反が発生しました。", "A lock violation occurred while accessing %1."},
    {"%1 へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。", "The disk became full while accessing %1."},
    {"%1 の末尾以降にｱｸｾｽしようとしました。", "An attempt was made to access %1 past its end."},
    {"予期しないﾌｧｲﾙ形式です。", "Unexpected file format."},
    {"ﾄﾞｷｭﾒﾝﾄを開くことに失敗しました。", "Failed to open the document."},
    {"ﾄﾞｷｭﾒﾝﾄの保存に失敗しました。", "Failed to save the document."},
    {"印刷できませんでした。", "Could not print."},

    // The entrant list, pasted text and the draw.
    {"%1行目: %2", "Line %1: %2"},
    {"参加者リストが大きすぎます (1 MiB まで)。", "The entrant list is too large (1 MiB at most)."},
    {"参加者が%1人だけです。2人以上必要です。", "There is only %1 entrant. At least 2 are needed."},
    {"参加者がいません。2人以上必要です。", "There are no entrants. At least 2 are needed."},
    {"参加者が多すぎます。%1人までです。", "Too many entrants. %1 at most."},
    {"名前がありません。", "No name."},
    {"「%1」", "\"%1\""},
    {"%1は入力のまま残します。古いプログラムでは 〓 と表示されます。",
     "%1 is kept as typed; older programs show it as 〓."},
    {"%1は入力のまま残します。古いプログラムではどれも 〓 と表示されます。",
     "%1 are kept as typed; older programs show them as 〓."},
    {"使えない制御文字 (%1) があります。",
     "Contains a control character that cannot be used (%1)."},
    {"読めない文字 (U+FFFD) があります。", "Contains an unreadable character (U+FFFD)."},
    {"%1 として読めない文字があります。リストを UTF-8 で保存し直してください。",
     "Contains bytes that cannot be read as %1. Save the list as UTF-8."},
    {"この行は UTF-8 で、リストのほかの行は %1 です。リストを UTF-8 で保存し直してください。",
     "This line is UTF-8 while the other lines of the list are %1. Save the list as UTF-8."},
    {"文字コード: %1（自動）", "Encoding: %1 (detected)"},
    {"名前が長すぎます (%1 文字まで)。", "The name is too long (at most %1 characters)."},
    {"名前と所属が長すぎます (名前（所属）で %1 文字まで)。",
     "The name and club are too long (as name（club）, at most %1 characters)."},
    {"所属が長すぎます (%1 文字まで)。", "The club is too long (at most %1 characters)."},
    {"シード「%1」は 1 から %2 までの整数ではありません。",
     "Seed \"%1\" is not a whole number from 1 to %2."},
    {"シード %1 は %2 行目と同じです。", "Seed %1 is the same as on line %2."},
    {"引用符 (\") の対応が正しくありません。", "Unmatched quotation mark (\")."},
    {"見出しの行のようです。見出しの項目は「名前」「所属」「シード」のどれかにするか、行の先頭に「#"
     "」を付けてください。",
     "This looks like a heading line. Use only \"name\", \"club\" or \"seed\" as headings, or "
     "start the line with \"#\"."},
    {"項目が多すぎます。名前、所属、シードの3つまでです。",
     "Too many fields. At most three: name, club and seed."},
    {"%1人の組み合わせに %2人用は使えません。", "A bracket of %2 members cannot hold %1 entrants."},
    {"%1人に %2人用は大きすぎます。表は参加者数の 2 倍まで (%3人用まで) です。",
     "A bracket of %2 members is too large for %1 entrants: at most twice as many members as "
     "entrants (a bracket of %3)."},
    {"名前「%1」は %2 行目と同じです。", "The name \"%1\" is the same as on line %2."},

    // The match rounds' names and the draw's club meetings.
    {"決勝", "Final"},
    {"準決勝", "Semi-finals"},
    {"準々決勝", "Quarter-finals"},
    {"%1回戦", "Round %1"},
    {"%1: %2 と %3 (%4)", "%1: %2 and %3 (%4)"},
    {"%1 %2人: %3", "%1, %2 members: %3"},
    {"%1 %2組", "%1 ×%2"},

    // The bracket's refusals.
    {"シードは 1 から %1 までの番号です。", "A seed is a number from 1 to %1."},
    {"シード %1 はすでに %2人目にあります。", "Seed %1 is already held by member %2."},
    {"シード %1 はすでに %2 (%3人目) にあります。", "Seed %1 is already held by %2 (member %3)."},
    {"名前のある枠は不戦勝にできません。", "A slot with a name cannot be a bye."},
    {"所属のあるﾒﾝﾊﾞｰがいるため、所属の列は隠せません。",
     "The club column cannot be hidden while a member has a club."},
    {"この設定は表に合いません。", "These settings do not fit the bracket."},
    {"この線にはまだﾒﾝﾊﾞｰがいません。", "No member has reached this line yet."},
    {"3位決定戦の相手がまだ決まっていません。",
     "The opponent in the third-place match is not decided yet."},
    {"不戦勝の枠は勝ちにできません。", "A bye cannot win."},
    {"名前のない枠は勝ちにできません。", "A slot without a name cannot win."},
    {"%1が決まるまで、この試合の結果は入れられません。",
     "This match's result can be entered once %1 is known."},
    {"不戦勝による勝ちは取り消せません。", "A win by a bye cannot be taken back."},

    // What the command-line tools say of the files they are given.
    {"%1 は入力ファイルそのものです。上書きしません。",
     "%1 is the input file itself; it was not overwritten."},
    {"%1 はトーナメント表ファイルです。上書きしません。",
     "%1 is a bracket file; it was not overwritten."},
    {"%1 は参加者リストです。上書きしません。", "%1 is an entrant list; it was not overwritten."},
    {"%1 は予選リーグのファイルです。上書きしません。",
     "%1 is a pool file; it was not overwritten."},
    {"%1 は HTML ページです。上書きしません。", "%1 is an HTML page; it was not overwritten."},
    {"%1 は画像です。上書きしません。", "%1 is a picture; it was not overwritten."},
    {"%1 はフォルダです。ファイルを指定してください。", "%1 is a folder, not a file."},
    {"フォルダ %1 がありません。", "The folder %1 does not exist."},

    // How a message joins its values.
    {"、", ", "},
    {"%1", "\"%1\""},

    // The words a sheet writes of its own, in the sheet's language.
    {"トーナメント表", "Tournament bracket"},
    {"優勝", "Champion"},
    {"準優勝", "Runner-up"},
    {"3位決定戦", "Third-place match"},
    {"3位", "3rd"},
    {"抽選番号", "Draw no."},
    {"第%1試合", "Match %1"},
    {"最終更新", "Last updated"},
    {"結果", "Results"},
    {"最新の結果", "Latest results"},
    {"まだ結果はありません。", "No results yet."},
    {"（名前なし）", "(no name)"},
    {"対", "vs"},
    {"速報", "Headlines"},
    {"トーナメント表の図（結果は下の一覧にあります）",
     "Tournament bracket chart (the results are listed below)"},
    {"●●●ここからソースをコピーしてお使い下さい●●●", "●●● Copy the source from here ●●●"},
    {"●●●ここまで●●●", "●●● Up to here ●●●"},
    {"（", " ("},
    {"）", ")"},
    {"（", " ("},
    {" の勝ち）", " won)"},

    // What every command-line tool says of its arguments.
    {"入力ファイルが指定されていません。", "No input file was given."},
    {"出力ファイルが指定されていません。", "No output file was given."},
    {"引数が多すぎます。", "Too many arguments."},
    {"%1 というオプションはありません。", "There is no option %1."},
    {"%1 には値が必要です。", "%1 needs a value."},

    // kaz2html.
    {"使い方: kaz2html [--bold-member] [--bold-score] 入力.kaz [出力.html]\n"
     "        kaz2html --live [--watch] 入力.kaz [出力.html]\n"
     "        kaz2html --serve [--port 番号] 入力.kaz...\n",
     "usage: kaz2html [--bold-member] [--bold-score] INPUT.kaz [OUTPUT.html]\n"
     "       kaz2html --live [--watch] INPUT.kaz [OUTPUT.html]\n"
     "       kaz2html --serve [--port N] INPUT.kaz...\n"},
    {"\n"
     "トーナメント表ファイルの HTML ページを書き出します。エディタでファイルを開いた直後に\n"
     "「HTML化」したときと同じページです。出力を省略するか「-」を指定すると標準出力へ出します。\n"
     "\n"
     "  --bold-member  メンバー名を太字にします\n"
     "  --bold-score   点数を太字にします\n"
     "  --live         代わりにライブ結果ページを書き出します: UTF-8 の HTML5、SVG の図、\n"
     "                 回戦ごとの結果、入力を最後に変更した日時の「最終更新」。予選リーグの\n"
     "                 ファイル (.kazpool) からは、各ブロックの星取表と順位、最新の結果。\n"
     "                 予選リーグから作った決勝トーナメントからは、予選リーグと合わせた1ページ\n"
     "  --watch        --live と一緒に: 出力を書いたあと、入力が変わるたびに書き直します。\n"
     "                 ページはエディタのライブ公開と同じく、ブラウザで自分で新しくなります。\n"
     "                 SIGINT か SIGTERM (Ctrl+C) で終了ステータス 0 で終わります。読めない\n"
     "                 変更は伝えて、出力はそのまま残します\n"
     "  --serve        各入力のライブ結果ページと一覧ページを、会場のネットワークへ配信します\n"
     "                 (書き出しはしません)。入力が変わるたびにページを作り直し、スマートフォン\n"
     "                 のページは数秒で新しくなります。配信先のアドレスを表示し、シグナルで\n"
     "                 終了ステータス 0 で終わります\n"
     "  --port 番号    --serve と一緒に: 配信するポート (既定は 8080、0 で空いているポート)\n"
     "  --help         この説明を表示します\n"
     "  --version      バージョンを表示します\n"
     "\n"
     "終了ステータス: 0 書き出しました (監視中はシグナルで終了しました)、1 ファイルが読めない、\n"
     "変換できない、または書けません (既存の出力はそのまま残ります)、2 引数の誤り、または出力が\n"
     "入力そのものか別の種類の既存のファイル (トーナメント表、参加者リスト、画像など) です\n"
     "(何も書きません)。\n",
     "\n"
     "Writes the HTML page of a bracket file, the page the editor's \"Export as HTML\" writes\n"
     "right after opening it. Without OUTPUT, or with \"-\", the page goes to standard output.\n"
     "\n"
     "  --bold-member  member names in bold\n"
     "  --bold-score   scores in bold\n"
     "  --live         the live results page instead: UTF-8 HTML5, the bracket drawn as SVG,\n"
     "                 the results by round and the time INPUT was last changed; for a\n"
     "                 pool file (.kazpool), each pool's table and standings, latest first;\n"
     "                 for a knockout made from pools, one page of it and its pools\n"
     "  --watch        with --live: write OUTPUT, then again whenever INPUT changes, until\n"
     "                 SIGINT or SIGTERM (Ctrl+C) ends it with status 0; the page updates\n"
     "                 itself in the browser, as the editor's live pages do; a change that\n"
     "                 cannot be read is reported and OUTPUT kept as it was\n"
     "  --serve        serve the live page of each INPUT and an index of them to the venue's\n"
     "                 network instead of writing; each page is made again whenever its\n"
     "                 INPUT changes, and phones show it within seconds; the addresses are\n"
     "                 printed, and a signal ends it with status 0\n"
     "  --port N       with --serve: the port to serve on (8080 by default, 0 a free one)\n"
     "  --help         this text\n"
     "  --version      the version\n"
     "\n"
     "Exit status: 0 written (or watched and stopped), 1 the file could not be read,\n"
     "converted or written (an existing OUTPUT is then left as it was), 2 wrong arguments,\n"
     "or OUTPUT is INPUT itself or an existing file of another kind (a bracket, a list of\n"
     "entrants, a picture...): nothing is written.\n"},
    {"--watch は --live と一緒に指定してください。", "--watch works only with --live."},

    // kaz2image.
    {"使い方: kaz2image [--scale 倍率] 入力.kaz 出力.png|出力.pdf\n",
     "usage: kaz2image [--scale N] INPUT.kaz OUTPUT.png|OUTPUT.pdf\n"},
    {"\n"
     "トーナメント表ファイルを、エディタでファイルを開いた直後に「画像として保存」したときと\n"
     "同じように描きます。出力の拡張子で形式が決まります:\n"
     "  .png  画像。--scale を指定しなければ、画面の表の 2 倍の大きさです\n"
     "  .pdf  A4 (128 人用の表は A3) の 1 ページ。表はページに入る一番大きな大きさで、\n"
     "        文字は検索できます\n"
     "予選リーグのファイル (.kazpool) は、全ブロックの星取表、順位、試合順を PNG 画像か\n"
     "A4 のページの PDF に描きます。\n"
     "\n"
     "  --scale 倍率  PNG 画像の大きさを画面の表の何倍にするか。0 より大きく 8 以下です\n"
     "                (PDF はいつもページに合わせるので、PDF には指定できません)\n"
     "  --help        この説明を表示します\n"
     "  --version     バージョンを表示します\n"
     "\n"
     "終了ステータス: 0 書き出しました、1 ファイルが読めない、描けない、または書けません\n"
     "(既存の出力はそのまま残ります)、2 引数の誤り、または出力が入力そのものか別の種類の既存の\n"
     "ファイル (トーナメント表、参加者リスト、HTML ページなど) です (何も書きません)。\n",
     "\n"
     "Draws a bracket file as the editor's \"Save as Image\" does right after opening it;\n"
     "the suffix of OUTPUT chooses the format:\n"
     "  .png  a picture, twice the size of the bracket on screen unless --scale says\n"
     "  .pdf  one A4 page (A3 for 128 members), the bracket as large as it fits, its\n"
     "        text searchable\n"
     "A pool file (.kazpool) is drawn whole, every pool's table, standings and order of play,\n"
     "as a PNG picture or as A4 pages of PDF.\n"
     "\n"
     "  --scale N   the PNG picture's size as a multiple of the screen's, 0 < N <= 8\n"
     "              (a PDF page is always fitted, so --scale is refused with one)\n"
     "  --help      this text\n"
     "  --version   the version\n"
     "\n"
     "Exit status: 0 written, 1 the file could not be read, drawn or written\n"
     "(an existing OUTPUT is then left as it was), 2 wrong arguments, or OUTPUT is INPUT\n"
     "itself or an existing file of another kind (a bracket, a list of entrants, a page...):\n"
     "nothing is written.\n"},
    {"画像が大きすぎます。--scale をもっと小さくしてください。",
     "The picture is too large. Give a smaller --scale."},
    {"--scale は 0 より大きく 8 以下の数です: %1", "--scale is a number above 0 and at most 8: %1"},
    {"--scale は PNG 画像にだけ指定できます。", "--scale is for PNG pictures only."},
    {"出力ファイルの名前は .png か .pdf で終わります: %1",
     "The output file's name ends in .png or .pdf: %1"},

    // kazdraw.
    {"使い方: kazdraw [--size 4|8|16|32|64|128] [--seed N] [--in-order] [--ignore-clubs] "
     "[--club-in-name] [--title 表題] [--third-place] [--two-sided] [--language ja|en] "
     "[--encoding 文字コード] リスト 出力.kaz\n"
     "       kazdraw --pools N|--pool-size K [--through 1|2] [--seed N] [--ignore-clubs] "
     "[--title 表題] [--language ja|en] [--encoding 文字コード] リスト 出力.kazpool\n"
     "       kazdraw --from-pools [--seed N] [--in-order] [--title 表題] [--third-place] "
     "[--two-sided] [--language ja|en] 予選リーグ.kazpool 出力.kaz\n",
     "usage: kazdraw [--size 4|8|16|32|64|128] [--seed N] [--in-order] [--ignore-clubs] "
     "[--club-in-name] [--title TEXT] [--third-place] [--two-sided] [--language ja|en] "
     "[--encoding ENCODING] LIST OUT.kaz\n"
     "       kazdraw --pools N|--pool-size K [--through 1|2] [--seed N] [--ignore-clubs] "
     "[--title TEXT] [--language ja|en] [--encoding ENCODING] LIST OUT.kazpool\n"
     "       kazdraw --from-pools [--seed N] [--in-order] [--title TEXT] [--third-place] "
     "[--two-sided] [--language ja|en] POOLS.kazpool OUT.kaz\n"},
    {"\n"
     "参加者リスト (1 行に 1 人: 名前、所属、シードをタブかカンマで区切る)\n"
     "を読んで組み合わせを抽選し、トーナメント表ファイルに書きます。シードは組み合わせ表と同じ\n"
     "位置 (第1シードは一番上、第2シードは一番下、第3・第4、第5〜第8シードは抽選でブロックの端)\n"
     "に入り、不戦勝は上位シードの隣に、残りは抽選で入ります。同じ所属のメンバーはなるべく\n"
     "離れます。所属、シード、不戦勝、抽選番号は表の情報としてファイルに残ります。リストに「-」を\n"
     "指定すると標準入力から読みます。抽選番号と、決勝より前に当たる同じ所属の組を出力します。\n"
     "\n"
     "  --size N        人数が足りる一番小さい表の代わりに N 人 (4、8、16、32、64、128) の表に\n"
     "                  します。参加者数の 2 倍までです\n"
     "  --seed N        抽選番号 (1〜999999)。同じ番号、リスト、オプションからはいつでも同じ\n"
     "                  組み合わせになります (指定しなければ新しい番号を選びます)\n"
     "  --in-order      シードのない参加者を、抽選ではなくリストの順に入れます\n"
     "  --ignore-clubs  抽選で所属を離しません\n"
     "  --club-in-name  所属を所属の欄ではなく、名前に「名前（所属）」の形で書きます\n"
     "  --title 表題    表の表題 (Shift_JIS で 128 バイトまで)\n"
     "  --third-place   準決勝で負けた 2 人の 3 位決定戦を行います (「3位決定戦を行う」)\n"
     "  --two-sided     表を左右に分け、前半のメンバーを左端に、後半を右端に並べ、決勝を中央に\n"
     "                  置きます (「左右に分ける」)\n"
     "  --language 言語  表が自分で書く言葉 (回戦名、3位決定戦、抽選番号) の言語: ja か en。\n"
     "                  指定しなければこのツールの言語です (日本語のロケールかロケールなしで ja)\n"
     "  --encoding 文字コード  リストの文字コード: auto (既定: UTF-8、BOM 付きの UTF-16、\n"
     "                  Shift_JIS、Windows-1252 から中身で選び、UTF-8 以外を選んだときは\n"
     "                  そう表示します)、utf-8、shift_jis、windows-1252\n"
     "  --pools N       トーナメント表の代わりに N ブロック (1〜32) の予選リーグ (総当たり) を\n"
     "                  抽選し、予選リーグのファイルに書きます。ブロックの人数の差は 1 人まで、\n"
     "                  シードは 1 ブロックに 1 人ずつ蛇行順 (A、B、…、戻って…) に入ります\n"
     "  --pool-size K   --pools の代わりに、1 ブロック約 K 人 (3〜8) にします\n"
     "  --through N     各ブロックから決勝トーナメントへ進む人数: 1 (既定) か 2\n"
     "  --from-pools    リストの代わりに予選リーグのファイルを読み、その決勝トーナメントを\n"
     "                  書きます。各ブロックの1位がシードの位置に (不戦勝は1位から)、2位は\n"
     "                  自分のブロックの1位と反対の山に入ります (--in-order でブロック順)。\n"
     "                  順位が決まるまで枠には「Aブロック1位」と書かれます\n"
     "  --help          この説明を表示します\n"
     "  --version       バージョンを表示します\n"
     "\n"
     "終了ステータス: 0 書き出しました、1 リストが読めない、抽選できない、または出力が書けません\n"
     "(既存の出力はそのまま残ります)、2 引数の誤り、または出力がリストそのものか別の種類の既存の\n"
     "ファイル (参加者リスト、HTML ページ、画像など) です (何も書きません)。\n",
     "\n"
     "Draws a bracket from a list of entrants (one a line: name, club, seed, separated by a\n"
     "tab or a comma) and writes it as a .kaz file. Seeds take their\n"
     "places as on draw sheets (seed 1 on the top line, seed 2 on the bottom one, 3 and 4, then\n"
     "5 to 8, by lot at the quarters' ends), byes go beside the top seeds, the others are drawn\n"
     "by lot, members of one club kept apart. Clubs, seeds, byes and the draw number are kept\n"
     "in the file for the sheet. LIST \"-\" reads standard input. Prints the draw number\n"
     "and the pairs of one club who can meet before the final.\n"
     "\n"
     "  --size N        a bracket of N members (4, 8, 16, 32, 64, 128) instead of the\n"
     "                  smallest that holds everyone; at most twice the number of entrants\n"
     "  --seed N        the draw number, 1 to 999999: the same number, list and options\n"
     "                  give the same bracket (a new number is picked without it)\n"
     "  --in-order      unseeded entrants in list order instead of by lot\n"
     "  --ignore-clubs  the lot does not keep clubs apart\n"
     "  --club-in-name  names as \"name（club）\" instead of clubs in their own column\n"
     "  --title TEXT    the sheet's title (at most 128 single-byte or 64 double-byte\n"
     "                  characters)\n"
     "  --third-place   a third-place match between the semi-finals' losers\n"
     "  --two-sided     the sheet in two sides, the first half of the members down the left\n"
     "                  edge and the second half down the right, the final in the middle\n"
     "  --language L    the language of the words the sheet writes of its own (round\n"
     "                  names, Third-place match, Draw no.): ja or en; without it the\n"
     "                  tools' language (ja in a Japanese locale or none, en in another)\n"
     "  --encoding E    the list's encoding: auto (the default: UTF-8, UTF-16 with a BOM,\n"
     "                  Shift_JIS or Windows-1252 by the content, told when not UTF-8),\n"
     "                  utf-8, shift_jis or windows-1252\n"
     "  --pools N       instead of a bracket, N pools (1 to 32) in which everyone plays\n"
     "                  everyone, written as a pool file: pool sizes differ by one at most,\n"
     "                  seeds go one to a pool in snake order (A, B, …, then back)\n"
     "  --pool-size K   instead of --pools, pools of about K (3 to 8)\n"
     "  --through N     how many of each pool go through to the knockout: 1 (the default) or 2\n"
     "  --from-pools    read a pool file instead of a list and write its knockout: each pool's\n"
     "                  winner on a seed's place (the byes to the winners first), each\n"
     "                  runner-up in the other half from its own winner (--in-order: in pool\n"
     "                  order); a slot reads \"Pool A 1st\" until its pool is decided\n"
     "  --help          this text\n"
     "  --version       the version\n"
     "\n"
     "Exit status: 0 written, 1 the list could not be read or drawn or OUT could not be\n"
     "written (an existing OUT is then left as it was), 2 wrong arguments, or OUT is LIST\n"
     "itself or an existing file of another kind (a list of entrants, a page, a picture...):\n"
     "nothing is written.\n"},
    {"--size は 4、8、16、32、64、128 のどれかです。",
     "--size is one of 4, 8, 16, 32, 64 and 128."},
    {"--seed は 1 から 999999 までの整数です。", "--seed is a whole number from 1 to 999999."},
    {"--title に制御文字は使えません。", "--title cannot hold a control character."},
    {"--title は %1 文字までです。", "--title is limited to %1 characters."},
    {"--language は ja か en です。", "--language is ja or en."},
    {"--encoding は auto、utf-8、shift_jis、windows-1252 のどれかです。",
     "--encoding is one of auto, utf-8, shift_jis and windows-1252."},
    {"参加者リストが指定されていません。", "No list of entrants was given."},
    {"トーナメント表は標準出力には書けません。", "A bracket cannot be written to standard output."},
    {"抽選番号 %1\n", "Draw number %1\n"},
    {"決勝より前に当たる同じ所属の組:\n", "Players of the same club meeting before the final:\n"},

    // The pool stage's results.
    {"この予選リーグでは引き分けにできません。", "This pool stage allows no draws."},
    {"勝者を選んでください。", "Choose the winner."},
    {"点数は 0 から %1 までの数です。", "A score is a number from 0 to %1."},
    {"点数は両方に入れてください。", "Enter a score for both sides."},
    {"予選リーグ", "Pools"},
    {"%1ブロック", "Pool %1"},
    {"勝", "W"},
    {"敗", "L"},
    {"分", "D"},
    {"勝点", "Pts"},
    {"得失", "+/-"},
    {"順位", "Rank"},
    {"試合順", "Order of play"},
    {"同順位", "Tied"},
    {"棄権", "Withdrawn"},
    {"不戦勝", "Walkover"},
    {"決勝トーナメント", "Knockout"},
    {"%1ブロック1位", "Pool %1 1st"},
    {"%1ブロック2位", "Pool %1 2nd"},

    // kazdraw's pools.
    {"--pools は 1 から 32 までの整数です。", "--pools is a whole number from 1 to 32."},
    {"--pool-size は 3 から 8 までの整数です。", "--pool-size is a whole number from 3 to 8."},
    {"--through は 1 か 2 です。", "--through is 1 or 2."},
    {"--pools と --pool-size は一緒に使えません。",
     "--pools and --pool-size cannot be used together."},
    {"%1 はトーナメント表の抽選にだけ使えます。", "%1 is for drawing a bracket only."},
    {"%1人はこの予選リーグに分けられません (1 ブロック 3〜8 人、32 ブロックまで)。",
     "%1 entrants cannot be drawn into these pools (3 to 8 a pool, at most 32 pools)."},
    {"同じブロックに入った同じ所属の組:\n", "Players of the same club in one pool:\n"},
    {"%1: %2 と %3 (%4)", "%1: %2 and %3 (%4)"},
    {"%1 %2人: 同じブロックに %3組", "%1, %2 members: %3 pairs in one pool"},
    {"%1 は --from-pools と一緒に使えません。", "%1 cannot be used with --from-pools."},
    {"決勝トーナメントに進む人が 2 人に足りません。", "Fewer than two go through to the knockout."},

    // The venue server.
    {"ポート %1 はほかのプログラムが使っています。別のポート番号を選んでください。",
     "Port %1 is used by another program. Choose another port number."},
    {"ポート %1 はこのユーザーでは使えません。1024 以上のポート番号を選んでください。",
     "Port %1 cannot be used by this user. Choose a port number of 1024 or more."},
    {"ポート %1 で配信を始められませんでした。", "Serving on port %1 could not be started."},
    {"--port には 1 から 65535 までのポート番号を指定してください: %1",
     "--port takes a port number from 1 to 65535: %1"},
    {"%1 は --serve と一緒に使えません。", "%1 cannot be used with --serve."},
    {"--port は --serve と一緒に指定してください。", "--port works only with --serve."},
    {"配信中: %1", "Serving: %1"},
    {"スマートフォンのカメラでQRコードを読み取ると、試合の結果が見られます。",
     "Scan the QR code with your phone's camera to follow the results."},
    {"会場のWi-Fiにつないでから読み取るか、下のアドレスを開いてください。",
     "Join the venue's Wi-Fi first, or open the address below."},

    // kaz_edit, the editor started from a command line.
    {"使い方: kaz_edit [ファイル.kaz]...\n", "usage: kaz_edit [FILE.kaz]...\n"},
    {"\n"
     "指定したトーナメント表 (.kaz) や予選リーグ (.kazpool) をそれぞれ自分のウィンドウで\n"
     "開きます (指定しなければ空のメインウィンドウ)。同じユーザーと画面でエディタがすでに\n"
     "動いているときは、そのエディタがファイルを開き、この起動は終わります。「--」から後ろは\n"
     "「-」で始まってもファイルです。\n"
     "\n"
     "  --help     この説明を表示します\n"
     "  --version  バージョンを表示します\n"
     "\n"
     "Qt のオプション (-platform、-style など) も使えます。\n"
     "\n"
     "終了ステータス: 0 エディタが終わりました、2 引数の誤りです。\n",
     "\n"
     "Opens the tournament brackets (.kaz) and pool stages (.kazpool) named, each in a\n"
     "window of its own (none: an empty main window). When an editor runs already for this\n"
     "user and display, the files go to it, which opens them, and this start ends. \"--\"\n"
     "ends the options.\n"
     "\n"
     "  --help     this text\n"
     "  --version  the version\n"
     "\n"
     "Qt's own options (-platform, -style and the like) are taken as well.\n"
     "\n"
     "Exit status: 0 the editor ended, 2 wrong arguments.\n"},
};

static_assert(std::size(kTexts) == size_t(kMessageIdCount), "a text for every message");
static_assert(int(MessageId::PrintFailed) == int(FileError::PrintFailed),
              "the file errors' messages in FileError's order");

}  // namespace

const char* messageTemplate(MessageId id, Language language) {
    const MessageTexts& texts = kTexts[static_cast<int>(id)];
    return language == Language::English ? texts.english : texts.japanese;
}

}  // namespace kaz
