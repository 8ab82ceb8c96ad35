#include "text/messages.h"

#include <iterator>
#include <string_view>
#include <utility>

// Marks a text the editor shows in the user's language; the translation tool collects the
// texts by this mark (as Qt's QT_TR_NOOP), and to the program it is the text itself.
#define KAZ_UI_TEXT(text) text

namespace kaz {

namespace {

// In MessageId's order.
const char* const kSources[] = {
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
    KAZ_UI_TEXT("予期しないﾌｧｲﾙ形式です。"),
    KAZ_UI_TEXT("ﾄﾞｷｭﾒﾝﾄを開くことに失敗しました。"),
    KAZ_UI_TEXT("ﾄﾞｷｭﾒﾝﾄの保存に失敗しました。"),
    KAZ_UI_TEXT("印刷できませんでした。"),

    KAZ_UI_TEXT("%1行目: %2"),
    KAZ_UI_TEXT("参加者リストが大きすぎます (1 MiB まで)。"),
    KAZ_UI_TEXT("参加者が%1人だけです。2人以上必要です。"),
    KAZ_UI_TEXT("参加者がいません。2人以上必要です。"),
    KAZ_UI_TEXT("参加者が多すぎます。%1人までです。"),
    KAZ_UI_TEXT("名前がありません。"),
    KAZ_UI_TEXT("「%1」"),
    KAZ_UI_TEXT("%1は入力のまま残します。古いプログラムでは 〓 と表示されます。"),
    KAZ_UI_TEXT("%1は入力のまま残します。古いプログラムではどれも 〓 と表示されます。"),
    KAZ_UI_TEXT("使えない制御文字 (%1) があります。"),
    KAZ_UI_TEXT("読めない文字 (U+FFFD) があります。"),
    KAZ_UI_TEXT("%1 として読めない文字があります。リストを UTF-8 で保存し直してください。"),
    KAZ_UI_TEXT("この行は UTF-8 で、リストのほかの行は %1 です。リストを UTF-8 で保存し直して"
                "ください。"),
    KAZ_UI_TEXT("文字コード: %1（自動）"),
    KAZ_UI_TEXT("名前が長すぎます (%1 文字まで)。"),
    KAZ_UI_TEXT("名前と所属が長すぎます (名前（所属）で %1 文字まで)。"),
    KAZ_UI_TEXT("所属が長すぎます (%1 文字まで)。"),
    KAZ_UI_TEXT("シード「%1」は 1 から %2 までの整数ではありません。"),
    KAZ_UI_TEXT("シード %1 は %2 行目と同じです。"),
    KAZ_UI_TEXT("引用符 (\") の対応が正しくありません。"),
    KAZ_UI_TEXT("見出しの行のようです。見出しの項目は「名前」「所属」「シード」のどれかにするか、"
                "行の先頭に「#」を付けてください。"),
    KAZ_UI_TEXT("項目が多すぎます。名前、所属、シードの3つまでです。"),
    KAZ_UI_TEXT("%1人の組み合わせに %2人用は使えません。"),
    KAZ_UI_TEXT("%1人に %2人用は大きすぎます。表は参加者数の 2 倍まで (%3人用まで) です。"),
    KAZ_UI_TEXT("名前「%1」は %2 行目と同じです。"),

    KAZ_UI_TEXT("決勝"),
    KAZ_UI_TEXT("準決勝"),
    KAZ_UI_TEXT("準々決勝"),
    KAZ_UI_TEXT("%1回戦"),
    KAZ_UI_TEXT("%1: %2 と %3 (%4)"),
    KAZ_UI_TEXT("%1 %2人: %3"),
    KAZ_UI_TEXT("%1 %2組"),

    KAZ_UI_TEXT("シードは 1 から %1 までの番号です。"),
    KAZ_UI_TEXT("シード %1 はすでに %2人目にあります。"),
    KAZ_UI_TEXT("シード %1 はすでに %2 (%3人目) にあります。"),
    KAZ_UI_TEXT("名前のある枠は不戦勝にできません。"),
    KAZ_UI_TEXT("所属のあるﾒﾝﾊﾞｰがいるため、所属の列は隠せません。"),
    KAZ_UI_TEXT("この設定は表に合いません。"),
    KAZ_UI_TEXT("この線にはまだﾒﾝﾊﾞｰがいません。"),
    KAZ_UI_TEXT("3位決定戦の相手がまだ決まっていません。"),
    KAZ_UI_TEXT("不戦勝の枠は勝ちにできません。"),
    KAZ_UI_TEXT("名前のない枠は勝ちにできません。"),
    KAZ_UI_TEXT("不戦勝による勝ちは取り消せません。"),

    KAZ_UI_TEXT("%1 は入力ファイルそのものです。上書きしません。"),
    KAZ_UI_TEXT("%1 はトーナメント表ファイルです。上書きしません。"),
    KAZ_UI_TEXT("%1 は参加者リストです。上書きしません。"),
    KAZ_UI_TEXT("%1 は予選リーグのファイルです。上書きしません。"),
    KAZ_UI_TEXT("%1 は HTML ページです。上書きしません。"),
    KAZ_UI_TEXT("%1 は画像です。上書きしません。"),
    KAZ_UI_TEXT("%1 はフォルダです。ファイルを指定してください。"),
    KAZ_UI_TEXT("フォルダ %1 がありません。"),
};

static_assert(std::size(kSources) == size_t(kMessageIdCount), "a text for every message");
static_assert(int(MessageId::PrintFailed) == int(FileError::PrintFailed),
              "the file errors' messages in FileError's order");

const char kListSeparator[] = KAZ_UI_TEXT("、");
// Japanese shows the name as it is; English quotes it.
const char kNameQuote[] = KAZ_UI_TEXT("%1");

// The text of a source in `language`.
const char* inLanguage(const char* source, Language language) {
    if (language == Language::Japanese) return source;
    const char* english = englishSource(source);
    return english != nullptr ? english : source;
}

}  // namespace

MessageValue::MessageValue(std::string text) : text(std::move(text)) {}
MessageValue::MessageValue(const char* text) : text(text) {}
MessageValue::MessageValue(long long number) : text(std::to_string(number)) {}
MessageValue::MessageValue(Message message) : nested(true), messages{std::move(message)} {}
MessageValue::MessageValue(std::vector<Message> messages)
    : nested(true), messages(std::move(messages)) {}

MessageValue MessageValue::name(std::string text) {
    MessageValue value(std::move(text));
    value.quotable = true;
    return value;
}

Message::Message(MessageId id, std::vector<MessageValue> values)
    : id(id), values(std::move(values)) {}

const char* messageSource(MessageId id) { return kSources[static_cast<int>(id)]; }

const char* listSeparatorSource() { return kListSeparator; }

const char* nameQuoteSource() { return kNameQuote; }

bool needsQuotes(std::string_view name) {
    for (const std::string_view mark : {" ", ",", "\t", "　", "、", "，"}) {
        if (name.find(mark) != std::string_view::npos) return true;
    }
    return false;
}

std::string filledText(std::string_view text, const std::vector<std::string>& values) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t which = i + 1 < text.size() ? size_t(text[i + 1] - '1') : values.size();
        if (text[i] == '%' && which < values.size()) {
            out += values[which];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string messageText(const Message& message, Language language) {
    std::vector<std::string> values;
    for (const MessageValue& value : message.values) {
        if (!value.nested) {
            values.push_back(value.quotable && needsQuotes(value.text)
                                 ? filledText(inLanguage(kNameQuote, language), {value.text})
                                 : value.text);
            continue;
        }
        std::string joined;
        for (const Message& one : value.messages) {
            if (!joined.empty()) joined += inLanguage(kListSeparator, language);
            joined += messageText(one, language);
        }
        values.push_back(std::move(joined));
    }
    return filledText(inLanguage(messageSource(message.id), language), values);
}

std::string japaneseText(const Message& message) {
    return messageText(message, Language::Japanese);
}

std::string englishText(const Message& message) { return messageText(message, Language::English); }

Message fileErrorMessage(FileError cause, const std::string& path) {
    return Message(static_cast<MessageId>(cause), {path});
}

}  // namespace kaz
