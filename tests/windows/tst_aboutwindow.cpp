#include "support/testsupport.h"

#include <QTest>
#include <QTimer>

class TestAboutWindow : public WindowTest
{
    Q_OBJECT

    InputWindow *input = nullptr;

private Q_SLOTS:
    void init()
    {
        WindowTest::init();
        input = &startProgram();
    }

    void aboutIsModalAndClosesByOkEnterAndEscape_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("OK clicked") << 0;
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }

    void aboutIsModalAndClosesByOkEnterAndEscape()
    {
        QFETCH(int, key);
        control<QLineEdit>(input, "txtFirstName")->setText(QStringLiteral("KEPT"));
        bool wasModal = false;
        QTimer::singleShot(0, [&] {
            auto *about = qobject_cast<AboutWindow *>(QApplication::activeModalWidget());
            QVERIFY(about);
            // A dialog of the window it was opened from.
            wasModal = about->isVisible() && about->parentWidget() == input;
            if (key == 0)
                control<QPushButton>(about, "cmdOK")->click();
            else
                QTest::keyClick(control<QPushButton>(about, "cmdOK"), Qt::Key(key));
        });
        choose(control<QAction>(input, "mnuAbout"));
        QVERIFY(wasModal);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(input->isVisible());
        QCOMPARE(control<QLineEdit>(input, "txtFirstName")->text(), QStringLiteral("KEPT"));
    }

    void aboutFromTheReadingWindowShowsTheSameContent()
    {
        ReadingWindow &reading = askForReading(*input, 2, 2);
        platform->desktop.opens = false;
        QStringList texts;
        QTimer::singleShot(0, [&] {
            auto *about = qobject_cast<AboutWindow *>(QApplication::activeModalWidget());
            QVERIFY(about);
            texts << control<Label>(about, "Label2")->text() << control<Label>(about, "lblCoBrand")->text();
            QTest::mouseClick(control<Label>(about, "lblCoBrand"), Qt::LeftButton);
            about->close();
        });
        choose(control<QAction>(reading, "mnuAbout"));
        QCOMPARE(texts, (QStringList{design::titleWithVersion(), QStringLiteral("Click here for more details.")}));
        QCOMPARE(platform->desktop.opened, QStringList{design::fullBrandPage()});
        // No browser came up: About, which asked, says so.
        QCOMPARE(platform->messages.owners(), QStringList{QStringLiteral("frmAbout")});
        QVERIFY(reading.isVisible());
    }
};

QTEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
