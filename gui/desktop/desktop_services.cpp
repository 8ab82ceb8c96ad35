#include "desktop/desktop_services.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTreeView>
#include <QUrl>
#include <array>
#include <string_view>

#include "desktop/typed_ahead_keys.h"
#include "text/app_names.h"

namespace kaz::gui {

namespace {

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
// Runs `opener` on `path` and calls `failed` should it not start or end with a failure. The
// opener may wait for the application it started; it is left running when the editor ends
// (its process object is not the application's child, which would end it), and what it says
// once the application has run for a while is that application's own end, no failure to start.
void watchOpener(const QString& opener, const QString& path, const std::function<void()>& failed) {
    constexpr qint64 kStartingMs = 10000;
    auto* process = new QProcess;
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer running;
    running.start();
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed, running](int code, QProcess::ExitStatus status) {
                         const bool starting = running.elapsed() < kStartingMs;
                         if (starting && (status != QProcess::NormalExit || code != 0)) failed();
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, failed](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart) return;
                         failed();
                         process->deleteLater();
                     });
    process->start(opener, {path});
}
#endif

// Opens a file chooser wide enough for its name, size, type and date columns to be read:
// the dates and sizes take what they need, the names the rest.
void sizeForColumns(QFileDialog& dialog) {
    const int unit = dialog.fontMetrics().averageCharWidth();
    dialog.setViewMode(QFileDialog::Detail);
    dialog.resize(dialog.sizeHint().expandedTo(QSize(120 * unit, 60 * unit)));
    if (auto* files = dialog.findChild<QTreeView*>()) {
        QHeaderView* header = files->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(QHeaderView::ResizeToContents);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
    }
}

// The suffix a filter such as "PDF ﾌｧｲﾙ (*.pdf)" stands for; empty for "(*.*)".
QString suffixOfFilter(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.([^*)\\s]+)\\)"));
    return pattern.match(filter).captured(1);
}

// As the user picks another file type, a name typed without a suffix gets that type's, and a
// name ending in one of the offered suffixes takes the new one.
void followChosenType(QFileDialog& dialog, const QStringList& filters) {
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString& filter) {
            const QString suffix = suffixOfFilter(filter);
            if (suffix.isEmpty()) return;
            dialog.setDefaultSuffix(suffix);
            auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (name == nullptr) return;
            for (const QString& other : filters) {
                const QString old = QLatin1Char('.') + suffixOfFilter(other);
                if (old.size() > 1 && name->text().endsWith(old, Qt::CaseInsensitive)) {
                    name->setText(name->text().chopped(old.size()) + QLatin1Char('.') + suffix);
                    return;
                }
            }
        });
}

// The caption of every message box: the application title.
QString messageBoxTitle() {
    static_assert(std::string_view(kaz::kApplicationTitle) == "カズボ");
    return QCoreApplication::translate("kaz::gui::DesktopServices", "カズボ");
}

// The message boxes' buttons.
QString yesText() { return QCoreApplication::translate("kaz::gui::DesktopServices", "はい(&Y)"); }
QString noText() { return QCoreApplication::translate("kaz::gui::DesktopServices", "いいえ(&N)"); }
QString cancelText() { return QCoreApplication::translate("kaz::gui::DesktopServices", "ｷｬﾝｾﾙ"); }

// Qt's own widget dialogs throughout: their texts follow the loaded Qt translation, and the
// colour dialog's custom colours are Qt's process-wide ones, which a native chooser would not use.
class QtDesktopServices : public DesktopServices {
public:
    QString chooseOpenFile(QWidget* parent, const QString& title,
                           const QStringList& filters) override {
        QFileDialog dialog(parent, title);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilters(filters);
        sizeForColumns(dialog);
        if (dialog.exec() != QDialog::Accepted) return QString();
        return dialog.selectedFiles().value(0);
    }

