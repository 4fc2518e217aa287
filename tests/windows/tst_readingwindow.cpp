#include "support/testsupport.h"

#include <QClipboard>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

class TestReadingWindow : public WindowTest
{
    Q_OBJECT

    ReadingWindow &readingFor(int day, int month) { return askForReading(startProgram(), day, month); }

private Q_SLOTS:
    void clipboardIsNeverTouched()
    {
        QApplication::clipboard()->setText(QStringLiteral("the user's text"));
        ReadingWindow &reading = readingFor(9, 9);
        QApplication::setActiveWindow(&reading);
        for (QPlainTextEdit *box : {control<QPlainTextEdit>(reading, "txtSunSignPositiveTraits"),
                                    control<QPlainTextEdit>(reading, "txtSunSignNegativeTraits")}) {
            QTest::mouseMove(box->viewport(), QPoint(20, 10));
            QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
            QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
            box->setFocus();
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_Insert, Qt::ControlModifier);
            QVERIFY(box->textCursor().selectedText().isEmpty());
            QCOMPARE(box->contextMenuPolicy(), Qt::NoContextMenu);
        }
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("the user's text"));
        if (QApplication::clipboard()->supportsSelection())
            QVERIFY(QApplication::clipboard()->text(QClipboard::Selection).isEmpty());
    }

    // Each key from the top: where the long text stands after it.
    void longTextsScrollFromTheKeyboard_data()
    {
        QTest::addColumn<QList<int>>("keys"); // key codes, Control added to those with ctrl
        QTest::addColumn<QString>("at");      // "top", "bottom" or "between"
        const int ctrl = int(Qt::ControlModifier);
        QTest::newRow("Page Down") << QList<int>{Qt::Key_PageDown} << "between";
        QTest::newRow("Page Down, Up, Page Up") << QList<int>{Qt::Key_PageDown, Qt::Key_Up, Qt::Key_PageUp} << "top";
        QTest::newRow("End") << QList<int>{Qt::Key_End} << "bottom";
        QTest::newRow("Ctrl+End") << QList<int>{Qt::Key_End | ctrl} << "bottom";
        QTest::newRow("End, Home") << QList<int>{Qt::Key_End, Qt::Key_Home} << "top";
        QTest::newRow("End, Ctrl+Home") << QList<int>{Qt::Key_End, Qt::Key_Home | ctrl} << "top";
    }

    void longTextsScrollFromTheKeyboard()
    {
        QFETCH(QList<int>, keys);
        QFETCH(QString, at);
        ReadingWindow &reading = readingFor(21, 7);
        QApplication::setActiveWindow(&reading);
        QPlainTextEdit *box = control<QPlainTextEdit>(reading, "txtSunSignPositiveTraits");
        box->setFocus();
        QScrollBar *bar = box->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        for (const int key : keys)
            QTest::keyClick(box, Qt::Key(key & ~int(Qt::ControlModifier)), Qt::KeyboardModifiers(key & Qt::ControlModifier));
        if (at == QLatin1String("top"))
            QCOMPARE(bar->value(), 0);
        else if (at == QLatin1String("bottom"))
            QCOMPARE(bar->value(), bar->maximum());
        else
            QVERIFY(bar->value() > 0 && bar->value() < bar->maximum());
        QVERIFY(box->textCursor().selectedText().isEmpty());
    }

};

QTEST_MAIN(TestReadingWindow)
#include "tst_readingwindow.moc"
