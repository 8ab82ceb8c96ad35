#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace kaz::app {

// "%1 への変更を保存しますか?" for the changed document titled `title`, asked over `window`:
// はい stores it with `save`, いいえ lets it go unstored, キャンセル keeps it. True when it may
// close.
bool askToSaveChanges(QWidget* window, const QString& title, const std::function<bool()>& save);

}  // namespace kaz::app
