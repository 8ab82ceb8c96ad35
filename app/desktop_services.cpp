#include "app/desktop_services.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace {

// The application title, caption of every message box.
const char kAppTitle[] = "カズボ";

// Qt's own widget dialogs throughout: their texts follow the loaded Qt translation, and the
// colour dialog's custom colours are Qt's process-wide ones, which a native chooser would not use.
class QtDesktopServices : public DesktopServices {
public:
    QString ChooseOpenFile(QWidget* parent, const QString& title,
                           const QStringList& filters) override {
        QFileDialog dialog(parent, title);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilters(filters);
        if (dialog.exec() != QDialog::Accepted) return QString();
        return dialog.selectedFiles().value(0);
    }

    QString ChooseSaveFile(QWidget* parent, const QString& title, const QString& proposed,
                           const QStringList& filters, const QString& defaultSuffix) override {
        QFileDialog dialog(parent, title);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setNameFilters(filters);
        dialog.setDefaultSuffix(defaultSuffix);  // a leading dot is dropped by Qt
        if (!proposed.isEmpty()) dialog.selectFile(proposed);
        if (dialog.exec() != QDialog::Accepted) return QString();
        return dialog.selectedFiles().value(0);
    }

    SaveAnswer AskSave(QWidget* parent, const QString& text) override {
        QMessageBox box(QMessageBox::Question, QString::fromUtf8(kAppTitle), text,
                        QMessageBox::NoButton, parent);
        QPushButton* yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
        QPushButton* cancel = box.addButton(QStringLiteral("ｷｬﾝｾﾙ"), QMessageBox::RejectRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(cancel);
        box.exec();
        if (box.clickedButton() == yes) return SaveAnswer::Yes;
        if (box.clickedButton() == no) return SaveAnswer::No;
        return SaveAnswer::Cancel;
    }

    void ShowError(QWidget* parent, const QString& text) override {
        QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kAppTitle), text, QMessageBox::Ok,
                        parent);
        box.exec();
    }

    std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial) override {
        ResetCustomColorsOnce();
        const QColor chosen =
            QColorDialog::getColor(initial, parent, QString(), QColorDialog::DontUseNativeDialog);
        if (!chosen.isValid()) return std::nullopt;
        return chosen;
    }

    void OpenWithDesktop(const QString& path) override {
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    }

private:
    // Qt starts its custom colours from the QtProject settings that any Qt program may have
    // left behind; ours start white at every run and then live as long as the process.
    static void ResetCustomColorsOnce() {
        static bool done = false;
        if (done) return;
        done = true;
        for (int i = 0; i < QColorDialog::customCount(); ++i) {
            if (QColorDialog::customColor(i) != QColor(Qt::white)) {
                QColorDialog::setCustomColor(i, QColor(Qt::white));
            }
        }
    }
};

DesktopServices* g_installed = nullptr;

}  // namespace

DesktopServices& DesktopServices::Instance() {
    static QtDesktopServices real;
    return g_installed ? *g_installed : real;
}

void DesktopServices::Install(DesktopServices* services) {
    g_installed = services;
}
