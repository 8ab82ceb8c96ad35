#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace kaz::app {

// "%1 への変更を保存しますか?" for the changed document titled `title`, asked over `window`:
// はい stores it with `save`, いいえ lets it go unstored, キャンセル keeps it. True when it may
// close.
bool askToSaveChanges(QWidget* window, const QString& title, const std::function<bool()>& save);

// The file `path` of an open document was changed by another program: may it be written over?
bool askToOverwriteChangedFile(QWidget* window, const QString& path);
// The same file, while its document has no changes of its own: is it to be read again?
bool askToReloadChangedFile(QWidget* window, const QString& path);

}  // namespace kaz::app
