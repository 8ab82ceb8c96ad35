// The bracket view through its real widgets: layout, clicks, painting, two views on one bracket.

#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include "document/bracket_document.h"
#include "type_text.h"
#include "common/qt_colors.h"
#include "view/bracket_view.h"
#include "view/line_widget.h"
#include "view/member_name_edit.h"
#include "dialogs/text_input_dialog.h"

namespace {

QString States(const CKaz_editDoc& doc) {
    QString text;
    for (int i = 0; i < doc.GetBracket().GetLineCount(); ++i) {
        text += QString::number(doc.GetState(i));
    }
    return text;
}

// Answers the next modal text dialog by typing `text` and pressing `key`.
void AnswerTextDialog(const QString& text, Qt::Key key) {
    QTimer::singleShot(0, [text, key] {
        auto* dialog = qobject_cast<TextInputDlg*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        TypeText(dialog->Edit(), text);
        if (key == Qt::Key_unknown) {
            dialog->close();
        } else {
            QTest::keyClick(dialog->Edit(), key);
        }
    });
}

QColor PixelAt(QWidget* widget, int x, int y) { return widget->grab().toImage().pixelColor(x, y); }

}  // namespace

class TestEditorView : public QObject {
    Q_OBJECT
private slots:
    void layoutOfEverySize_data();
    void layoutOfEverySize();
    void lineGeometryOfFourMembers();
    void scrollStepsOfThirtyTwoMembers();
    void mouseSequenceOfEightMembers();
    void finalLineCycles();
    void doubleClickOnLineWhoseOpponentHadWon();
    void scoreDialogStoresTrimmedTextOnEnterOnly_data();
    void scoreDialogStoresTrimmedTextOnEnterOnly();
    void championDialogKeepsBlanks();
    void strokeColoursFollowState();
    void scoreIsDrawnRightAlignedInScoreColour();
    void joinStaysContinuousThroughScore();
    void backgroundColourReachesEveryPart();
    void longChampionStaysRightOfTheFinal_data();
    void longChampionStaysRightOfTheFinal();
    void tabCyclesThroughNameBoxesOnly();
    void typingMarksNameEditedButLoadingDoesNot();
    void typingRefusesCharactersOutsideCp932();
    void twoViewsStayInStep();
};

void TestEditorView::layoutOfEverySize_data() {
    QTest::addColumn<int>("players");
    QTest::addColumn<QSize>("extent");
    QTest::addColumn<QRect>("finalLine");
    QTest::addColumn<QPoint>("champion");
    QTest::newRow("4") << 4 << QSize(470, 186) << QRect(300, 25, 70, 136) << QPoint(375, 87);
    QTest::newRow("8") << 8 << QSize(540, 322) << QRect(370, 25, 70, 272) << QPoint(445, 155);
    QTest::newRow("16") << 16 << QSize(610, 594) << QRect(440, 25, 70, 544) << QPoint(515, 291);
    QTest::newRow("32") << 32 << QSize(680, 1138) << QRect(510, 25, 70, 1088) << QPoint(585, 563);
}

void TestEditorView::layoutOfEverySize() {
    QFETCH(int, players);
    QFETCH(QSize, extent);
    QFETCH(QRect, finalLine);
    QFETCH(QPoint, champion);
    CKaz_editDoc doc{kaz::Bracket(players)};
    CKaz_editView view(&doc);

    QCOMPARE(view.Canvas()->size(), extent);
    QCOMPARE(view.ChampionPosition(), champion);
    QCOMPARE(int(view.NameEdits().size()), players);
    for (int i = 0; i < players; ++i) {
        QCOMPARE(view.NameEdits()[i]->geometry(), QRect(50, 34 * (i + 1), 110, 20));
    }
    QCOMPARE(int(view.Lines().size()), 2 * players - 1);
    for (int i = 0; i < 2 * players - 1; ++i) {
        QCOMPARE(view.Lines()[i]->GetIndex(), i);
        QCOMPARE(view.Lines()[i]->focusPolicy(), Qt::NoFocus);
    }
    QCOMPARE(view.Lines().back()->geometry(), finalLine);
    QCOMPARE(view.Lines().back()->GetKind(), 2);
    QCOMPARE(view.Lines()[players - 1]->GetKind(), 1);
    QCOMPARE(view.Lines()[players]->GetKind(), 0);
}

