#pragma once

#include <QColor>
#include <QList>
#include <QPageLayout>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "desktop/desktop_services.h"

// Desktop services for GUI tests: every question is answered from a queue filled in advance,
// and every call is recorded. A question with no queued answer fails the running test (and is
// answered with a cancel); so does an answer left unused when the object is destroyed.
// Installs itself while it lives; create one on the stack of each test function.
class ScriptedDesktop : public kaz::gui::DesktopServices {
public:
    struct FileRequest {
        QString title;
        QStringList filters;
        QString proposed;       // save only
        QString defaultSuffix;  // save only
    };

    // An answer of the print or page-setup dialog: sets the printer up as the user would
    // (a test may make it write a PDF file) and says whether the dialog was accepted.
    using PrinterAnswer = std::function<bool(QPrinter&)>;

    ScriptedDesktop();
    ~ScriptedDesktop() override;
    ScriptedDesktop(const ScriptedDesktop&) = delete;
    ScriptedDesktop& operator=(const ScriptedDesktop&) = delete;

    // Answers, taken front first. An empty file name or std::nullopt is a cancel.
    QQueue<QString> openAnswers;
    QQueue<QString> saveAnswers;
    QQueue<QString> folderAnswers;
    QQueue<SaveAnswer> saveQuestionAnswers;
    QQueue<bool> yesNoAnswers;
    QQueue<std::optional<QColor>> colorAnswers;
    QQueue<PrinterAnswer> printAnswers;
    QQueue<PrinterAnswer> pageSetupAnswers;
    // The preview: the answer sets the printer up, then the pages are painted on it as the
    // preview would show them.
    QQueue<std::function<void(QPrinter&)>> previewAnswers;
    // Whether openWithDesktop finds an application.
    bool viewerStarts = true;
    // Whether the system has a printer.
    bool printerInstalled = true;
    // Answers every question before a loss with はい, for tests that click results at random.
    bool agreeToEveryLoss = false;

    // What was asked, in order.
    QList<FileRequest> openRequests;
    QList<FileRequest> saveRequests;
    QStringList folderStarts;     // where each folder chooser started
    QStringList questions;        // texts of askSave
    QStringList yesNoQuestions;   // texts of askYesNo
    QStringList lossQuestions;    // texts of confirmLoss (answered from yesNoAnswers)
    QStringList errors;           // texts of showError
    QStringList notices;          // texts of showNotice
    QList<QColor> colorRequests;  // initial colours of chooseColor
    QStringList openedPaths;      // openWithDesktop
    // The printer's page layout as each printing dialog opened.
    QList<QPageLayout> printRequests;
    QStringList printPdfPaths;  // the PDF file each print dialog proposed
    QList<QPageLayout> pageSetupRequests;
    QList<QPageLayout> previewRequests;
    QStringList unexpected;  // questions that had no answer queued

    QString chooseOpenFile(QWidget* parent, const QString& title,
                           const QStringList& filters) override;
    QString chooseSaveFile(QWidget* parent, const QString& title, const QString& proposed,
                           const QStringList& filters, const QString& defaultSuffix) override;
    QString chooseFolder(QWidget* parent, const QString& title, const QString& start) override;
    SaveAnswer askSave(QWidget* parent, const QString& text) override;
    bool askYesNo(QWidget* parent, const QString& text) override;
    bool confirmLoss(QWidget* parent, const QString& text) override;
    void showError(QWidget* parent, const QString& text) override;
    void showNotice(QWidget* parent, const QString& text) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;
    void openWithDesktop(const QString& path, const std::function<void()>& failed) override;
    bool hasPrinter() override { return printerInstalled; }
    bool askPrint(QWidget* parent, QPrinter& printer, const QString& pdfPath) override;
    bool askPageSetup(QWidget* parent, QPrinter& printer) override;
    void showPrintPreview(QWidget* parent, QPrinter& printer,
                          const std::function<void(QPrinter*)>& paintPages) override;

private:
    void recordUnexpected(const QString& what);
};
