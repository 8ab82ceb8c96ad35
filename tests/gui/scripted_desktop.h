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
    QStringList questions;        // texts of AskSave
    QStringList errors;           // texts of ShowError
    QList<QColor> colorRequests;  // initial colours of ChooseColor
    QStringList openedPaths;      // OpenWithDesktop
    QStringList unexpected;       // questions that had no answer queued

    QString ChooseOpenFile(QWidget* parent, const QString& title,
                           const QStringList& filters) override;
    QString ChooseSaveFile(QWidget* parent, const QString& title, const QString& proposed,
                           const QStringList& filters, const QString& defaultSuffix) override;
    SaveAnswer AskSave(QWidget* parent, const QString& text) override;
    void ShowError(QWidget* parent, const QString& text) override;
    std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial) override;
    void OpenWithDesktop(const QString& path) override;

private:
    void Unexpected(const QString& what);
};