void TestEditorView::lineGeometryOfFourMembers() {
    CKaz_editDoc doc{kaz::Bracket(4)};
    CKaz_editView view(&doc);
    const QList<QRect> expected = {QRect(160, 25, 70, 34),  QRect(160, 59, 70, 34),
                                   QRect(160, 93, 70, 34),  QRect(160, 127, 70, 34),
                                   QRect(230, 25, 70, 68),  QRect(230, 93, 70, 68),
                                   QRect(300, 25, 70, 136)};
    for (int i = 0; i < expected.size(); ++i) QCOMPARE(view.Lines()[i]->geometry(), expected[i]);
}

void TestEditorView::scrollStepsOfThirtyTwoMembers() {
    CKaz_editDoc doc{kaz::Bracket(32)};
    CKaz_editView view(&doc);
    view.resize(300, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(view.horizontalScrollBar()->pageStep(), 68);
    QCOMPARE(view.verticalScrollBar()->pageStep(), 113);
    QCOMPARE(view.horizontalScrollBar()->singleStep(), 6);
    QCOMPARE(view.verticalScrollBar()->singleStep(), 11);
    view.resize(400, 350);
    QCOMPARE(view.verticalScrollBar()->pageStep(), 113);

    // The champion's name moves with the scroll position.
    view.verticalScrollBar()->setValue(100);
    const QPoint onScreen = view.Canvas()->mapTo(&view, view.ChampionPosition());
    QCOMPARE(onScreen.y(), 563 - 100);
}

void TestEditorView::mouseSequenceOfEightMembers() {
    CKaz_editDoc doc{kaz::Bracket(8)};
    CKaz_editView view(&doc);
    const auto& lines = view.Lines();
    auto click = [&](int i) { QTest::mouseClick(lines[i], Qt::LeftButton); };
    auto doubleClick = [&](int i) {
        QTest::mouseClick(lines[i], Qt::LeftButton);
        QTest::mouseDClick(lines[i], Qt::LeftButton);
    };
    // Each step with the line states 0 … 14 after it.
    click(0);
    QCOMPARE(States(doc), QString("100000003000000"));
    click(2);
    QCOMPARE(States(doc), QString("101000003300000"));
    click(8);
    QCOMPARE(States(doc), QString("101000001300300"));
    click(1);
    QCOMPARE(States(doc), QString("011000001300300"));
    click(9);
    QCOMPARE(States(doc), QString("011000004100300"));
    click(12);
    QCOMPARE(States(doc), QString("011000004100102"));
    click(14);
    QCOMPARE(States(doc), QString("011000004100100"));
    click(14);
    QCOMPARE(States(doc), QString("011000004100101"));
    doubleClick(12);
    QCOMPARE(States(doc), QString("011000004100000"));
    doubleClick(1);
    QCOMPARE(States(doc), QString("001000000100000"));
}

void TestEditorView::finalLineCycles() {
    CKaz_editDoc doc{kaz::Bracket(4)};
    CKaz_editView view(&doc);
    QTest::mouseClick(view.Lines()[6], Qt::LeftButton);
    QCOMPARE(States(doc), QString("0000001"));
    QTest::mouseClick(view.Lines()[6], Qt::LeftButton);
    QCOMPARE(States(doc), QString("0000000"));
    QTest::mouseClick(view.Lines()[4], Qt::LeftButton);
    QCOMPARE(States(doc), QString("0000102"));
    QTest::mouseClick(view.Lines()[6], Qt::LeftButton);
    QCOMPARE(States(doc), QString("0000100"));
}

void TestEditorView::doubleClickOnLineWhoseOpponentHadWon() {
    CKaz_editDoc doc{kaz::Bracket(4)};
    CKaz_editView view(&doc);
    QTest::mouseClick(view.Lines()[0], Qt::LeftButton);
    QCOMPARE(States(doc), QString("1000300"));
    QTest::mouseClick(view.Lines()[1], Qt::LeftButton);
    QTest::mouseDClick(view.Lines()[1], Qt::LeftButton);
    QCOMPARE(States(doc), QString("0000000"));
}

void TestEditorView::scoreDialogStoresTrimmedTextOnEnterOnly_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<QByteArray>("score");
    QTest::newRow("enter") << "3" << int(Qt::Key_Return) << QByteArray("3");
    QTest::newRow("blanks trimmed") << "  12 " << int(Qt::Key_Return) << QByteArray("12");
    QTest::newRow("only blanks") << "   " << int(Qt::Key_Return) << QByteArray("");
    QTest::newRow("empty clears") << "" << int(Qt::Key_Enter) << QByteArray("");
    QTest::newRow("escape keeps") << "9" << int(Qt::Key_Escape) << QByteArray("old");
    QTest::newRow("close box keeps") << "9" << int(Qt::Key_unknown) << QByteArray("old");
    QTest::newRow("tenth byte refused") << "1234567890" << int(Qt::Key_Return)
                                        << QByteArray("123456789");
    QTest::newRow("double-byte counts two")
        << "勝ち勝ち勝" << int(Qt::Key_Return) << QByteArray("\x8F\x9F\x82\xBF\x8F\x9F\x82\xBF");
}

