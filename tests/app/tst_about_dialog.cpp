#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "dialogs/about_dialog.h"
#include "support/app_icons.h"

using namespace kaz::gui;
using namespace kaz::app;

class TestAboutDialog : public QObject {
    Q_OBJECT

private slots:
    void content() {
        AboutDialog dlg(appIcon());
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QCOMPARE(dlg.windowTitle(), QStringLiteral("カズボのバージョン情報"));
        auto* version = dlg.findChild<QLabel*>(QStringLiteral("versionLabel"));
        QVERIFY(version);
        QCOMPARE(version->text(), QStringLiteral("カズボー ver1.22"));
        auto* icon = dlg.findChild<QLabel*>(QStringLiteral("iconLabel"));
        QVERIFY(icon);
        QCOMPARE(icon->pixmap().size(), QSize(32, 32));
        // The icon stands left of the texts, the button right of them.
        auto* ok = dlg.findChild<QPushButton*>(QStringLiteral("okButton"));
        QVERIFY(ok);
        QVERIFY(icon->geometry().right() < version->geometry().left());
        QVERIFY(version->geometry().right() < ok->geometry().left());
        QCOMPARE(QApplication::focusWidget(), ok);
    }

    void closes_data() {
        QTest::addColumn<int>("key");  // 0: click OK
        QTest::addColumn<int>("result");
        QTest::newRow("OK button") << 0 << int(QDialog::Accepted);
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(QDialog::Accepted);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(QDialog::Accepted);
        QTest::newRow("Escape") << int(Qt::Key_Escape) << int(QDialog::Rejected);
    }
    void closes() {
        QFETCH(int, key);
        QFETCH(int, result);
        AboutDialog dlg(appIcon());
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        if (key == 0) {
            QTest::mouseClick(dlg.findChild<QPushButton*>(QStringLiteral("okButton")),
                              Qt::LeftButton);
        } else {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        }
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), result);
    }
};

QTEST_MAIN(TestAboutDialog)
#include "tst_about_dialog.moc"
