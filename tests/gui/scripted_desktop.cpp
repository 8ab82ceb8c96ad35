#include "scripted_desktop.h"

#include <QPrinter>
#include <QTest>

using namespace kaz::gui;

ScriptedDesktop::ScriptedDesktop() { DesktopServices::install(this); }

ScriptedDesktop::~ScriptedDesktop() {
    DesktopServices::install(nullptr);
    // An answer nobody asked for means the dialog the test expected never came.
    const qsizetype left = openAnswers.size() + saveAnswers.size() + folderAnswers.size() +
                           saveQuestionAnswers.size() + yesNoAnswers.size() + colorAnswers.size() +
                           printAnswers.size() + pageSetupAnswers.size() + previewAnswers.size();
    if (left > 0) {
        const QByteArray message =
            "ScriptedDesktop: " + QByteArray::number(left) + " queued answer(s) never used";
        QTest::qFail(message.constData(), __FILE__, __LINE__);
    }
}

QString ScriptedDesktop::chooseOpenFile(QWidget*, const QString& title,
                                        const QStringList& filters) {
    openRequests.append({title, filters, QString(), QString()});
    if (openAnswers.isEmpty()) {
        recordUnexpected(QStringLiteral("open file \"%1\"").arg(title));
        return QString();
    }
    return openAnswers.dequeue();
}

QString ScriptedDesktop::chooseFolder(QWidget*, const QString& title, const QString& start) {
    folderStarts.append(start);
    if (folderAnswers.isEmpty()) {
        recordUnexpected(QStringLiteral("folder \"%1\"").arg(title));
        return QString();
    }
    return folderAnswers.dequeue();
}

QString ScriptedDesktop::chooseSaveFile(QWidget*, const QString& title, const QString& proposed,
                                        const QStringList& filters, const QString& defaultSuffix) {
    saveRequests.append({title, filters, proposed, defaultSuffix});
    if (saveAnswers.isEmpty()) {
        recordUnexpected(QStringLiteral("save file \"%1\"").arg(title));
        return QString();
    }
    return saveAnswers.dequeue();
}

DesktopServices::SaveAnswer ScriptedDesktop::askSave(QWidget*, const QString& text) {
    questions.append(text);
    if (saveQuestionAnswers.isEmpty()) {
        recordUnexpected(QStringLiteral("save question \"%1\"").arg(text));
        return SaveAnswer::Cancel;
    }
    return saveQuestionAnswers.dequeue();
}

bool ScriptedDesktop::askYesNo(QWidget*, const QString& text) {
    yesNoQuestions.append(text);
    if (yesNoAnswers.isEmpty()) {
        recordUnexpected(QStringLiteral("yes/no question \"%1\"").arg(text));
        return false;
    }
    return yesNoAnswers.dequeue();
}

bool ScriptedDesktop::confirmLoss(QWidget*, const QString& text) {
    lossQuestions.append(text);
    if (yesNoAnswers.isEmpty()) {
        recordUnexpected(QStringLiteral("question before a loss \"%1\"").arg(text));
        return false;
    }
    return yesNoAnswers.dequeue();
}

void ScriptedDesktop::showError(QWidget*, const QString& text) { errors.append(text); }

std::optional<QColor> ScriptedDesktop::chooseColor(QWidget*, const QColor& initial) {
    colorRequests.append(initial);
    if (colorAnswers.isEmpty()) {
        recordUnexpected(QStringLiteral("colour chooser on %1").arg(initial.name()));
        return std::nullopt;
    }
    return colorAnswers.dequeue();
}

void ScriptedDesktop::openWithDesktop(const QString& path, const std::function<void()>& failed) {
    openedPaths.append(path);
    if (!viewerStarts) failed();
}

bool ScriptedDesktop::askPrint(QWidget*, QPrinter& printer, const QString& pdfPath) {
    printRequests.append(printer.pageLayout());
    printPdfPaths.append(pdfPath);
    if (printAnswers.isEmpty()) {
        recordUnexpected(QStringLiteral("print dialog"));
        return false;
    }
    return printAnswers.dequeue()(printer);
}

bool ScriptedDesktop::askPageSetup(QWidget*, QPrinter& printer) {
    pageSetupRequests.append(printer.pageLayout());
    if (pageSetupAnswers.isEmpty()) {
        recordUnexpected(QStringLiteral("page setup"));
        return false;
    }
    return pageSetupAnswers.dequeue()(printer);
}

void ScriptedDesktop::showPrintPreview(QWidget*, QPrinter& printer,
                                       const std::function<void(QPrinter*)>& paintPages) {
    previewRequests.append(printer.pageLayout());
    if (previewAnswers.isEmpty()) {
        recordUnexpected(QStringLiteral("print preview"));
        return;
    }
    previewAnswers.dequeue()(printer);
    paintPages(&printer);
}

void ScriptedDesktop::recordUnexpected(const QString& what) {
    unexpected.append(what);
    const QByteArray message = "ScriptedDesktop: no answer queued for " + what.toUtf8();
    QTest::qFail(message.constData(), __FILE__, __LINE__);
}

void ScriptedDesktop::showNotice(QWidget*, const QString& text) { notices.append(text); }