void TestEditorView::scoreDialogStoresTrimmedTextOnEnterOnly() {
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(QByteArray, score);
    CKaz_editDoc doc{kaz::Bracket(4)};
    doc.SetScore(2, "old");
    CKaz_editView view(&doc);
    AnswerTextDialog(typed, Qt::Key(key));
    QTest::mouseClick(view.Lines()[2], Qt::RightButton);
    QCOMPARE(QByteArray::fromStdString(doc.GetScore(2)), score);
    QCOMPARE(doc.GetBracket().GetChampion(), std::string());
}

void TestEditorView::championDialogKeepsBlanks() {
    CKaz_editDoc doc{kaz::Bracket(4)};
    CKaz_editView view(&doc);
    AnswerTextDialog(QStringLiteral("  優勝A "), Qt::Key_Return);
    QTest::mouseClick(view.Lines()[6], Qt::RightButton);
    QCOMPARE(doc.GetChampionText(), QStringLiteral("  優勝A "));
    QCOMPARE(doc.GetScore(6), std::string());

    AnswerTextDialog(QStringLiteral("x"), Qt::Key_Escape);
    QTest::mouseClick(view.Lines()[6], Qt::RightButton);
    QCOMPARE(doc.GetChampionText(), QStringLiteral("  優勝A "));
}

void TestEditorView::strokeColoursFollowState() {
    CKaz_editDoc doc{kaz::Bracket(4)};
    CKaz_editView view(&doc);
    const QColor win(0xDC, 0x14, 0x3C);
    const QColor lose(0x80, 0x80, 0x80);
    CKaz_line* upper = view.Lines()[0];  // 70 × 34: stroke at y 17, join at x 67 … 69 below it
    QCOMPARE(PixelAt(upper, 30, 17), lose);
    QCOMPARE(PixelAt(upper, 68, 28), lose);
    QCOMPARE(PixelAt(upper, 30, 8), Qt::white);

    QTest::mouseClick(upper, Qt::LeftButton);  // won: both strokes in the win colour
    QCOMPARE(PixelAt(upper, 30, 17), win);
    QCOMPARE(PixelAt(upper, 68, 28), win);
    QCOMPARE(PixelAt(view.Lines()[4], 30, 34), win);  // the next line was reached …
    QCOMPARE(PixelAt(view.Lines()[4], 68, 50), lose);  // … but has not won

    QTest::mouseClick(upper, Qt::LeftButton);  // reached: horizontal only
    QCOMPARE(PixelAt(upper, 30, 17), win);
    QCOMPARE(PixelAt(upper, 68, 28), lose);

    CKaz_line* lower = view.Lines()[1];  // its join runs up from above the stroke
    QTest::mouseClick(lower, Qt::LeftButton);
    QCOMPARE(PixelAt(lower, 68, 5), win);
    QCOMPARE(PixelAt(lower, 68, 25), Qt::white);
}

