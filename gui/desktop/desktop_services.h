#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace kaz::gui {

// Every modal exchange with the desktop goes through here: file choosers, the save question,
// error messages, the colour chooser, the print, page-setup and print-preview dialogs, and
// opening a written file with the desktop's application. The application installs the real
// one; tests install a scripted one.
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
    // A folder, starting in `start`, or an empty string when cancelled.
    virtual QString chooseFolder(QWidget* parent, const QString& title, const QString& start) = 0;
    // "%1 への変更を保存しますか?" with はい / いいえ / ｷｬﾝｾﾙ.
    virtual SaveAnswer askSave(QWidget* parent, const QString& text) = 0;
    // A question with はい / いいえ (はい the default); true for はい.
    virtual bool askYesNo(QWidget* parent, const QString& text) = 0;
    // A question before a change that takes something away: はい / いいえ, with いいえ the
    // default and Esc; true for はい.
    virtual bool confirmLoss(QWidget* parent, const QString& text) = 0;
    // A failure, shown with the exclamation icon and the application title as caption.
    virtual void showError(QWidget* parent, const QString& text) = 0;
    // A failure told without waiting for an answer: the message box leaves the windows usable.
    virtual void showNotice(QWidget* parent, const QString& text) = 0;
    // The colour chooser, starting on `initial`; nothing when cancelled. Its sixteen custom
    // colours live as long as the process.
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) = 0;
    // Opens a written file with the desktop's application for it; `failed` is called, at once
    // or once the desktop's opener gave up, when no application could be started.
    virtual void openWithDesktop(const QString& path, const std::function<void()>& failed) = 0;
    // Whether the system has a printer to print on (printing offers a PDF file where not).
    virtual bool hasPrinter() = 0;
    // The print dialog on `printer`, which it sets up as the user chooses; true when the user
    // asked to print (of one page). `pdfPath`, unless empty, is the file proposed for printing
    // to a PDF file.
    virtual bool askPrint(QWidget* parent, QPrinter& printer, const QString& pdfPath) = 0;
    // The page-setup dialog on `printer` (paper, orientation, margins); true when accepted.
    virtual bool askPageSetup(QWidget* parent, QPrinter& printer) = 0;
    // The print preview of the pages that `paintPages` paints on the printer it is given
    // (again whenever the preview's settings change); the user may print from it.
    virtual void showPrintPreview(QWidget* parent, QPrinter& printer,
                                  const std::function<void(QPrinter*)>& paintPages) = 0;

    // The installed services (the real ones unless a test installed others).
    static DesktopServices& instance();
    // Installs `services` (not owned; nullptr restores the real ones).
    static void install(DesktopServices* services);
};

}  // namespace kaz::gui