    void showNotice(QWidget* parent, const QString& text) override {
        auto* box =
            new QMessageBox(QMessageBox::Warning, messageBoxTitle(), text, QMessageBox::Ok, parent);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::NonModal);
        box->show();
    }

    QString chooseFolder(QWidget* parent, const QString& title, const QString& start) override {
        QFileDialog dialog(parent, title, start);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        sizeForColumns(dialog);
        if (dialog.exec() != QDialog::Accepted) return QString();
        return dialog.selectedFiles().value(0);
    }

    QString chooseSaveFile(QWidget* parent, const QString& title, const QString& proposed,
                           const QStringList& filters, const QString& defaultSuffix) override {
        QFileDialog dialog(parent, title);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setNameFilters(filters);
        dialog.setDefaultSuffix(defaultSuffix);  // a leading dot is dropped by Qt
        if (!proposed.isEmpty()) dialog.selectFile(proposed);
        followChosenType(dialog, filters);
        sizeForColumns(dialog);
        if (dialog.exec() != QDialog::Accepted) return QString();
        return dialog.selectedFiles().value(0);
    }

    SaveAnswer askSave(QWidget* parent, const QString& text) override {
        QMessageBox box(QMessageBox::Question, messageBoxTitle(), text, QMessageBox::NoButton,
                        parent);
        QPushButton* yes = box.addButton(yesText(), QMessageBox::YesRole);
        QPushButton* no = box.addButton(noText(), QMessageBox::NoRole);
        QPushButton* cancel = box.addButton(cancelText(), QMessageBox::RejectRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(cancel);
        box.exec();
        if (box.clickedButton() == yes) return SaveAnswer::Yes;
        if (box.clickedButton() == no) return SaveAnswer::No;
        return SaveAnswer::Cancel;
    }

    bool askYesNo(QWidget* parent, const QString& text) override {
        return ask(parent, text, QMessageBox::YesRole);
    }

    bool confirmLoss(QWidget* parent, const QString& text) override {
        return ask(parent, text, QMessageBox::NoRole);
    }

    static bool ask(QWidget* parent, const QString& text, QMessageBox::ButtonRole preferred) {
        QMessageBox box(QMessageBox::Question, messageBoxTitle(), text, QMessageBox::NoButton,
                        parent);
        QPushButton* yes = box.addButton(yesText(), QMessageBox::YesRole);
        QPushButton* no = box.addButton(noText(), QMessageBox::NoRole);
        box.setDefaultButton(preferred == QMessageBox::YesRole ? yes : no);
        box.setEscapeButton(no);
        const TypedAheadKeys typedAhead(&box);
        box.exec();
        return box.clickedButton() == yes;
    }

    void showError(QWidget* parent, const QString& text) override {
        QMessageBox box(QMessageBox::Warning, messageBoxTitle(), text, QMessageBox::Ok, parent);
        box.exec();
    }

    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override {
        resetCustomColorsOnce();
        const QColor chosen =
            QColorDialog::getColor(initial, parent, QString(), QColorDialog::DontUseNativeDialog);
        if (!chosen.isValid()) return std::nullopt;
        return chosen;
    }

    void openWithDesktop(const QString& path, const std::function<void()>& failed) override {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
        // Qt counts xdg-open started as the file opened, though xdg-open may then find no
        // application; run here, its answer is heard. (In a Flatpak or Snap sandbox Qt asks the
        // desktop portal instead.)
        const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        if (!opener.isEmpty() && !QFile::exists(QStringLiteral("/.flatpak-info")) &&
            !qEnvironmentVariableIsSet("SNAP")) {
            watchOpener(opener, path, failed);
            return;
        }
#endif
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) failed();
    }

    bool hasPrinter() override { return !QPrinterInfo::availablePrinters().isEmpty(); }

    bool askPrint(QWidget* parent, QPrinter& printer, const QString& pdfPath) override {
        QPrintDialog dialog(&printer, parent);
        // The field of the file a PDF is printed to (Qt's own dialog names it "filename").
        auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
        if (file && !pdfPath.isEmpty()) file->setText(pdfPath);
        // A bracket is always one page: there is no range or selection to choose.
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        return dialog.exec() == QDialog::Accepted;
    }

    bool askPageSetup(QWidget* parent, QPrinter& printer) override {
        QPageSetupDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }

    void showPrintPreview(QWidget* parent, QPrinter& printer,
                          const std::function<void(QPrinter*)>& paintPages) override {
        QPrintPreviewDialog dialog(&printer, parent);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paintPages);
        dialog.exec();
    }

private:
    // Qt starts its custom colours from the QtProject settings shared by all Qt programs, and
    // writes them back there whenever a colour dialog goes away. Ours start white at every run
    // and live as long as the process; at exit the loaded ones are written back, so that other
    // programs find theirs as they left them.
    static void resetCustomColorsOnce() {
        static bool done = false;
        if (done) return;
        done = true;
        for (int i = 0; i < QColorDialog::customCount(); ++i) {
            loadedCustomColors()[size_t(i)] = QColorDialog::customColor(i).rgba();
            QColorDialog::setCustomColor(i, QColor(Qt::white));
        }
        qAddPostRoutine(restoreLoadedCustomColors);
    }
    static void restoreLoadedCustomColors() {
        QSettings settings(QSettings::UserScope, QStringLiteral("QtProject"));
        for (int i = 0; i < QColorDialog::customCount(); ++i) {
            settings.setValue(QStringLiteral("Qt/customColors/%1").arg(i),
                              loadedCustomColors()[size_t(i)]);
        }
    }
    static std::array<QRgb, 16>& loadedCustomColors() {
        static std::array<QRgb, 16> colors{};
        return colors;
    }
};

DesktopServices* g_installed = nullptr;

}  // namespace

DesktopServices& DesktopServices::instance() {
    static QtDesktopServices real;
    return g_installed ? *g_installed : real;
}

void DesktopServices::install(DesktopServices* services) { g_installed = services; }

}  // namespace kaz::gui
