#pragma once

#include <QColor>
#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <optional>

#include "desktop/desktop_services.h"

// Desktop services for GUI tests: every question is answered from a queue filled in advance,
// and every call is recorded. A question with no queued answer fails the running test (and is
// answered with a cancel); so does an answer left unused when the object is destroyed.
// Installs itself while it lives; create one on the stack of each test function.
class ScriptedDesktop : public DesktopServices {
public:
    struct FileRequest {
        QString title;
        QStringList filters;
        QString proposed;       // save only
        QString defaultSuffix;  // save only
    };

    ScriptedDesktop();
    ~ScriptedDesktop() override;
    ScriptedDesktop(const ScriptedDesktop&) = delete;
    ScriptedDesktop& operator=(const ScriptedDesktop&) = delete;

    // Answers, taken front first. An empty file name or std::nullopt is a cancel.
    QQueue<QString> openAnswers;
    QQueue<QString> saveAnswers;
    QQueue<SaveAnswer> saveQuestionAnswers;
    QQueue<std::optional<QColor>> colorAnswers;

    // What was asked, in order.
    QList<FileRequest> openRequests;
    QList<FileRequest> saveRequests;
    QStringList questions;        // texts of askSave
    QStringList errors;           // texts of showError
    QList<QColor> colorRequests;  // initial colours of chooseColor
    QStringList openedPaths;      // openWithDesktop
    QStringList unexpected;       // questions that had no answer queued

    QString chooseOpenFile(QWidget* parent, const QString& title,
                           const QStringList& filters) override;
    QString chooseSaveFile(QWidget* parent, const QString& title, const QString& proposed,
                           const QStringList& filters, const QString& defaultSuffix) override;
    SaveAnswer askSave(QWidget* parent, const QString& text) override;
    void showError(QWidget* parent, const QString& text) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;
    void openWithDesktop(const QString& path) override;

private:
    void recordUnexpected(const QString& what);
};
