#include "platform/messagebox.h"
#include "support/testsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>

class TestMessageBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { verifyNoWindowLeft(); }

    void systemBoxIsCaptionedAndAnswers_data()
    {
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("press");
        QTest::addColumn<int>("answer");
        QTest::newRow("information OK") << int(MessageIcon::Information) << int(MessageButtons::Ok)
                                        << int(QMessageBox::Ok) << int(MessageAnswer::Ok);
        QTest::newRow("critical OK") << int(MessageIcon::Critical) << int(MessageButtons::Ok)
                                     << int(QMessageBox::Ok) << int(MessageAnswer::Ok);
        QTest::newRow("question Yes") << int(MessageIcon::Information) << int(MessageButtons::YesNo)
                                      << int(QMessageBox::Yes) << int(MessageAnswer::Yes);
        QTest::newRow("question No") << int(MessageIcon::Information) << int(MessageButtons::YesNo)
                                     << int(QMessageBox::No) << int(MessageAnswer::No);
    }

    // The real box, answered by a timer: caption, icon, buttons and the answer returned.
    void systemBoxIsCaptionedAndAnswers()
    {
        QFETCH(int, icon);
        QFETCH(int, buttons);
        QFETCH(int, press);
        QFETCH(int, answer);
        QString caption;
        QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons shownButtons;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            caption = box->windowTitle();
            shownIcon = box->icon();
            shownButtons = box->standardButtons();
            modal = box->isModal();
            box->button(QMessageBox::StandardButton(press))->click();
        });
        const MessageAnswer result = QtMessageBoxes().show(nullptr, QStringLiteral("Text"),
                                                                 MessageIcon(icon), MessageButtons(buttons));
        QCOMPARE(int(result), answer);
        QCOMPARE(caption, QStringLiteral("VL Vestastra"));
        QVERIFY(modal);
        QCOMPARE(shownIcon, MessageIcon(icon) == MessageIcon::Critical ? QMessageBox::Critical
                                                                      : QMessageBox::Information);
        QCOMPARE(shownButtons, MessageButtons(buttons) == MessageButtons::Ok
                                   ? QMessageBox::StandardButtons(QMessageBox::Ok)
                                   : QMessageBox::Yes | QMessageBox::No);
    }

    void boxBelongsToItsOwnersWindow_data()
    {
        QTest::addColumn<bool>("staysOnTop");
        QTest::newRow("plain window") << false;
        QTest::newRow("window that stays on top") << true;
    }

    // A box tied to the window it is about, and above it even when that window stays
    // on top of all others: no window manager can then hide it beneath.
    void boxBelongsToItsOwnersWindow()
    {
        QFETCH(bool, staysOnTop);
        QWidget window;
        window.setWindowFlag(Qt::WindowStaysOnTopHint, staysOnTop);
        auto *control = new QWidget(&window);
        window.show();
        QWidget *parent = nullptr;
        bool onTop = false;
        QWindow *transientFor = nullptr;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            parent = box->parentWidget();
            onTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            transientFor = box->windowHandle()->transientParent();
            box->button(QMessageBox::Ok)->click();
        });
        QtMessageBoxes().show(control, QStringLiteral("Text"), MessageIcon::Critical, MessageButtons::Ok);
        QCOMPARE(parent, &window);
        QCOMPARE(transientFor, window.windowHandle());
        QCOMPARE(onTop, staysOnTop);
    }

    void carriageReturnBreaksTheLine()
    {
        QCOMPARE(displayedMessageText(QStringLiteral("one\rtwo")), QStringLiteral("one\ntwo"));
        QCOMPARE(displayedMessageText(QStringLiteral("one\r\ntwo")), QStringLiteral("one\ntwo"));
        QCOMPARE(displayedMessageText(QStringLiteral("one")), QStringLiteral("one"));
    }
};

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
