#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "desktop/desktop_services.h"
#include "desktop/typed_ahead_keys.h"
#include "scripted_desktop.h"

using namespace kaz::gui;

namespace {

// Owns the watches of whenShown, so that a watch whose dialog never came is gone when its test
// ends instead of answering a dialog of the next test.
QObject* g_watches = nullptr;

// Runs `action` on the next modal dialog of type T once it is on screen. The action ends the
// dialog; when a check in it failed first, the dialog is ended here so that the test goes on.
template <typename T>
void whenShown(std::function<void(T*)> action) {
    auto* timer = new QTimer(g_watches);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        action(dialog);
        if (QTest::currentTestFailed() && dialog->isVisible()) {
            QMetaObject::invokeMethod(dialog, "reject");
        }
    });
    timer->start();
}

QAbstractButton* buttonWithText(QMessageBox* box, const QString& text) {
    for (QAbstractButton* button : box->buttons()) {
        if (button->text() == text) return button;
    }
    return nullptr;
}

// Types a name into the file chooser's name field, as the user would.
void typeFileName(QFileDialog* dialog, const QString& folder, const QString& name) {
    dialog->setDirectory(folder);
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(edit);
    edit->setText(name);
}

DesktopServices& realServices() {
    DesktopServices::install(nullptr);
    return DesktopServices::instance();
}

}  // namespace

