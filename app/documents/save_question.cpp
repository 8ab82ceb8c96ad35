#include "documents/save_question.h"

#include <QCoreApplication>
#include <QDir>

#include "desktop/desktop_services.h"

namespace kaz::app {

bool askToSaveChanges(QWidget* window, const QString& title, const std::function<bool()>& save) {
    const QString question =
        QCoreApplication::translate("kaz::app::SaveQuestion", "%1 への変更を保存しますか?")
            .arg(title);
    switch (gui::DesktopServices::instance().askSave(window, question)) {
        case gui::DesktopServices::SaveAnswer::Yes: return save();
        case gui::DesktopServices::SaveAnswer::No: return true;
        case gui::DesktopServices::SaveAnswer::Cancel: return false;
    }
    return false;
}

bool askToOverwriteChangedFile(QWidget* window, const QString& path) {
    return gui::DesktopServices::instance().askYesNo(
        window,
        QCoreApplication::translate("kaz::app::SaveQuestion",
                                    "%1 は他のプログラムによって変更されています。上書きしますか?")
            .arg(QDir::toNativeSeparators(path)));
}

bool askToReloadChangedFile(QWidget* window, const QString& path) {
    return gui::DesktopServices::instance().askYesNo(
        window, QCoreApplication::translate(
                    "kaz::app::SaveQuestion",
                    "%1 は他のプログラムによって変更されています。再度読み込みますか?")
                    .arg(QDir::toNativeSeparators(path)));
}

}  // namespace kaz::app
