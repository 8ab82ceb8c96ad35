#include "text/messages.h"

#include <iterator>

namespace kaz {

const char kInvalidFormatMessage[] = "予期しないﾌｧｲﾙ形式です。";
const char kOpenFailedMessage[] = "ﾄﾞｷｭﾒﾝﾄを開くことに失敗しました。";
const char kSaveFailedMessage[] = "ﾄﾞｷｭﾒﾝﾄの保存に失敗しました。";
const char kPrintFailedMessage[] = "印刷できませんでした。";

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

std::string fileErrorMessage(FileError cause, const std::string& path) {
    std::string text = kFileErrorTexts[static_cast<int>(cause)];
    const size_t at = text.find("%1");
    if (at != std::string::npos) text.replace(at, 2, path);
    return text;
}

}  // namespace kaz
