#include "text/messages.h"

#include <iterator>

namespace kaz {

const char kInvalidFormatMessage[] = "予期しないﾌｧｲﾙ形式です。";
const char kOpenFailedMessage[] = "ﾄﾞｷｭﾒﾝﾄを開くことに失敗しました。";
const char kSaveFailedMessage[] = "ﾄﾞｷｭﾒﾝﾄの保存に失敗しました。";
const char kPrintFailedMessage[] = "印刷できませんでした。";

const char kListLineMessage[] = "%1行目: %2";
const char kListTooLargeMessage[] = "参加者リストが大きすぎます (1 MiB まで)。";
const char kTooFewEntrantsMessage[] = "参加者が%1人です。2人以上必要です。";
const char kTooManyEntrantsMessage[] = "参加者が多すぎます。%1人までです。";
const char kEmptyNameMessage[] = "名前がありません。";
const char kGetaMessage[] = "%1を〓にしました。";
const char kControlCharacterMessage[] = "使えない制御文字 (%1) があります。";
const char kUnreadableTextMessage[] =
    "読めない文字があります (UTF-8 でも Shift_JIS でもありません)。";
const char kNameTooLongMessage[] = "名前が長すぎます (%1 バイトまで)。";
const char kClubTooLongMessage[] = "所属が長すぎます (%1 バイトまで)。";
const char kNameWithClubTooLongMessage[] =
    "名前と所属が長すぎます (名前（所属）で %1 バイトまで)。";
const char kBadSeedMessage[] = "シード「%1」は 1 から %2 までの整数ではありません。";
const char kSameSeedMessage[] = "シード %1 は %2 行目と同じです。";
const char kBadQuotesMessage[] = "引用符 (\") の対応が正しくありません。";
const char kHeadingLikeMessage[] =
    "見出しの行のようです。見出しの項目は「名前」「所属」「シード」のどれかにするか、"
    "行の先頭に「#」を付けてください。";
const char kTooManyFieldsMessage[] = "項目が多すぎます。名前、所属、シードの3つまでです。";
const char kDrawSizeMessage[] = "%1人の組み合わせに %2人用は使えません。";

namespace {

const char* const kFileErrorTexts[] = {
    "ｴﾗｰはありませんでした。",
    "%1 へのｱｸｾｽ中に不明なｴﾗｰが発生しました。",
    "%1 が見つかりませんでした。",
    "%1 には無効なﾊﾟｽが含まれています。",
    "開いているﾌｧｲﾙが多すぎるため、%1 を開けませんでした。",
    "%1 へのｱｸｾｽは拒否されました。",
    "%1 へ無効なﾌｧｲﾙ ﾊﾝﾄﾞﾙが関連付けられていました。",
    "現在のﾃﾞｨﾚｸﾄﾘ %1 は削除できませんでした。",
    "%1 を作成できませんでした。そのﾃﾞｨﾚｸﾄﾘはいっぱいです。",
    "%1 のｼｰｸに失敗しました。",
    "%1 へのｱｸｾｽ中にﾊｰﾄﾞｳｪｱ I/O ｴﾗｰが報告されました。",
    "%1 へのｱｸｾｽ中に共有違反が発生しました。",
    "%1 へのｱｸｾｽ中にﾛｯｸ違反が発生しました。",
    "%1 へのｱｸｾｽ中にﾃﾞｨｽｸがいっぱいになりました。",
    "%1 の末尾以降にｱｸｾｽしようとしました。",
    kInvalidFormatMessage,
    kOpenFailedMessage,
    kSaveFailedMessage,
    kPrintFailedMessage,
};

static_assert(std::size(kFileErrorTexts) == static_cast<size_t>(FileError::PrintFailed) + 1,
              "a text for every cause");

}  // namespace

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