void TestEditorView::scoreIsDrawnRightAlignedInScoreColour() {
    CKaz_editDoc doc{kaz::Bracket(4)};
    doc.SetScore(0, "888");
    CKaz_editView view(&doc);
    const QImage image = view.Lines()[0]->grab().toImage();
    const QColor score(0xFF, 0x90, 0x00);
    // A three-byte score starts at 70 - 24 = 46 and is drawn below the stroke (from y 20).
    int left = 70;
    int right = -1;
    for (int y = 20; y < 34; ++y) {
        for (int x = 0; x < 66; ++x) {
            if (image.pixelColor(x, y) == score) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    QVERIFY2(left >= 46 && left <= 49, qPrintable(QString::number(left)));
    QVERIFY(right > left);
    for (int x = 0; x < 66; ++x) QVERIFY(image.pixelColor(x, 12) != score);  // not above it

    doc.SetScore(1, "7");  // a lower line's score stands above its stroke
    const QImage lower = view.Lines()[1]->grab().toImage();
    bool above = false;
    for (int y = 0; y < 15; ++y) {
        for (int x = 50; x < 66; ++x) above = above || lower.pixelColor(x, y) == score;
    }
    QVERIFY(above);
}

void TestEditorView::joinStaysContinuousThroughScore() {
    CKaz_editDoc doc{kaz::Bracket(4)};
    doc.SetScore(0, "123456789");
    doc.SetScore(1, "123456789");
    CKaz_editView view(&doc);
    QTest::mouseClick(view.Lines()[0], Qt::LeftButton);
    const QColor win(0xDC, 0x14, 0x3C);
    const QColor lose(0x80, 0x80, 0x80);
    const QImage upper = view.Lines()[0]->grab().toImage();
    for (int y = 19; y < 34; ++y) QCOMPARE(upper.pixelColor(68, y), win);
    const QImage lower = view.Lines()[1]->grab().toImage();
    for (int y = 0; y < 15; ++y) QCOMPARE(lower.pixelColor(68, y), lose);
}

void TestEditorView::backgroundColourReachesEveryPart() {
    CKaz_editDoc doc{kaz::Bracket(4)};
    doc.SetScore(0, "1");
    CKaz_editView view(&doc);
    view.resize(500, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    kaz::ColorSet colors = doc.GetColors();
    colors.m_strBackColor = "#102030";
    doc.SetHtmlSettings(colors, false, false);
    const QColor back(0x10, 0x20, 0x30);
    QCOMPARE(PixelAt(view.Canvas(), 10, 10), back);
    QCOMPARE(PixelAt(view.Lines()[0], 30, 5), back);
    QCOMPARE(view.NameEdits()[0]->palette().color(QPalette::Base), back);
    // Behind the score's own text, too.
    const QImage image = view.Lines()[0]->grab().toImage();
    const QColor score(0xFF, 0x90, 0x00);
    int backInBand = 0;
    for (int x = 55; x < 66; ++x) {
        for (int y = 20; y < 34; ++y) {
            const QColor c = image.pixelColor(x, y);
            QVERIFY(c != Qt::white);
            backInBand += c == back;
        }
    }
    QVERIFY(backInBand > 0);
}

void TestEditorView::longChampionStaysRightOfTheFinal_data() {
    QTest::addColumn<int>("length");
    QTest::newRow("a hundred") << 100;
    QTest::newRow("four million") << (4 << 20);  // as long as a file can bring
}

// A name longer than its space is cut at the bracket's extent, never drawn over the members.
void TestEditorView::longChampionStaysRightOfTheFinal() {
    QFETCH(int, length);
    CKaz_editDoc doc{kaz::Bracket(4)};
    doc.SetChampion(std::string(size_t(length), 'W'));
    CKaz_editView view(&doc);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QImage image = view.Canvas()->grab().toImage();
    const QColor score(0xFF, 0x90, 0x00);
    int inScoreColour = 0;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixelColor(x, y) != score) continue;
            QVERIFY2(x >= view.ChampionPosition().x(), qPrintable(QString::number(x)));
            ++inScoreColour;
        }
    }
    QVERIFY(inScoreColour > 0);
}

