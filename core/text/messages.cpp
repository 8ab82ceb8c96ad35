#include "text/messages.h"

#include <algorithm>
#include <iterator>

// Marks a text the editor shows in the user's language; the translation tool collects the
// texts by this mark (as Qt's QT_TR_NOOP), and to the program it is the text itself.
#define KAZ_UI_TEXT(text) text

namespace kaz {

const char kInvalidFormatMessage[] = KAZ_UI_TEXT("予期しないﾌｧｲﾙ形式です。");
const char kOpenFailedMessage[] = KAZ_UI_TEXT("ﾄﾞｷｭﾒﾝﾄを開くことに失敗しました。");
const char kSaveFailedMessage[] = KAZ_UI_TEXT("ﾄﾞｷｭﾒﾝﾄの保存に失敗しました。");
const char kPrintFailedMessage[] = KAZ_UI_TEXT("印刷できませんでした。");

const char kListLineMessage[] = KAZ_UI_TEXT("%1行目: %2");
const char kListTooLargeMessage[] = KAZ_UI_TEXT("参加者リストが大きすぎます (1 MiB まで)。");
const char kTooFewEntrantsMessage[] = KAZ_UI_TEXT("参加者が%1人です。2人以上必要です。");
const char kTooManyEntrantsMessage[] = KAZ_UI_TEXT("参加者が多すぎます。%1人までです。");
const char kEmptyNameMessage[] = KAZ_UI_TEXT("名前がありません。");
const char kGetaMessage[] = KAZ_UI_TEXT("%1を〓にしました。");
const char kControlCharacterMessage[] = KAZ_UI_TEXT("使えない制御文字 (%1) があります。");
const char kUnreadableTextMessage[] =
    KAZ_UI_TEXT("読めない文字があります (UTF-8 でも Shift_JIS でもありません)。");
const char kNameTooLongMessage[] = KAZ_UI_TEXT("名前が長すぎます (%1 バイトまで)。");
const char kClubTooLongMessage[] = KAZ_UI_TEXT("所属が長すぎます (%1 バイトまで)。");
const char kNameWithClubTooLongMessage[] =
    KAZ_UI_TEXT("名前と所属が長すぎます (名前（所属）で %1 バイトまで)。");
const char kBadSeedMessage[] = KAZ_UI_TEXT("シード「%1」は 1 から %2 までの整数ではありません。");
const char kSameSeedMessage[] = KAZ_UI_TEXT("シード %1 は %2 行目と同じです。");
const char kBadQuotesMessage[] = KAZ_UI_TEXT("引用符 (\") の対応が正しくありません。");
const char kHeadingLikeMessage[] = KAZ_UI_TEXT(
    "見出しの行のようです。見出しの項目は「名前」「所属」「シード」のどれかにするか、"
    "行の先頭に「#」を付けてください。");
const char kTooManyFieldsMessage[] =
    KAZ_UI_TEXT("項目が多すぎます。名前、所属、シードの3つまでです。");
const char kDrawSizeMessage[] = KAZ_UI_TEXT("%1人の組み合わせに %2人用は使えません。");

const char kFinalRoundName[] = KAZ_UI_TEXT("決勝");
const char kSemiFinalRoundName[] = KAZ_UI_TEXT("準決勝");
const char kQuarterFinalRoundName[] = KAZ_UI_TEXT("準々決勝");
const char kRoundNumberName[] = KAZ_UI_TEXT("%1回戦");
const char kClubMeetingMessage[] = KAZ_UI_TEXT("%1: %2 と %3 (%4)");
const char kUnavoidableMeetingsMessage[] = KAZ_UI_TEXT("%1 %2人: %3");
const char kRoundMeetingsMessage[] = KAZ_UI_TEXT("%1 %2組");
const char kListSeparator[] = KAZ_UI_TEXT("、");

namespace {

const char* const kFileErrorTexts[] = {
    KAZ_UI_TEXT("ｴﾗｰはありませんでした。"),
    KAZ_UI_TEXT("%1 へのｱｸｾｽ中に不明なｴﾗｰが発生しました。"),
    KAZ_UI_TEXT("%1 が見つかりませんでした。"),
    KAZ_UI_TEXT("%1 には無効なﾊﾟｽが含まれています。"),
    KAZ_UI_TEXT("開いているﾌｧｲﾙが多すぎるため、%1 を開けませんでした。"),
    KAZ_UI_TEXT("%1 へのｱｸｾｽは拒否されました。"),
    KAZ_UI_TEXT("%1 へ無効なﾌｧｲﾙ ﾊﾝﾄﾞﾙが関連付けられていました。"),
    KAZ_UI_TEXT("現在のﾃﾞｨﾚｸﾄﾘ %1 は削除できませんでした。"),
    KAZ_UI_TEXT("%1 を作成できませんでした。そのﾃﾞｨﾚｸﾄﾘはいっぱいです。"),
    KAZ_UI_TEXT("%1 のｼｰｸに失敗しました。"),
    KAZ_UI_TEXT("%1 へのｱｸｾｽ中にﾊｰﾄﾞｳｪｱ I/O ｴﾗｰが報告されました。"),
    KAZ_UI_TEXT("%1 へのｱｸｾｽ中に共有違反が発生しました。"),
    KAZ_UI_TEXT("%1 へのｱｸｾｽ中にﾛｯｸ違反が発生しました。"),
    KAZ_UI_TEXT("%1 へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。"),
    KAZ_UI_TEXT("%1 の末尾以降にｱｸｾｽしようとしました。"),
    kInvalidFormatMessage,
    kOpenFailedMessage,
    kSaveFailedMessage,
    kPrintFailedMessage,
};

static_assert(std::size(kFileErrorTexts) == static_cast<size_t>(FileError::PrintFailed) + 1,
              "a text for every cause");

}  // namespace

const std::vector<UiTextPattern>& uiTextPatterns() {
    static const std::vector<UiTextPattern> patterns = [] {
        std::vector<UiTextPattern> all = {
            {kListLineMessage, 0b10},
            {kListTooLargeMessage, 0},
            {kTooFewEntrantsMessage, 0},
            {kTooManyEntrantsMessage, 0},
            {kEmptyNameMessage, 0},
            {kGetaMessage, 0},
            {kControlCharacterMessage, 0},
            {kUnreadableTextMessage, 0},
            {kNameTooLongMessage, 0},
            {kNameWithClubTooLongMessage, 0},
            {kClubTooLongMessage, 0},
            {kBadSeedMessage, 0},
            {kSameSeedMessage, 0},
            {kBadQuotesMessage, 0},
            {kHeadingLikeMessage, 0},
            {kTooManyFieldsMessage, 0},
            {kDrawSizeMessage, 0},
            {kFinalRoundName, 0},
            {kSemiFinalRoundName, 0},
            {kQuarterFinalRoundName, 0},
            {kRoundNumberName, 0},
            {kClubMeetingMessage, 0b1},
            {kUnavoidableMeetingsMessage, 0b100},
            {kRoundMeetingsMessage, 0b1},
        };
        for (const char* text : kFileErrorTexts) {
            const bool listed = std::any_of(all.begin(), all.end(), [text](const UiTextPattern& p) {
                return std::string_view(p.text) == text;
            });
            if (!listed) all.push_back({text, 0});
        }
        return all;
    }();
    return patterns;
}

std::string fillIn(std::string_view text, std::initializer_list<std::string_view> values) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t which = i + 1 < text.size() ? size_t(text[i + 1] - '1') : values.size();
        if (text[i] == '%' && which < values.size()) {
            out += values.begin()[which];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string fileErrorMessage(FileError cause, const std::string& path) {
    std::string text = kFileErrorTexts[static_cast<int>(cause)];
    const size_t at = text.find("%1");
    if (at != std::string::npos) text.replace(at, 2, path);
    return text;
}

}  // namespace kaz
