#include "bracket/sheet_words.h"

namespace kaz {
namespace {

const SheetWords kJapanese{
    "ja",
    "トーナメント表",
    "優勝",
    "準優勝",
    "決勝",
    "準決勝",
    "準々決勝",
    "3位決定戦",
    "3位",
    "抽選番号",
    "最終更新",
    "結果",
    "最新の結果",
    "まだ結果はありません。",
    "（名前なし）",
    "対",
    "速報",
    "トーナメント表の図（結果は下の一覧にあります）",
    "●●●ここからソースをコピーしてお使い下さい●●●",
    "●●●ここまで●●●",
    "（",
    "）",
    "（",
    " の勝ち）",
};

const SheetWords kEnglish{
    "en",
    "Tournament bracket",
    "Champion",
    "Runner-up",
    "Final",
    "Semi-finals",
    "Quarter-finals",
    "Third-place match",
    "3rd",
    "Draw no.",
    "Last updated",
    "Results",
    "Latest results",
    "No results yet.",
    "(no name)",
    "vs",
    "Headlines",
    "Tournament bracket chart (the results are listed below)",
    "●●● Copy the source from here ●●●",
    "●●● Up to here ●●●",
    " (",
    ")",
    " (",
    " won)",
};

bool english(SheetLanguage language) { return language == SheetLanguage::English; }

}  // namespace

const SheetWords& sheetWords(SheetLanguage language) {
    return english(language) ? kEnglish : kJapanese;
}

std::string roundNumberName(SheetLanguage language, int round) {
    const std::string number = std::to_string(round);
    return english(language) ? "Round " + number : number + "回戦";
}

std::string matchNumberName(SheetLanguage language, int number) {
    const std::string digits = std::to_string(number);
    return english(language) ? "Match " + digits : "第" + digits + "試合";
}

}  // namespace kaz
