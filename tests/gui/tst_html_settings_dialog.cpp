#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "color/color_set.h"
#include "dialogs/html_settings_dialog.h"
#include "gui_test_support.h"
#include "scripted_desktop.h"
#include "text/cp932.h"
#include "widgets/color_swatch.h"

using namespace kaz::gui;

Q_DECLARE_METATYPE(std::string)

using namespace guitest;

namespace {

QLineEdit* colorEdit(HtmlSettingsDialog& dlg, int row) {
    return dlg.findChild<QLineEdit*>(QStringLiteral("colorEdit%1").arg(row));
}
QPushButton* browseButton(HtmlSettingsDialog& dlg, int row) {
    return dlg.findChild<QPushButton*>(QStringLiteral("browseButton%1").arg(row));
}
QPushButton* button(HtmlSettingsDialog& dlg, const char* name) {
    return dlg.findChild<QPushButton*>(QString::fromLatin1(name));
}
QCheckBox* check(HtmlSettingsDialog& dlg, const char* name) {
    return dlg.findChild<QCheckBox*>(QString::fromLatin1(name));
}

// Whether a row's swatch is crossed out, as painted: white inside, away from the cross, with
// red in the middle.
bool swatchCrossed(HtmlSettingsDialog& dlg, int row) {
    auto* swatch = dlg.findChild<ColorSwatch*>(QStringLiteral("swatch%1").arg(row));
    if (!swatch) return false;
    const QImage image = swatch->grab().toImage();
    const QColor middle = image.pixelColor(image.width() / 2, image.height() / 2);
    return image.pixelColor(image.width() / 2, 2) == Qt::white &&
           image.pixelColor(2, image.height() / 2) == Qt::white && middle.red() > 200 &&
           middle.green() < 100;
}

QString unreadableNote(HtmlSettingsDialog& dlg) {
    auto* note = dlg.findChild<QLabel*>(QStringLiteral("unreadableNote"));
    return note && note->isVisible() ? note->text() : QStringLiteral("(no note)");
}

// The colour in the middle of a row's swatch, as painted.
QColor swatchColor(HtmlSettingsDialog& dlg, int row) {
    auto* swatch = dlg.findChild<ColorSwatch*>(QStringLiteral("swatch%1").arg(row));
    if (!swatch) return QColor();
    const QImage image = swatch->grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

// UTF-8 to the CP932 bytes the document holds.
std::string sjis(const char* utf8) { return kaz::utf8ToCp932(utf8).value(); }

void openDialog(HtmlSettingsDialog& dlg) {
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
}

// Replaces the whole text of a row's edit by typing it.
void typeInto(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    typeText(edit, text);
}

}  // namespace

class TestHtmlSettingsDialog : public QObject {
    Q_OBJECT

private slots:
    void newBracketShowsDefaults() {
        HtmlSettingsDialog dlg;
        dlg.setColorSet(kaz::ColorSet());
        dlg.setBoldFlags(false, false);
        openDialog(dlg);

        QCOMPARE(dlg.windowTitle(), QStringLiteral("HTML設定"));
        const char* const labels[] = {"勝利線色", "敗北線色", "背景色", "メンバー名表示色",
                                      "点数表示色"};
        const char* const texts[] = {"#DC143C", "#808080", "#FFFFFF", "#000000", "#FF9000"};
        for (int row = 0; row < 5; ++row) {
            QLineEdit* edit = colorEdit(dlg, row);
            QVERIFY(edit);
            // Each edit, swatch and browse button sits in the group of its own colour.
            auto* group = qobject_cast<QGroupBox*>(edit->parentWidget());
            QVERIFY(group);
            QCOMPARE(group->title(), QString::fromUtf8(labels[row]));
            QCOMPARE(browseButton(dlg, row)->parentWidget(), group);
            QCOMPARE(browseButton(dlg, row)->text(), QStringLiteral("参照"));
            QCOMPARE(edit->text(), QString::fromLatin1(texts[row]));
            QCOMPARE(swatchColor(dlg, row), QColor(QString::fromLatin1(texts[row])));
        }
        QCOMPARE(check(dlg, "boldMemberCheck")->text(), QStringLiteral("ﾒﾝﾊﾞｰ名太字"));
        QCOMPARE(check(dlg, "boldScoreCheck")->text(), QStringLiteral("点数太字"));
        QVERIFY(!check(dlg, "boldMemberCheck")->isChecked());
        QVERIFY(!check(dlg, "boldScoreCheck")->isChecked());
        QCOMPARE(button(dlg, "okButton")->text(), QStringLiteral("OK"));
        QVERIFY(button(dlg, "okButton")->isDefault());
        QCOMPARE(button(dlg, "cancelButton")->text(), QStringLiteral("ｷｬﾝｾﾙ"));
        QCOMPARE(QApplication::focusWidget(), button(dlg, "okButton"));

        QTest::mouseClick(button(dlg, "okButton"), Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QVERIFY(dlg.colorSet() == kaz::ColorSet());
    }

    // A typed colour is stored in the one form, "#RRGGBB" in upper case.
    void typedColorIsStored_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<std::string>("stored");
        QTest::newRow("lower case") << 2 << "#ff0000" << std::string("#FF0000");
        QTest::newRow("three digits") << 0 << "#f0a" << std::string("#FF00AA");
        QTest::newRow("a name") << 3 << "red" << std::string("#FF0000");
        QTest::newRow("a name, any case, blanks around")
            << 4 << " darkSlateBlue " << std::string("#483D8B");
    }
    void typedColorIsStored() {
        QFETCH(int, row);
        QFETCH(QString, typed);
        QFETCH(std::string, stored);
        HtmlSettingsDialog dlg;
        dlg.setColorSet(kaz::ColorSet());
        openDialog(dlg);
        typeInto(colorEdit(dlg, row), typed);
        QCOMPARE(colorEdit(dlg, row)->text(), typed);
        QCOMPARE(swatchColor(dlg, row), QColor(QString::fromStdString(stored)));
        QTest::mouseClick(button(dlg, "okButton"), Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        kaz::ColorSet expected;
        expected.at(row) = stored;
        QCOMPARE(dlg.colorSet().at(row), stored);
        QVERIFY(dlg.colorSet() == expected);
    }

    // Any other text crosses its swatch out and is named in the dialog; OK then leaves the
    // dialog open, gives its box the focus and stores nothing; once the text is a colour, the
    // note goes and OK goes through.
    void otherTextIsRefusedAtOk_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("7 bytes, not a colour") << 3 << "#GHIJKL"
                                               << "#GHIJKL";
        QTest::newRow("five digits") << 0 << "#DC143"
                                     << "#DC143";
        QTest::newRow("eight digits") << 1 << "#DC143C00"
                                      << "#DC143C00";
        QTest::newRow("emptied") << 2 << ""
                                 << "";
        QTest::newRow("no such name") << 4 << "reddish"
                                      << "reddish";
        QTest::newRow("transparent") << 4 << "transparent"
                                     << "transparent";
        QTest::newRow("full-width") << 0 << "＃ＡＢＣ"
                                    << "＃ＡＢＣ";
        // Characters CP932 cannot hold are refused as they are typed; the rest is no colour.
        QTest::newRow("outside CP932") << 1 << "#한①ab😀cd"
                                       << "#①abcd";
    }
    void otherTextIsRefusedAtOk() {
        QFETCH(int, row);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        HtmlSettingsDialog dlg;
        dlg.setColorSet(kaz::ColorSet());
        openDialog(dlg);
        typeInto(colorEdit(dlg, row), typed);
        QCOMPARE(colorEdit(dlg, row)->text(), shown);
        QVERIFY(swatchCrossed(dlg, row));
        QCOMPARE(unreadableNote(dlg), QStringLiteral("色として読めません: ") + shown);
        // An earlier row that is a colour does not get through alone.
        typeInto(colorEdit(dlg, row == 0 ? 4 : 0), QStringLiteral("#123"));
        QTest::mouseClick(button(dlg, "okButton"), Qt::LeftButton);
        QVERIFY(dlg.isVisible());
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QCOMPARE(QApplication::focusWidget(), colorEdit(dlg, row));
        QVERIFY(dlg.colorSet() == kaz::ColorSet());

        typeInto(colorEdit(dlg, row), QStringLiteral("#abcdef"));
        QCOMPARE(unreadableNote(dlg), QString());
        QTest::keyClick(colorEdit(dlg, row), Qt::Key_Return);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.colorSet().at(row), std::string("#ABCDEF"));
        QCOMPARE(dlg.colorSet().at(row == 0 ? 4 : 0), std::string("#112233"));
    }

