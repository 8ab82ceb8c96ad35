#!/usr/bin/env python3
"""Writes the golden files of tests/data by hand, independently of the code under test.

Run from anywhere: python3 tests/data/make_golden.py
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)
    print(f"{name}: {len(data)} bytes")


def i32(v):
    return struct.pack("<i", v)


def kaz_string(b):
    n = len(b)
    if n < 0xFF:
        return bytes([n]) + b
    if n < 0xFFFE:
        return b"\xff" + struct.pack("<H", n) + b
    return b"\xff\xff\xff" + struct.pack("<I", n) + b


# The 4-member bracket 選手A..選手D with the score 3 on line 0, byte by byte.
four_members = bytes.fromhex(
    "04000000"
    "0591498ee841" "0591498ee842" "0591498ee843" "0591498ee844"
    "07000000"
    "00000000" "0133"
    + "0000000000" * 6 +
    "03000000"
    "0723444331343343"
    "0723383038303830"
    "0723464646464646"
    "0723303030303030"
    "0723464639303030"
    "00"
)
assert len(four_members) == 113
write("four_members.kaz", four_members)

# A 4-member bracket with a sheet block: 選手A, 選手B, 選手C and a bye in slot 3, every line
# open; then "KAZX", version 1, 8 records: title 春季大会, a record of tag 100 this version does
# not know (bytes 01 02), the first round named 予選, clubs A高 and B高 for members 0 and 1,
# seed 1 for member 0, match numbers on, slot 3 a bye, draw number 4242.
def record(tag, body):
    return i32(tag) + kaz_string(body)

data = i32(4) + b"".join(kaz_string(("選手" + n).encode("cp932")) for n in "ABC") + b"\x00"
data += i32(7) + (i32(0) + b"\x00") * 7 + i32(3)
data += b"".join(kaz_string(c) for c in
                 [b"#DC143C", b"#808080", b"#FFFFFF", b"#000000", b"#FF9000"]) + b"\x00"
classic_size = len(data)
data += b"KAZX" + i32(1) + i32(8)
data += record(1, "春季大会".encode("cp932"))
data += record(100, b"\x01\x02")
data += record(3, i32(1) + i32(0) + kaz_string("予選".encode("cp932")))
data += record(4, i32(2) + i32(0) + kaz_string("A高".encode("cp932"))
               + i32(1) + kaz_string("B高".encode("cp932")))
data += record(5, i32(1) + i32(0) + i32(1))
data += record(6, i32(1))
data += record(7, i32(1) + i32(3))
data += record(8, i32(4242))
assert classic_size == 107 and len(data) == 230, (classic_size, len(data))
write("four_members_sheet.kaz", data)

# The bracket of the example page below: 選手1..選手4, line 0 won with the score 2, line 1 open
# with the score 1.
data = i32(4) + b"".join(kaz_string(("選手" + n).encode("cp932")) for n in "1234") + i32(7)
data += i32(1) + kaz_string(b"2") + i32(0) + kaz_string(b"1")
data += b"".join(i32(0) + b"\x00" for _ in range(5))
data += i32(3) + b"".join(kaz_string(c) for c in
                          [b"#DC143C", b"#808080", b"#FFFFFF", b"#000000", b"#FF9000"]) + b"\x00"
assert len(data) == 114
write("four_members_example.kaz", data)

# A new 4-member bracket saved at once: no names, every line open, no score, no champion.
data = i32(4) + b"\x00" * 4 + i32(7) + (i32(0) + b"\x00") * 7 + i32(3)
data += b"".join(kaz_string(c) for c in
                 [b"#DC143C", b"#808080", b"#FFFFFF", b"#000000", b"#FF9000"]) + b"\x00"
assert len(data) == 92
write("four_members_empty.kaz", data)

# A full 32-member bracket with long names, every kind of result and a champion: the seed of
# the fuzzer and the input of the benchmark.
names = [("選手" + "あいうえおかきくけこ"[i % 10] + "－～" + str(i)).encode("cp932")
         for i in range(32)]
names[5] = b"A" * 255          # 3-byte prefix
names[6] = b""                 # empty
names[7] = "ﾊﾝｶｸ&<>\"".encode("cp932")
lines = []
for j in range(63):
    state = [1, 0, 2, 3, 4][j % 5]
    score = ("%d-%d" % (j % 7, j % 3)).encode("cp932") if j % 4 else b""
    lines.append((state, score))
colors = [b"#DC143C", b"#808080", b"#FFFFFF", b"#000000", b"#FF9000"]
data = i32(32) + b"".join(kaz_string(n) for n in names) + i32(63)
data += b"".join(i32(s) + kaz_string(t) for s, t in lines)
data += i32(6) + b"".join(kaz_string(c) for c in colors) + kaz_string("優勝者".encode("cp932"))
write("thirty_two_members.kaz", data)

# The 8-member bracket whose names are stored in the UTF-16 form (FF FE FF, then the length
# in UTF-16 code units, then UTF-16LE), one of them with a character CP932 cannot hold.
def utf16_string(text):
    units = text.encode("utf-16-le")
    return b"\xff\xfe\xff" + bytes([len(units) // 2]) + units

u16_names = ["山田", "鈴木～", "😀x", "", "A", "B", "C", "D"]
data = i32(8) + b"".join(utf16_string(n) for n in u16_names) + i32(15)
data += b"".join(i32(0) + b"\x00" for _ in range(15))
data += i32(4) + b"".join(kaz_string(c) for c in colors) + b"\x00"
write("eight_members_utf16.kaz", data)

# The page of the 4-member example (選手1..選手4, line 0 won with score 2, line 1 score 1),
# line by line, joined with CR LF and without a line end after the last line.
example = [
    '<!DOCTYPE html PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">',
    '<HTML lang="ja">',
    '<HEAD>',
    '<meta http-equiv="content-language" content="ja">',
    '<meta http-equiv="content-type" content="text/html; charset=shift_jis">',
    '<meta http-equiv="content-style-type" content="text/css">',
    '',
    '<TITLE>トーナメント表</TITLE>',
    '</HEAD>',
    '<BODY STYLE = "background-color:#FFFFFF">',
    '',
    '',
    '<!-- ●●●ここからソースをコピーしてお使い下さい●●● -->',
    '<TABLE SUMMARY="トーナメント表" BORDER="0" CELLSPACING="0" CELLPADDING="1" STYLE = "width:375 ;height:48 ;background-color:#FFFFFF " >',
    '<TR valign = "middle">',
    '<TD rowspan = "2" STYLE = "width:120; height:12 ;font-size:small ;color :#000000">選手1</TD >',
    '<TD rowspan = "1" STYLE = "width:85 ;border-bottom:2px solid #DC143C">　</TD>',
    '<TD rowspan = "2" STYLE = "width:85 ;border-bottom:2px solid #808080">　</TD>',
    '<TD rowspan = "4" STYLE = "width:85 ;border-bottom:2px solid #808080">　</TD>',
    '<TD rowspan = "8" STYLE = "width:120 ;color:#FF9000 ;font-size:small;font-weight:bold">　</TD>',
    '</TR>',
    '<TR valign = "middle">',
    '<TD rowspan = "1" align = "right" STYLE = "width:85;border-right:4px solid #DC143C;border-top:2px solid #DC143C;font-size:x-small;color:#FF9000">2</TD>',
    '</TR>',
    '<TR valign = "middle">',
    '<TD rowspan = "2" STYLE = "width:120; height:12 ;font-size:small ;color :#000000">選手2</TD >',
    '<TD rowspan = "1" align = "right" STYLE = "width:85;border-right:4px solid #808080;border-bottom:2px solid #808080;font-size:x-small;color:#FF9000">1</TD>',
    '<TD rowspan = "2" align = "right" STYLE = "width:85;border-right:4px solid #808080;border-top:2px solid #808080;">　</TD>',
    '</TR>',
    '<TR valign = "middle">',
    '<TD rowspan = "1" STYLE = "width:85;border-top:2px solid #808080">　</TD>',
    '</TR>',
    '<TR valign = "middle">',
    '<TD rowspan = "2" STYLE = "width:120; height:12 ;font-size:small ;color :#000000">選手3</TD >',
    '<TD rowspan = "1" STYLE = "width:85 ;border-bottom:2px solid #808080">　</TD>',
    '<TD rowspan = "2" align = "right" STYLE = "width:85;border-right:4px solid #808080;border-bottom:2px solid #808080;">　</TD>',
    '<TD rowspan = "4" STYLE = "width:85;border-top:2px solid #808080">　</TD>',
    '</TR>',
    '<TR valign = "middle">',
    '<TD rowspan = "1" align = "right" STYLE = "width:85;border-right:4px solid #808080;border-top:2px solid #808080;">　</TD>',
    '</TR>',
    '<TR valign = "middle">',
    '<TD rowspan = "2" STYLE = "width:120; height:12 ;font-size:small ;color :#000000">選手4</TD >',
    '<TD rowspan = "1" align = "right" STYLE = "width:85;border-right:4px solid #808080;border-bottom:2px solid #808080;">　</TD>',
    '<TD rowspan = "2" STYLE = "width:85;border-top:2px solid #808080">　</TD>',
    '</TR>',
    '<TR valign = "middle">',
    '<TD rowspan = "1" STYLE = "width:85;border-top:2px solid #808080">　</TD>',
    '</TR>',
    '</TABLE>',
    '',
    '<!-- ●●●ここまで●●● -->',
    '',
    '</BODY>',
    '</HTML>',
]
assert len(example) == 55
page = "\r\n".join(example).encode("cp932")
assert len(page) == 2768, len(page)
write("four_members_example.html", page)

# The same page for a new, untouched 4-member bracket: no names, every line open in the lose
# colour, no score in any join cell.
empty = []
for text in example:
    for n in "1234":
        text = text.replace("選手" + n + "</TD >", "</TD >")
    text = text.replace("#DC143C", "#808080")
    text = text.replace('font-size:x-small;color:#FF9000">2<', '">　<')
    text = text.replace('font-size:x-small;color:#FF9000">1<', '">　<')
    empty.append(text)
page = "\r\n".join(empty).encode("cp932")
assert len(page) == 2688, len(page)
write("four_members_empty.html", page)

# A 4-member bracket with a sheet: 選手A, 選手B, 選手C and a bye in slot 3; line 0 won with the
# score 2, line 1 with the score 1, line 4 reached; the title 春季大会 and the second line
# "4月5日 市民体育館", the first round named 予選, clubs A高 and C高 for members 0 and 2, seed 1
# for member 2, match numbers on, draw number 4242.
data = i32(4) + b"".join(kaz_string(("選手" + n).encode("cp932")) for n in "ABC") + b"\x00"
data += i32(7) + i32(1) + kaz_string(b"2") + i32(0) + kaz_string(b"1")
data += (i32(0) + b"\x00") * 2 + i32(2) + b"\x00" + (i32(0) + b"\x00") * 2 + i32(3)
data += b"".join(kaz_string(c) for c in colors) + b"\x00"
data += b"KAZX" + i32(1) + i32(8)
data += record(1, "春季大会".encode("cp932"))
data += record(2, "4月5日 市民体育館".encode("cp932"))
data += record(3, i32(1) + i32(0) + kaz_string("予選".encode("cp932")))
data += record(4, i32(2) + i32(0) + kaz_string("A高".encode("cp932"))
               + i32(2) + kaz_string("C高".encode("cp932")))
data += record(5, i32(1) + i32(2) + i32(1))
data += record(6, i32(1))
data += record(7, i32(1) + i32(3))
data += record(8, i32(4242))
write("four_members_sheet_page.kaz", data)

# Its page: the example's head and foot around a table 100 wider for the club column, with the
# title and second line as its caption, a row of round names (予選, the default 決勝, and 優勝
# over the final line and the champion), the clubs in their column, the seed mark [1] before
# 選手C, the match numbers beside the lines they feed (1 above line 4, 2 above the final line;
# the pair with the bye is no match), no stroke or join for the bye's line 3 and none for its
# opponent 選手C's line 2, which runs straight on into line 5 (line 5's stroke at 選手C's height:
# its cells span one row above the stroke and three below), the champion's cell not wrapped,
# the draw number in the last row, and the title as the page's TITLE.
sheet_page = example[:7] + ['<TITLE>春季大会</TITLE>'] + example[8:13] + [
    '<TABLE SUMMARY="トーナメント表" BORDER="0" CELLSPACING="0" CELLPADDING="1" STYLE = "width:475 ;height:48 ;background-color:#FFFFFF " >',
    '<CAPTION><SPAN STYLE = "font-size:large;font-weight:bold">春季大会</SPAN><BR>',
    '<SPAN STYLE = "font-size:small">4月5日 市民体育館</SPAN></CAPTION>',
    '<TR valign = "bottom">',
    '<TD colspan = "2" align = "left" STYLE = "font-size:x-small ;color :#000000">\u3000</TD>',
    '<TD colspan = "1" align = "center" STYLE = "font-size:x-small ;color :#000000">予選</TD>',
    '<TD colspan = "1" align = "center" STYLE = "font-size:x-small ;color :#000000">決勝</TD>',
    '<TD colspan = "2" align = "center" STYLE = "font-size:x-small ;color :#000000">優勝</TD>',
    '</TR>',
    '<TR valign = "middle">',
    '<TD rowspan = "2" STYLE = "width:120; height:12 ;font-size:small ;color :#000000">選手A</TD >',
    '<TD rowspan = "2" STYLE = "width:100 ;font-size:x-small ;color :#000000">A高</TD >',
    '<TD rowspan = "1" STYLE = "width:85 ;border-bottom:2px solid #DC143C">\u3000</TD>',
    '<TD rowspan = "2" valign = "bottom" STYLE = "width:85 ;border-bottom:2px solid #DC143C"><SPAN STYLE = "font-size:x-small;color:#000000">1</SPAN></TD>',
    '<TD rowspan = "4" valign = "bottom" STYLE = "width:85 ;border-bottom:2px solid #808080"><SPAN STYLE = "font-size:x-small;color:#000000">2</SPAN></TD>',
    '<TD rowspan = "8" nowrap STYLE = "width:120 ;color:#FF9000 ;font-size:small;font-weight:bold">\u3000</TD>',
    '</TR>',
    '<TR valign = "middle">',
    '<TD rowspan = "1" align = "right" STYLE = "width:85;border-right:4px solid #DC143C;border-top:2px solid #DC143C;font-size:x-small;color:#FF9000">2</TD>',
    '</TR>',
    '<TR valign = "middle">',
    '<TD rowspan = "2" STYLE = "width:120; height:12 ;font-size:small ;color :#000000">選手B</TD >',
    '<TD rowspan = "2" STYLE = "width:100 ;font-size:x-small ;color :#000000"></TD >',
    '<TD rowspan = "1" align = "right" STYLE = "width:85;border-right:4px solid #808080;border-bottom:2px solid #808080;font-size:x-small;color:#FF9000">1</TD>',
    '<TD rowspan = "2" align = "right" STYLE = "width:85;border-right:4px solid #808080;border-top:2px solid #DC143C;">\u3000</TD>',
    '</TR>',
    '<TR valign = "middle">',
    '<TD rowspan = "1" STYLE = "width:85;border-top:2px solid #808080">\u3000</TD>',
    '</TR>',
    '<TR valign = "middle">',
    '<TD rowspan = "2" STYLE = "width:120; height:12 ;font-size:small ;color :#000000"><SPAN STYLE = "font-size:x-small">[1]</SPAN> 選手C</TD >',
    '<TD rowspan = "2" STYLE = "width:100 ;font-size:x-small ;color :#000000">C高</TD >',
    '<TD rowspan = "1" STYLE = "width:85 ;border-bottom:2px solid #808080">\u3000</TD>',
    '<TD rowspan = "1" align = "right" STYLE = "width:85;border-right:4px solid #808080;border-bottom:2px solid #808080;">\u3000</TD>',
    '<TD rowspan = "4" STYLE = "width:85;border-top:2px solid #808080">\u3000</TD>',
    '</TR>',
    '<TR valign = "middle">',
    '<TD rowspan = "1" STYLE = "width:85;border-top:2px solid #808080">\u3000</TD>',
    '<TD rowspan = "3" STYLE = "width:85;border-top:2px solid #808080">\u3000</TD>',
    '</TR>',
    '<TR valign = "middle">',
    '<TD rowspan = "2" STYLE = "width:120; height:12 ;font-size:small ;color :#000000"></TD >',
    '<TD rowspan = "2" STYLE = "width:100 ;font-size:x-small ;color :#000000"></TD >',
    '<TD rowspan = "1" STYLE = "width:85">\u3000</TD>',
    '</TR>',
    '<TR valign = "middle">',
    '<TD rowspan = "1" STYLE = "width:85">\u3000</TD>',
    '</TR>',
    '<TR>',
    '<TD colspan = "6" align = "right" STYLE = "font-size:x-small ;color :#000000">抽選番号 4242</TD>',
    '</TR>',
] + example[49:]
assert len(sheet_page) == 70, len(sheet_page)
page = "\r\n".join(sheet_page).encode("cp932")
assert len(page) == 3771, len(page)
write("four_members_sheet_page.html", page)

# A 4-member bracket with a third-place match: 選手1..選手4; line 0 won, line 3 won, so that
# 選手1 and 選手4 stand in the final (lines 4 and 5 advanced) and 選手2 and 選手3 play for third
# place; 選手3 won it 2 to 1. The sheet: the third-place match (record 10, mode 2) and its
# results by side (record 11: side 0 open with the score 1, side 1 won with the score 2).
data = i32(4) + b"".join(kaz_string(("選手" + n).encode("cp932")) for n in "1234") + i32(7)
data += i32(1) + b"\x00" + i32(0) + b"\x00" + i32(0) + b"\x00" + i32(1) + b"\x00"
data += i32(3) + b"\x00" + i32(3) + b"\x00" + i32(0) + b"\x00" + i32(3)
data += b"".join(kaz_string(c) for c in colors) + b"\x00"
data += b"KAZX" + i32(1) + i32(2)
data += record(10, i32(2))
data += record(11, i32(0) + kaz_string(b"1") + i32(1) + kaz_string(b"2"))
assert len(data) == 150, len(data)
write("four_members_third_place.kaz", data)

# An 8-member two-sided bracket (record 12): 選手1..選手8, clubs A高 for 選手2 (left half) and
# B高 for 選手7 (right half), seed 1 for 選手1 and 2 for 選手8, match numbers on; line 0 won
# with the score 3, line 7 won (選手8), line 8 advanced, line 11 advanced.
data = i32(8) + b"".join(kaz_string(("選手" + n).encode("cp932")) for n in "12345678")
data += i32(15) + i32(1) + kaz_string(b"3") + (i32(0) + b"\x00") * 6 + i32(1) + b"\x00"
data += i32(3) + b"\x00" + (i32(0) + b"\x00") * 2 + i32(3) + b"\x00" + (i32(0) + b"\x00") * 3
data += i32(4) + b"".join(kaz_string(c) for c in colors) + b"\x00"
data += b"KAZX" + i32(1) + i32(4)
data += record(4, i32(2) + i32(1) + kaz_string("A高".encode("cp932"))
               + i32(6) + kaz_string("B高".encode("cp932")))
data += record(5, i32(2) + i32(0) + i32(1) + i32(7) + i32(2))
data += record(6, i32(1))
data += record(12, i32(1))
write("eight_members_two_sided.kaz", data)

# A 64-member bracket: 選手1..選手64, line 0 won with the score 3 (so 選手1 advanced to line 64),
# line 63 won (選手64 advanced to line 95); the sheet: the title 大会 and seed 1 for 選手1.
data = i32(64) + b"".join(kaz_string(("選手" + str(n)).encode("cp932")) for n in range(1, 65))
data += i32(127) + i32(1) + kaz_string(b"3") + (i32(0) + b"\x00") * 62 + i32(1) + b"\x00"
data += i32(3) + b"\x00" + (i32(0) + b"\x00") * 30 + i32(3) + b"\x00" + (i32(0) + b"\x00") * 31
data += i32(7) + b"".join(kaz_string(c) for c in colors) + b"\x00"
data += b"KAZX" + i32(1) + i32(2)
data += record(1, "大会".encode("cp932"))
data += record(5, i32(1) + i32(0) + i32(1))
write("sixty_four_members.kaz", data)

# An 8-member two-sided bracket played to its end, with a bye and a third-place match:
# 山田 太郎 (seed 1, A高) beside the bye in slot 1, 佐藤 花子 (B高), 鈴木 一郎 (A高) on the left;
# 高橋 健太郎左衛門 (C高), 田中 美咲 (B高), 伊藤 翔, 渡辺 さくら (seed 2, D高) on the right. 山田
# goes on without a match (line 0 won); 鈴木 beats 佐藤 3-1, 高橋 田中 2-0, 渡辺 伊藤 3-2; 鈴木
# beats 山田 2-1 and 高橋 渡辺 3-1 in the semi-finals; 高橋 wins the final 3-2 and is the
# champion; 渡辺 takes third place from 山田 2-0. The title "春季大会 <一般の部>", the second
# line, match numbers on.
def sjis(text):
    return text.encode("cp932")

played_names = ["山田 太郎", "", "佐藤 花子", "鈴木 一郎", "高橋 健太郎左衛門", "田中 美咲", "伊藤 翔",
                "渡辺 さくら"]
played_lines = [(1, ""), (0, ""), (0, "1"), (1, "3"), (1, "2"), (0, "0"), (0, "2"), (1, "3"),
                (3, "1"), (1, "2"), (1, "3"), (3, "1"), (3, "2"), (1, "3"), (2, "")]
data = i32(8) + b"".join(kaz_string(sjis(n)) for n in played_names) + i32(15)
data += b"".join(i32(s) + kaz_string(sjis(t)) for s, t in played_lines) + i32(4)
data += b"".join(kaz_string(c) for c in colors) + kaz_string(sjis("高橋 健太郎左衛門"))
data += b"KAZX" + i32(1) + i32(9)
data += record(1, sjis("春季大会 <一般の部>"))
data += record(2, sjis("4月5日 市民体育館"))
data += record(4, i32(6) + b"".join(i32(m) + kaz_string(sjis(c)) for m, c in
                                    [(0, "A高"), (2, "B高"), (3, "A高"), (4, "C高"), (5, "B高"),
                                     (7, "D高")]))
data += record(5, i32(2) + i32(0) + i32(1) + i32(7) + i32(2))
data += record(6, i32(1))
data += record(7, i32(1) + i32(1))
data += record(10, i32(2))
data += record(11, i32(0) + kaz_string(b"0") + i32(1) + kaz_string(b"2"))
data += record(12, i32(1))
write("eight_members_two_sided_played.kaz", data)

# Its page. Down the left: 山田's line runs straight on into the semi-final's line 8 (line 0
# draws no join, the bye's line 1 nothing, line 8's cells span one row above its stroke and
# three below); down the right, mirrored, the join at each line's left. The finalists' strokes
# meet in the middle: the winner 高橋's part in the win colour, the loser 鈴木's line, the final
# decided, all in the lose colour; the final's line up the centre in the win colour, its number 6
# beside it; each finalist's score just below its stroke, at the centre's side; the champion's name unwrapped.
# The final's name once over the middle; the third-place match below the final, as a
# first-round match of its own.
W, L = "#DC143C", "#808080"
name_l = '<TD rowspan = "2" STYLE = "width:120; height:12 ;font-size:small ;color :#000000">'
club_l = '<TD rowspan = "2" STYLE = "width:100 ;font-size:x-small ;color :#000000">'
name_r = '<TD rowspan = "2" align = "right" STYLE = "width:120; height:12 ;font-size:small ;color :#000000">'
club_r = '<TD rowspan = "2" align = "right" STYLE = "width:100 ;font-size:x-small ;color :#000000">'
number = '<SPAN STYLE = "font-size:x-small;color:#000000">'
seed = '<SPAN STYLE = "font-size:x-small">'
score = 'font-size:x-small;color:#FF9000">'
head = '<TD colspan = "%d" align = "%s" STYLE = "font-size:x-small ;color :#000000">%s</TD>'
side_cell = '<TD rowspan = "2" colspan = "5" align = "right" nowrap STYLE = "height:12 ;font-size:small ;color :#000000">'
played_page = example[:7] + ['<TITLE>春季大会 &lt;一般の部&gt;</TITLE>'] + example[8:13] + [
    '<TABLE SUMMARY="トーナメント表" BORDER="0" CELLSPACING="0" CELLPADDING="1" STYLE = "width:1070 ;height:72 ;background-color:#FFFFFF " >',
    '<CAPTION><SPAN STYLE = "font-size:large;font-weight:bold">春季大会 &lt;一般の部&gt;</SPAN><BR>',
    '<SPAN STYLE = "font-size:small">4月5日 市民体育館</SPAN></CAPTION>',
    '<TR valign = "bottom">',
    head % (2, "left", "\u3000"),
    head % (1, "center", "準々決勝"),
    head % (1, "center", "準決勝"),
    head % (4, "center", "決勝"),
    head % (1, "center", "準決勝"),
    head % (1, "center", "準々決勝"),
    head % (2, "left", "\u3000"),
    '</TR>',
    # row 0: 山田 and 高橋
    '<TR valign = "middle">',
    name_l + seed + '[1]</SPAN> 山田 太郎</TD >',
    club_l + 'A高</TD >',
    '<TD rowspan = "1" STYLE = "width:85 ;border-bottom:2px solid ' + W + '">\u3000</TD>',
    '<TD rowspan = "1" STYLE = "width:85 ;border-bottom:2px solid ' + W + '">\u3000</TD>',
    '<TD rowspan = "4" valign = "bottom" STYLE = "width:85 ;border-bottom:2px solid ' + L + '">' + number + '4</SPAN></TD>',
    '<TD rowspan = "3" colspan = "2" align = "center" valign = "bottom" nowrap STYLE = "width:120 ;color:#FF9000 ;font-size:small;font-weight:bold">\u3000高橋 健太郎左衛門</TD>',
    '<TD rowspan = "4" align = "right" valign = "bottom" STYLE = "width:85 ;border-bottom:2px solid ' + W + '">' + number + '5</SPAN></TD>',
    '<TD rowspan = "2" align = "right" valign = "bottom" STYLE = "width:85 ;border-bottom:2px solid ' + W + '">' + number + '2</SPAN></TD>',
    '<TD rowspan = "1" STYLE = "width:85 ;border-bottom:2px solid ' + W + '">\u3000</TD>',
    club_r + 'C高</TD >',
    name_r + '高橋 健太郎左衛門</TD >',
    '</TR>',
    # row 1: 山田's stroke, with line 8 going on from it; 高橋's win over 田中
    '<TR valign = "middle">',
    '<TD rowspan = "1" STYLE = "width:85;border-top:2px solid ' + W + '">\u3000</TD>',
    '<TD rowspan = "3" align = "right" STYLE = "width:85;border-right:4px solid ' + L + ';border-top:2px solid ' + W + ';' + score + '1</TD>',
    '<TD rowspan = "1" align = "left" STYLE = "width:85;border-left:4px solid ' + W + ';border-top:2px solid ' + W + ';' + score + '2</TD>',
    '</TR>',
    # row 2: the bye and 田中
    '<TR valign = "middle">',
    name_l + '</TD >',
    club_l + '</TD >',
    '<TD rowspan = "1" STYLE = "width:85">\u3000</TD>',
    '<TD rowspan = "2" align = "left" STYLE = "width:85;border-left:4px solid ' + W + ';border-top:2px solid ' + W + ';' + score + '3</TD>',
    '<TD rowspan = "1" align = "left" STYLE = "width:85;border-left:4px solid ' + L + ';border-bottom:2px solid ' + L + ';' + score + '0</TD>',
    club_r + 'B高</TD >',
    name_r + '田中 美咲</TD >',
    '</TR>',
    # row 3: the final's line rises from where the finalists meet
    '<TR valign = "middle">',
    '<TD rowspan = "1" STYLE = "width:85">\u3000</TD>',
    '<TD rowspan = "1" STYLE = "width:60;border-right:4px solid ' + W + ';border-bottom:2px solid ' + L + '">\u3000</TD>',
    '<TD rowspan = "1" valign = "bottom" STYLE = "width:60;border-bottom:2px solid ' + W + '">' + number + '6</SPAN></TD>',
    '<TD rowspan = "1" STYLE = "width:85;border-top:2px solid ' + L + '">\u3000</TD>',
    '</TR>',
    # row 4: 佐藤 and 伊藤; the final's scores below the finalists' strokes
    '<TR valign = "middle">',
    name_l + '佐藤 花子</TD >',
    club_l + 'B高</TD >',
    '<TD rowspan = "1" STYLE = "width:85 ;border-bottom:2px solid ' + L + '">\u3000</TD>',
    '<TD rowspan = "2" align = "right" STYLE = "width:85;border-right:4px solid ' + W + ';border-bottom:2px solid ' + W + ';' + score + '2</TD>',
    '<TD rowspan = "4" align = "right" valign = "top" STYLE = "width:85;border-top:2px solid ' + L + ';' + score + '2</TD>',
    '<TD rowspan = "4" STYLE = "width:60;border-top:2px solid ' + L + '">\u3000</TD>',
    '<TD rowspan = "4" STYLE = "width:60;border-top:2px solid ' + W + '">\u3000</TD>',
    '<TD rowspan = "4" align = "left" valign = "top" STYLE = "width:85;border-top:2px solid ' + W + ';' + score + '3</TD>',
    '<TD rowspan = "2" align = "left" STYLE = "width:85;border-left:4px solid ' + L + ';border-bottom:2px solid ' + W + ';' + score + '1</TD>',
    '<TD rowspan = "1" STYLE = "width:85 ;border-bottom:2px solid ' + L + '">\u3000</TD>',
    club_r + '</TD >',
    name_r + '伊藤 翔</TD >',
    '</TR>',
    # row 5
    '<TR valign = "middle">',
    '<TD rowspan = "1" align = "right" STYLE = "width:85;border-right:4px solid ' + L + ';border-top:2px solid ' + L + ';' + score + '1</TD>',
    '<TD rowspan = "1" align = "left" STYLE = "width:85;border-left:4px solid ' + L + ';border-top:2px solid ' + L + ';' + score + '2</TD>',
    '</TR>',
    # row 6: 鈴木 and 渡辺
    '<TR valign = "middle">',
    name_l + '鈴木 一郎</TD >',
    club_l + 'A高</TD >',
    '<TD rowspan = "1" align = "right" STYLE = "width:85;border-right:4px solid ' + W + ';border-bottom:2px solid ' + W + ';' + score + '3</TD>',
    '<TD rowspan = "2" valign = "top" STYLE = "width:85;border-top:2px solid ' + W + '">' + number + '1</SPAN></TD>',
    '<TD rowspan = "2" align = "right" valign = "top" STYLE = "width:85;border-top:2px solid ' + W + '">' + number + '3</SPAN></TD>',
    '<TD rowspan = "1" align = "left" STYLE = "width:85;border-left:4px solid ' + W + ';border-bottom:2px solid ' + W + ';' + score + '3</TD>',
    club_r + 'D高</TD >',
    name_r + '渡辺 さくら ' + seed + '[2]</SPAN></TD >',
    '</TR>',
    # row 7
    '<TR valign = "middle">',
    '<TD rowspan = "1" STYLE = "width:85;border-top:2px solid ' + W + '">\u3000</TD>',
    '<TD rowspan = "1" STYLE = "width:85;border-top:2px solid ' + W + '">\u3000</TD>',
    '</TR>',
    # the third-place match under the final, centred in the middle: 山田 against 渡辺, who
    # wins 2-0; each side's name, seed and club in one cell ending at its line
    '<TR valign = "bottom">',
    head % (5, "left", "\u3000"),
    head % (7, "left", "3位決定戦"),
    '</TR>',
    '<TR valign = "middle">',
    side_cell + seed + '[1]</SPAN> 山田 太郎 ' + seed + 'A高</SPAN></TD >',
    '<TD rowspan = "1" colspan = "2" STYLE = "width:85 ;border-bottom:2px solid ' + L + '">\u3000</TD>',
    '<TD rowspan = "4" colspan = "5" STYLE = "color:#FF9000 ;font-size:small;font-weight:bold">\u30003位 渡辺 さくら</TD>',
    '</TR>',
    '<TR valign = "middle">',
    '<TD rowspan = "1" colspan = "2" align = "right" STYLE = "width:85;border-right:4px solid ' + L + ';border-top:2px solid ' + L + ';' + score + '0</TD>',
    '</TR>',
    '<TR valign = "middle">',
    side_cell + seed + '[2]</SPAN> 渡辺 さくら ' + seed + 'D高</SPAN></TD >',
    '<TD rowspan = "1" colspan = "2" align = "right" STYLE = "width:85;border-right:4px solid ' + W + ';border-bottom:2px solid ' + W + ';' + score + '2</TD>',
    '</TR>',
    '<TR valign = "middle">',
    '<TD rowspan = "1" colspan = "2" STYLE = "width:85;border-top:2px solid ' + W + '">\u3000</TD>',
    '</TR>',
] + example[49:]
write("eight_members_two_sided_played.html", "\r\n".join(played_page).encode("cp932"))