class TestDesktopServices : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // Qt keeps colour-dialog custom colours in the user's QtProject settings; seed one
        // there (in the test location) to show that the program starts white regardless.
        QStandardPaths::setTestModeEnabled(true);
        QSettings qtProject(QSettings::UserScope, QStringLiteral("QtProject"));
        qtProject.clear();
        qtProject.setValue(QStringLiteral("Qt/customColors/3"), QColor(Qt::red).rgb());
        qtProject.sync();
    }

    void init() { g_watches = new QObject; }
    void cleanup() {
        delete g_watches;
        g_watches = nullptr;
    }

    void openChooser() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("選手.kaz"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QStringList filters = {QStringLiteral("kaz ﾌｧｲﾙ (*.kaz)"),
                                     QStringLiteral("すべてのﾌｧｲﾙ (*.*)")};
        whenShown<QFileDialog>([&](QFileDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("開く"));
            QCOMPARE(dialog->nameFilters(), filters);
            QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptOpen);
            QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
            QVERIFY(dialog->testOption(QFileDialog::DontUseNativeDialog));
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        QCOMPARE(realServices().chooseOpenFile(nullptr, QStringLiteral("開く"), filters), path);
    }

    void saveChooser_data() {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("suffix added") << ".kaz"
                                      << "大会"
                                      << "大会.kaz";
        QTest::newRow("suffix given without dot") << "html"
                                                  << "page"
                                                  << "page.html";
    }
    void saveChooser() {
        QFETCH(QString, suffix);
        QFETCH(QString, typed);
        QFETCH(QString, chosen);
        QTemporaryDir dir;
        const QString proposed = dir.filePath(QStringLiteral("新しいトーナメント表1.kaz"));
        const QStringList filters = {QStringLiteral("kaz ﾌｧｲﾙ (*.kaz)"),
                                     QStringLiteral("すべてのﾌｧｲﾙ (*.*)")};
        whenShown<QFileDialog>([&](QFileDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("名前を付けて保存"));
            QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
            QCOMPARE(dialog->nameFilters(), filters);
            QVERIFY(dialog->testOption(QFileDialog::DontUseNativeDialog));
            QCOMPARE(dialog->selectedFiles().value(0), proposed);
            typeFileName(dialog, dir.path(), typed);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        const QString result = realServices().chooseSaveFile(
            nullptr, QStringLiteral("名前を付けて保存"), proposed, filters, suffix);
        QCOMPARE(result, dir.filePath(chosen));
    }

    // Picking another file type gives the name that type's suffix, typed or proposed.
    void saveChooserFollowsTheChosenType() {
        QTemporaryDir dir;
        const QStringList filters = {QStringLiteral("PNG ﾌｧｲﾙ (*.png)"),
                                     QStringLiteral("PDF ﾌｧｲﾙ (*.pdf)")};
        for (const QString& typed : {QStringLiteral("表.png"), QStringLiteral("表")}) {
            whenShown<QFileDialog>([&](QFileDialog* dialog) {
                typeFileName(dialog, dir.path(), typed);
                dialog->selectNameFilter(filters[1]);
                emit dialog->filterSelected(filters[1]);
                QMetaObject::invokeMethod(dialog, "accept");
            });
            const QString result = realServices().chooseSaveFile(
                nullptr, QStringLiteral("画像として保存"), dir.filePath(QStringLiteral("表.png")),
                filters, QStringLiteral("png"));
            QCOMPARE(result, dir.filePath(QStringLiteral("表.pdf")));
        }
    }

    // Replacing a file is confirmed inside the chooser, also when the name only matches once
    // the default suffix is added.
    void saveChooserConfirmsReplacing() {
        QTemporaryDir dir;
        QFile existing(dir.filePath(QStringLiteral("old.kaz")));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        bool asked = false;
        whenShown<QFileDialog>([&](QFileDialog* dialog) {
            whenShown<QMessageBox>([&](QMessageBox* box) {
                asked = true;
                box->button(QMessageBox::No) ? box->button(QMessageBox::No)->click()
                                             : box->reject();
            });
            typeFileName(dialog, dir.path(), QStringLiteral("old"));
            QMetaObject::invokeMethod(dialog, "accept");
            // Refusing to replace leaves the chooser open.
            QVERIFY(dialog->isVisible());
            dialog->reject();
        });
        const QString result = realServices().chooseSaveFile(
            nullptr, QStringLiteral("名前を付けて保存"), QString(),
            {QStringLiteral("kaz ﾌｧｲﾙ (*.kaz)")}, QStringLiteral("kaz"));
        QVERIFY(asked);
        QCOMPARE(result, QString());
    }

    void saveQuestion_data() {
        QTest::addColumn<QString>("press");  // a button's text, or "Esc"
        QTest::addColumn<int>("answer");
        QTest::newRow("はい") << "はい(&Y)" << int(DesktopServices::SaveAnswer::Yes);
        QTest::newRow("いいえ") << "いいえ(&N)" << int(DesktopServices::SaveAnswer::No);
        QTest::newRow("ｷｬﾝｾﾙ") << "ｷｬﾝｾﾙ" << int(DesktopServices::SaveAnswer::Cancel);
        QTest::newRow("Escape") << "Esc" << int(DesktopServices::SaveAnswer::Cancel);
    }
    void saveQuestion() {
        QFETCH(QString, press);
        QFETCH(int, answer);
        const QString question = QStringLiteral("新しいトーナメント表1 への変更を保存しますか?");
        whenShown<QMessageBox>([&](QMessageBox* box) {
            QCOMPARE(box->windowTitle(), QStringLiteral("カズボ"));
            QCOMPARE(box->text(), question);
            QCOMPARE(box->icon(), QMessageBox::Question);
            QStringList texts;
            for (QAbstractButton* button : box->buttons()) texts << button->text();
            texts.sort();
            QStringList expected = {QStringLiteral("はい(&Y)"), QStringLiteral("いいえ(&N)"),
                                    QStringLiteral("ｷｬﾝｾﾙ")};
            expected.sort();
            QCOMPARE(texts, expected);
            if (press == QLatin1String("Esc")) {
                QTest::keyClick(box, Qt::Key_Escape);
            } else {
                QAbstractButton* button = buttonWithText(box, press);
                QVERIFY(button);
                button->click();
            }
        });
        QCOMPARE(int(realServices().askSave(nullptr, question)), answer);
    }

    // A question that interrupts fast typing: Tab and Return that reach it in its first moments
    // were meant for what came before and answer nothing; once it has settled they do (Tab to
    // はい, Return on it).
    void lossQuestionIgnoresKeysTypedAhead() {
        bool stillOpen = false;
        whenShown<QMessageBox>([&](QMessageBox* box) {
            auto type = [box](Qt::Key key) {
                QWidget* focused = QApplication::focusWidget();
                QTest::keyClick(focused && box->isAncestorOf(focused) ? focused : box, key);
            };
            type(Qt::Key_Tab);
            type(Qt::Key_Return);
            stillOpen = box->isVisible();
            QTest::qWait(TypedAheadKeys::kSettleMs + 100);
            type(Qt::Key_Tab);
            type(Qt::Key_Return);
            if (box->isVisible()) box->reject();
        });
        QVERIFY(realServices().confirmLoss(nullptr, QStringLiteral("第9試合の結果が消えます。")));
        QVERIFY(stillOpen);
    }

    void errorMessage() {
        const QString text = QStringLiteral("/tmp/x.kaz が見つかりませんでした。");
        bool shown = false;
        whenShown<QMessageBox>([&](QMessageBox* box) {
            shown = true;
            QCOMPARE(box->windowTitle(), QStringLiteral("カズボ"));
            QCOMPARE(box->text(), text);
            QCOMPARE(box->icon(), QMessageBox::Warning);
            QCOMPARE(box->buttons().size(), 1);
            QCOMPARE(box->standardButton(box->buttons().first()), QMessageBox::Ok);
            QTest::keyClick(box, Qt::Key_Return);
        });
        realServices().showError(nullptr, text);
        QVERIFY(shown);
    }

    // The custom colours start white at the first browse, whatever Qt loaded, and what the
    // user puts there stays for the next browse.
    void colorChooser() {
        QCOMPARE(QColorDialog::customColor(3), QColor(Qt::red));  // what Qt itself would offer

        whenShown<QColorDialog>([](QColorDialog* dialog) {
            QCOMPARE(dialog->currentColor(), QColor(0xDC, 0x14, 0x3C));
            for (int i = 0; i < QColorDialog::customCount(); ++i) {
                QCOMPARE(QColorDialog::customColor(i), QColor(Qt::white));
            }
            QColorDialog::setCustomColor(0, QColor(1, 2, 3));
            dialog->setCurrentColor(QColor(0x12, 0x34, 0x56));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        std::optional<QColor> chosen =
            realServices().chooseColor(nullptr, QColor(0xDC, 0x14, 0x3C));
        QCOMPARE(chosen, std::optional<QColor>(QColor(0x12, 0x34, 0x56)));

        whenShown<QColorDialog>([](QColorDialog* dialog) {
            QCOMPARE(dialog->currentColor(), QColor(Qt::black));
            QCOMPARE(QColorDialog::customColor(0), QColor(1, 2, 3));
            dialog->reject();
        });
        chosen = realServices().chooseColor(nullptr, QColor(Qt::black));
        QVERIFY(!chosen.has_value());
    }

    void printDialogs_data() {
        QTest::addColumn<bool>("pageSetup");
        QTest::addColumn<bool>("accept");
        QTest::newRow("print, accepted") << false << true;
        QTest::newRow("print, cancelled") << false << false;
        QTest::newRow("page setup, accepted") << true << true;
        QTest::newRow("page setup, cancelled") << true << false;
    }
    void printDialogs() {
#ifdef Q_OS_WIN
        QSKIP("Windows' own print dialogs take no answer from a test");
#endif
        QFETCH(bool, pageSetup);
        QFETCH(bool, accept);
        QTemporaryDir dir;
        QPrinter printer;
        printer.setOutputFileName(dir.filePath(QStringLiteral("page.pdf")));
        auto answer = [accept](QDialog* dialog) {
            QMetaObject::invokeMethod(dialog, accept ? "accept" : "reject");
        };
        bool result = !accept;
        if (pageSetup) {
            whenShown<QPageSetupDialog>(answer);
            result = realServices().askPageSetup(nullptr, printer);
        } else {
            whenShown<QPrintDialog>([&](QPrintDialog* dialog) {
                // One page only: no range, selection or current page to choose.
                QVERIFY(!dialog->testOption(QAbstractPrintDialog::PrintPageRange));
                QVERIFY(!dialog->testOption(QAbstractPrintDialog::PrintSelection));
                QVERIFY(!dialog->testOption(QAbstractPrintDialog::PrintCurrentPage));
                answer(dialog);
            });
            // The file proposed, not the one printed to last.
            result = realServices().askPrint(nullptr, printer, dir.filePath("bracket.pdf"));
            if (accept) QCOMPARE(printer.outputFileName(), dir.filePath("bracket.pdf"));
        }
        QCOMPARE(result, accept);
    }

    // The preview asks for the pages, and shows the printer's pages.
    void printPreview() {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        int painted = 0;
        whenShown<QPrintPreviewDialog>([&](QPrintPreviewDialog* dialog) {
            QTRY_VERIFY(painted > 0);
            dialog->reject();
        });
        realServices().showPrintPreview(nullptr, printer, [&](QPrinter* pages) {
            ++painted;
            QPainter painter(pages);
            painter.drawText(10, 10, QStringLiteral("1"));
        });
        QVERIFY(painted > 0);
    }

    void installing() {
        DesktopServices& real = realServices();
        {
            ScriptedDesktop scripted;
            QCOMPARE(&DesktopServices::instance(), static_cast<DesktopServices*>(&scripted));
        }
        QCOMPARE(&DesktopServices::instance(), &real);
    }

    // The desktop's opener that finds no application (xdg-open ends with 3) or does not start
    // is told, after it ended; one that opened the file is not.
    void openerFailureIsTold_data() {
        QTest::addColumn<QString>("script");  // empty: not executable
        QTest::addColumn<bool>("told");
        QTest::newRow("no application") << "#!/bin/sh\nexit 3\n" << true;
        QTest::newRow("opened") << "#!/bin/sh\n: > \"$0.ran\"\nexit 0\n" << false;
        QTest::newRow("cannot start") << QString() << true;
    }

    void openerFailureIsTold() {
#ifdef Q_OS_WIN
        QSKIP("Windows opens files itself, without xdg-open");
#endif
        QFETCH(QString, script);
        QFETCH(bool, told);
        QTemporaryDir bin;
        QFile opener(bin.filePath(QStringLiteral("xdg-open")));
        QVERIFY(opener.open(QIODevice::WriteOnly));
        opener.write(script.isEmpty() ? QByteArray("not a program") : script.toUtf8());
        opener.close();
        // Only this opener is found, not the system's.
        QVERIFY(opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toUtf8());
        int failures = 0;
        realServices().openWithDesktop(bin.filePath(QStringLiteral("page.html")),
                                       [&failures] { ++failures; });
        qputenv("PATH", path);
        if (told) {
            QTRY_COMPARE(failures, 1);
        } else {
            QTRY_VERIFY(QFile::exists(opener.fileName() + QStringLiteral(".ran")));
            QTest::qWait(200);  // for its end to be heard
            QCOMPARE(failures, 0);
        }
    }

    // A question the test did not expect fails it, and is answered with a cancel.
    void scriptedFailsOnUnexpectedQuestion() {
        ScriptedDesktop desktop;
        QEXPECT_FAIL("", "no answer queued: the scripted desktop fails the test", Continue);
        const auto answer = DesktopServices::instance().askSave(nullptr, QStringLiteral("q"));
        QCOMPARE(answer, DesktopServices::SaveAnswer::Cancel);
        QCOMPARE(desktop.unexpected.size(), 1);
    }
};

QTEST_MAIN(TestDesktopServices)
#include "tst_desktop_services.moc"