    // Every change counts, not only the final text: the swatch is crossed out the moment the
    // text is no colour, and shows the colour again when it is one.
    void swatchFollowsEachKeystroke() {
        HtmlSettingsDialog dlg;
        dlg.setColorSet(kaz::ColorSet());
        openDialog(dlg);
        QLineEdit* edit = colorEdit(dlg, 0);
        edit->setFocus();
        edit->end(false);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QStringLiteral("#DC143"));
        QVERIFY(swatchCrossed(dlg, 0));
        QTest::keyClick(edit, Qt::Key_D);
        QCOMPARE(swatchColor(dlg, 0), QColor(0xDC, 0x14, 0x3D));
        // Nothing is stored before OK.
        QCOMPARE(dlg.colorSet().winLineColor, std::string("#DC143C"));
    }

    // Colour strings from a file are kept exactly, whatever they hold, while their boxes are
    // left as they were opened; the swatch shows them as the screen paints them.
    void loadedStringsAreKept_data() {
        QTest::addColumn<std::string>("loaded");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QColor>("swatch");
        QTest::newRow("empty") << std::string() << "" << QColor(0, 0, 0);
        QTest::newRow("short") << std::string("#FFF") << "#FFF" << QColor(0xFF, 0x0F, 0);
        QTest::newRow("lower case") << std::string("#ff9000") << "#ff9000" << QColor(0xFF, 0x90, 0);
        QTest::newRow("long") << std::string("#12345678") << "#12345678"
                              << QColor(0x12, 0x34, 0x56);
        // Read from the second byte on as the screen reads it: "ed" is a hexadecimal number.
        QTest::newRow("a name") << std::string("red") << "red" << QColor(0xED, 0, 0);
        QTest::newRow("two-byte character") << sjis("赤") << "赤" << QColor(0, 0, 0);
        // Bytes that are not CP932 are shown as stand-ins but kept as they were.
        QTest::newRow("damaged bytes")
            << std::string("#\x80\x80\x80\x80\x80\x80") << "#\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"
            << QColor(0, 0, 0);
    }
    void loadedStringsAreKept() {
        QFETCH(std::string, loaded);
        QFETCH(QString, shown);
        QFETCH(QColor, swatch);
        kaz::ColorSet colors;
        colors.scoreColor = loaded;
        HtmlSettingsDialog dlg;
        dlg.setColorSet(colors);
        openDialog(dlg);
        QCOMPARE(colorEdit(dlg, 4)->text(), shown);
        QCOMPARE(swatchColor(dlg, 4), swatch);
        QTest::keyClick(&dlg, Qt::Key_Return);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.colorSet().scoreColor, loaded);
        QCOMPARE(dlg.colorSet().winLineColor, std::string("#DC143C"));
    }

    // Damaged text edited is typed text, and no colour; typed back as it was, it is the file's
    // again, byte for byte.
    void editingAroundDamagedBytes() {
        kaz::ColorSet colors;
        colors.memberColor = "#\x80\x80\x80\x80\x80";
        HtmlSettingsDialog dlg;
        dlg.setColorSet(colors);
        openDialog(dlg);
        QLineEdit* edit = colorEdit(dlg, 3);
        edit->setFocus();
        edit->end(false);
        QTest::keyClick(edit, Qt::Key_1);
        QCOMPARE(edit->text().size(), 7);
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(dlg.isVisible());
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.colorSet().memberColor, colors.memberColor);
    }

    void browse_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("typedFirst");  // empty: leave the row as opened
        QTest::addColumn<QColor>("initial");
        QTest::addColumn<std::optional<QColor>>("answer");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<std::string>("stored");
        QTest::addColumn<QColor>("swatch");
        QTest::newRow("pick, upper case")
            << 4 << "" << QColor(255, 0x90, 0) << std::optional<QColor>(QColor(0xAB, 0xCD, 0xEF))
            << "#ABCDEF" << std::string("#ABCDEF") << QColor(0xAB, 0xCD, 0xEF);
        QTest::newRow("starts on typed lower case")
            << 1 << "#0a0b0c" << QColor(10, 11, 12) << std::optional<QColor>(QColor(1, 2, 3))
            << "#010203" << std::string("#010203") << QColor(1, 2, 3);
        QTest::newRow("cancel") << 0 << "" << QColor(0xDC, 0x14, 0x3C) << std::optional<QColor>()
                                << "#DC143C" << std::string("#DC143C") << QColor(0xDC, 0x14, 0x3C);
    }
    void browse() {
        QFETCH(int, row);
        QFETCH(QString, typedFirst);
        QFETCH(QColor, initial);
        QFETCH(std::optional<QColor>, answer);
        QFETCH(QString, shown);
        QFETCH(std::string, stored);
        QFETCH(QColor, swatch);
        ScriptedDesktop desktop;
        desktop.colorAnswers.enqueue(answer);
        HtmlSettingsDialog dlg;
        dlg.setColorSet(kaz::ColorSet());
        openDialog(dlg);
        if (!typedFirst.isEmpty()) typeInto(colorEdit(dlg, row), typedFirst);

        QTest::mouseClick(browseButton(dlg, row), Qt::LeftButton);
        QCOMPARE(desktop.colorRequests, QList<QColor>{initial});
        QCOMPARE(colorEdit(dlg, row)->text(), shown);
        QCOMPARE(swatchColor(dlg, row), swatch);
        QVERIFY(dlg.isVisible());
        QTest::mouseClick(button(dlg, "okButton"), Qt::LeftButton);
        kaz::ColorSet expected;
        expected.at(row) = stored;
        QVERIFY(dlg.colorSet() == expected);
    }

    // The flags change only through OK, and setBoldFlags takes the score flag first.
    void boldFlags_data() {
        QTest::addColumn<bool>("score");
        QTest::addColumn<bool>("member");
        QTest::addColumn<bool>("clickMember");
        QTest::addColumn<bool>("clickScore");
        QTest::newRow("check member") << false << false << true << false;
        QTest::newRow("check score") << false << false << false << true;
        QTest::newRow("score given, untouched") << true << false << false << false;
    }
    void boldFlags() {
        QFETCH(bool, score);
        QFETCH(bool, member);
        QFETCH(bool, clickMember);
        QFETCH(bool, clickScore);
        HtmlSettingsDialog dlg;
        dlg.setColorSet(kaz::ColorSet());
        dlg.setBoldFlags(score, member);
        openDialog(dlg);
        QCOMPARE(check(dlg, "boldScoreCheck")->isChecked(), score);
        QCOMPARE(check(dlg, "boldMemberCheck")->isChecked(), member);
        if (clickMember) QTest::mouseClick(check(dlg, "boldMemberCheck"), Qt::LeftButton);
        if (clickScore) QTest::mouseClick(check(dlg, "boldScoreCheck"), Qt::LeftButton);
        // Nothing is read back before OK.
        QCOMPARE(dlg.boldMemberNames(), member);
        QCOMPARE(dlg.boldScores(), score);
        QTest::mouseClick(button(dlg, "okButton"), Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.boldMemberNames(), member != clickMember);
        QCOMPARE(dlg.boldScores(), score != clickScore);
    }

    void cancelChangesNothing_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("ｷｬﾝｾﾙ button") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("close box") << 2;
    }
    void cancelChangesNothing() {
        QFETCH(int, how);
        HtmlSettingsDialog dlg;
        dlg.setColorSet(kaz::ColorSet());
        dlg.setBoldFlags(false, true);
        openDialog(dlg);
        typeInto(colorEdit(dlg, 0), QStringLiteral("#123456"));
        QTest::mouseClick(check(dlg, "boldMemberCheck"), Qt::LeftButton);
        QTest::mouseClick(check(dlg, "boldScoreCheck"), Qt::LeftButton);
        switch (how) {
            case 0: QTest::mouseClick(button(dlg, "cancelButton"), Qt::LeftButton); break;
            case 1: QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); break;
            default: dlg.close(); break;
        }
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QCOMPARE(dlg.boldMemberNames(), true);
        QCOMPARE(dlg.boldScores(), false);
    }

    void tabOrder() {
        HtmlSettingsDialog dlg;
        dlg.setColorSet(kaz::ColorSet());
        openDialog(dlg);
        const QStringList expected = {
            "cancelButton",   "colorEdit0",    "browseButton0", "colorEdit1",    "colorEdit2",
            "colorEdit3",     "browseButton1", "browseButton2", "browseButton3", "boldMemberCheck",
            "boldScoreCheck", "colorEdit4",    "browseButton4", "okButton",
        };
        QStringList visited;
        for (int i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
    }
};

QTEST_MAIN(TestHtmlSettingsDialog)
#include "tst_html_settings_dialog.moc"
