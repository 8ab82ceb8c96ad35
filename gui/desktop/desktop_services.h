#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

// Every modal exchange with the desktop goes through here: file choosers, the save question,
// error messages, the colour chooser and opening a written file with the desktop's
// application. The application installs the real one; tests install a scripted one.
class DesktopServices {
public:
    enum class SaveAnswer { Yes, No, Cancel };

    virtual ~DesktopServices() = default;

    // A file to open ("開く"), or an empty string when cancelled.
    virtual QString chooseOpenFile(QWidget* parent, const QString& title,
                                   const QStringList& filters) = 0;
    // A file to save to, or an empty string when cancelled. `proposed` is the name offered,
    // `defaultSuffix` is added to a name typed without one; replacing an existing file is
    // confirmed by the chooser itself.
    virtual QString chooseSaveFile(QWidget* parent, const QString& title, const QString& proposed,
                                   const QStringList& filters, const QString& defaultSuffix) = 0;
    // "%1 への変更を保存しますか?" with はい / いいえ / ｷｬﾝｾﾙ.
    virtual SaveAnswer askSave(QWidget* parent, const QString& text) = 0;
    // A failure, shown with the exclamation icon and the application title as caption.
    virtual void showError(QWidget* parent, const QString& text) = 0;
    // The colour chooser, starting on `initial`; nothing when cancelled. Its sixteen custom
    // colours live as long as the process.
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) = 0;
    // Opens a written file with the desktop's application for it.
    virtual void openWithDesktop(const QString& path) = 0;

    // The installed services (the real ones unless a test installed others).
    static DesktopServices& instance();
    // Installs `services` (not owned; nullptr restores the real ones).
    static void install(DesktopServices* services);
};