void TestEditorView::tabCyclesThroughNameBoxesOnly() {
    CKaz_editDoc doc{kaz::Bracket(4)};
    CKaz_editView view(&doc);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const auto& boxes = view.NameEdits();
    boxes[2]->setFocus();
    QTRY_VERIFY(boxes[2]->hasFocus());
    QTest::keyClick(boxes[2], Qt::Key_Tab);
    QVERIFY(boxes[3]->hasFocus());
    QTest::keyClick(boxes[3], Qt::Key_Tab);
    QVERIFY(boxes[0]->hasFocus());
    QTest::keyClick(boxes[0], Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(boxes[3]->hasFocus());
    QTest::mouseClick(view.Lines()[0], Qt::LeftButton);
    QVERIFY(boxes[3]->hasFocus());
}

void TestEditorView::typingMarksNameEditedButLoadingDoesNot() {
    std::vector<kaz::LineResult> lines(7);
    CKaz_editDoc doc{kaz::Bracket::Loaded(4, {"A", "B", "C", "D"}, lines, kaz::ColorSet(), "")};
    CKaz_editView view(&doc);
    QCOMPARE(view.NameEdits()[1]->text(), QStringLiteral("B"));
    QVERIFY(!doc.IsModified());
    TypeText(view.NameEdits()[1], QStringLiteral("選手"));
    QCOMPARE(doc.GetMemberNameText(1), QStringLiteral("B選手"));
    QVERIFY(doc.GetBracket().IsMemberEdited(1));
    QVERIFY(!doc.GetBracket().IsMemberEdited(0));
    QVERIFY(doc.IsModified());
}

void TestEditorView::typingRefusesCharactersOutsideCp932() {
    CKaz_editDoc doc{kaz::Bracket(4)};
    CKaz_editView view(&doc);
    CMemberEdit* box = view.NameEdits()[0];
    TypeText(box, QStringLiteral("Aé"));  // é has no CP932 code
    TypeText(box, QStringLiteral("～Ｂ"));
    QCOMPARE(box->text(), QStringLiteral("A～Ｂ"));
    QCOMPARE(QByteArray::fromStdString(doc.GetBracket().GetMemberName(0)),
             QByteArray("A\x81\x60\x82\x61"));
}

void TestEditorView::twoViewsStayInStep() {
    CKaz_editDoc doc{kaz::Bracket(4)};
    CKaz_editView first(&doc);
    CKaz_editView second(&doc);
    TypeText(first.NameEdits()[0], QStringLiteral("山田"));
    QCOMPARE(second.NameEdits()[0]->text(), QStringLiteral("山田"));
    QTest::mouseClick(second.Lines()[0], Qt::LeftButton);
    QCOMPARE(PixelAt(first.Lines()[0], 30, 17), QColor(0xDC, 0x14, 0x3C));
    QCOMPARE(PixelAt(first.Lines()[4], 30, 34), QColor(0xDC, 0x14, 0x3C));
    QCOMPARE(doc.GetBracket().GetLineCount(), 7);
    QVERIFY(doc.IsModified());
}

QTEST_MAIN(TestEditorView)
#include "tst_bracket_view.moc"
