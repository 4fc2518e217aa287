#include "support/testsupport.h"
#include "windows/exitscreen.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrlQuery>

class TestExitScreen : public WindowTest
{
    Q_OBJECT

    ExitScreen *exitScreen = nullptr;

    QLineEdit *nameBox() const { return control<QLineEdit>(exitScreen, "txtName"); }
    QLineEdit *emailBox() const { return control<QLineEdit>(exitScreen, "txtEmail"); }
    QLineEdit *friendEmailBox() const { return control<QLineEdit>(exitScreen, "txtFriendEmail"); }

    void submit(const QString &name, const QString &email, const QString &friendName, const QString &friendEmail)
    {
        nameBox()->setText(name);
        emailBox()->setText(email);
        control<QLineEdit>(exitScreen, "txtFriendName")->setText(friendName);
        friendEmailBox()->setText(friendEmail);
        control<QPushButton>(exitScreen, "cmdSubmit")->click();
    }

private Q_SLOTS:
    void init()
    {
        WindowTest::init();
        platform->random.draws = {0.0f, 0.6f};
        startProgram().close();
        exitScreen = &program().exitScreen();
        QApplication::setActiveWindow(exitScreen);
        QVERIFY(QTest::qWaitForWindowActive(exitScreen));
        platform->messages.shown.clear();
    }

    void loadPicksTheSupportMessageAndStaysOnTop()
    {
        QCOMPARE(platform->random.seeds, 2);
        QCOMPARE(control<Label>(exitScreen, "Label2")->text(), design::supportMessage(2));
        QVERIFY(exitScreen->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(exitScreen->isVisible());
        QCOMPARE(QApplication::focusWidget(), control<QPushButton>(exitScreen, "cmdClose"));
    }

    void supportMessageDraw_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("number");
        QTest::newRow("0") << 0.0f << 0;
        QTest::newRow("just under a quarter") << 0.2499f << 0;
        QTest::newRow("a quarter") << 0.25f << 1;
        QTest::newRow("a half") << 0.5f << 2;
        QTest::newRow("three quarters") << 0.75f << 3;
        QTest::newRow("largest draw") << std::nextafter(1.0f, 0.0f) << 3;
    }

    void supportMessageDraw()
    {
        QFETCH(float, r);
        QFETCH(int, number);
        endRun();
        platform->random.draws = {0.0f, r};
        startProgram().close();
        QCOMPARE(control<Label>(program().exitScreen(), "Label2")->text(), design::supportMessage(number));
    }

    void placeholdersClearAndComeBack()
    {
        nameBox()->setText(QStringLiteral("  Your Name "));
        nameBox()->setFocus(Qt::TabFocusReason);
        // Emptied once the focus has arrived, after a screen reader has heard of it.
        QCOMPARE(nameBox()->text(), QStringLiteral("  Your Name "));
        QCoreApplication::sendPostedEvents();
        QVERIFY(nameBox()->text().isEmpty());
        emailBox()->setFocus(Qt::TabFocusReason);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(nameBox()->text(), QStringLiteral("Your Name"));
        QVERIFY(emailBox()->text().isEmpty());
        QTest::keyClicks(emailBox(), QStringLiteral("ann@mail.example"));
        nameBox()->setFocus(Qt::TabFocusReason);
        QCOMPARE(emailBox()->text(), QStringLiteral("ann@mail.example"));
        nameBox()->setText(QStringLiteral("\t"));
        emailBox()->setFocus(Qt::TabFocusReason);
        QCOMPARE(nameBox()->text(), QStringLiteral("\t"));
    }

    // Leaving for another window or a pop-up menu is no leaving the box: the user comes
    // back to it as they left it.
    void placeholdersStayAwayWhileTheFocusIsElsewhere_data()
    {
        QTest::addColumn<int>("reason");
        QTest::addColumn<QString>("whileAway");
        QTest::newRow("Tab to another box") << int(Qt::TabFocusReason) << QStringLiteral("Your Name");
        QTest::newRow("another window") << int(Qt::ActiveWindowFocusReason) << QString();
        QTest::newRow("a pop-up menu") << int(Qt::PopupFocusReason) << QString();
    }

    void placeholdersStayAwayWhileTheFocusIsElsewhere()
    {
        QFETCH(int, reason);
        QFETCH(QString, whileAway);
        QLineEdit *box = nameBox();
        box->setFocus(Qt::TabFocusReason);
        QCoreApplication::sendPostedEvents();
        QVERIFY(box->text().isEmpty());
        QFocusEvent leaving(QEvent::FocusOut, Qt::FocusReason(reason));
        QCoreApplication::sendEvent(box, &leaving);
        QCOMPARE(box->text(), whileAway);
        QFocusEvent returning(QEvent::FocusIn, Qt::FocusReason(reason));
        QCoreApplication::sendEvent(box, &returning);
        QCoreApplication::sendPostedEvents();
        QVERIFY(box->text().isEmpty());
    }

    void messageBoxKeepsItsLineBreakUntilEmptied()
    {
        QCOMPARE(exitScreen->referral().message, QStringLiteral("Your Message\r\n"));
        control<QPlainTextEdit>(exitScreen, "txtMessage")->setFocus(Qt::TabFocusReason);
        QCOMPARE(exitScreen->referral().message, QStringLiteral("Your Message\r\n"));
        control<QPlainTextEdit>(exitScreen, "txtMessage")->clear();
        nameBox()->setFocus(Qt::TabFocusReason);
        QCOMPARE(exitScreen->referral().message, QStringLiteral("Your Message"));
    }

    void spaceIsRefusedInEmailBoxes()
    {
        for (QLineEdit *box :
             {emailBox(), friendEmailBox()}) {
            platform->messages.shown.clear();
            box->setText(QStringLiteral("ab"));
            nameBox()->setFocus(Qt::TabFocusReason);
            QTest::keyClick(box, Qt::Key_Space);
            QCOMPARE(box->text(), QStringLiteral("ab"));
            QCOMPARE(platform->messages.texts(), QStringList{QStringLiteral("Email Address Cannot Contain Space")});
            QCOMPARE(platform->messages.shown.first().icon, MessageIcon::Critical);
            QCOMPARE(platform->messages.owners(), QStringList{QStringLiteral("frmNagScreen2")});
            QCOMPARE(QApplication::focusWidget(), box);
        }
        QTest::keyClick(nameBox(), Qt::Key_Space);
        QVERIFY(nameBox()->text().endsWith(QLatin1Char(' ')));
    }

    void submitChecks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("friendEmail");
        QTest::addColumn<QString>("message");
        const QString distinct = QStringLiteral("Please Enter Distinct Email Addresses");
        const QString proper = QStringLiteral("Please Enter Proper Email Address");
        const QString ann = QStringLiteral("Ann");
        QTest::newRow("same address") << ann << QStringLiteral("a@b.example") << QStringLiteral(" a@b.example  ")
                                      << distinct;
        QTest::newRow("differ in case only") << ann << QStringLiteral("A@b.example") << QStringLiteral("a@b.example")
                                             << QString();
        QTest::newRow("placeholder") << ann << QStringLiteral("Your Email Address") << QStringLiteral("a@b.example")
                                     << proper;
        QTest::newRow("name still placeholder")
            << QStringLiteral("Your Name") << QStringLiteral("a@b.example") << QStringLiteral("c@d.example")
            << QStringLiteral("Please Enter Your Name");
        // Past what the system hands a browser: said before trying, and typed in full.
        QTest::newRow("too long to send") << QString(131072, QLatin1Char('A')) << QStringLiteral("a@b.example")
                                          << QStringLiteral("c@d.example")
                                          << QStringLiteral("This referral is too long to send. Please shorten it "
                                                            "and try again.");
    }

    void submitChecks()
    {
        QFETCH(QString, name);
        QFETCH(QString, email);
        QFETCH(QString, friendEmail);
        QFETCH(QString, message);
        submit(name, email, QStringLiteral("Bob"), friendEmail);
        QCOMPARE(platform->messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        // Every check's box belongs to the exit screen, the referral's own checks too.
        QCOMPARE(platform->messages.owners(),
                 message.isEmpty() ? QStringList() : QStringList{QStringLiteral("frmNagScreen2")});
        QCOMPARE(platform->desktop.opened.size(), message.isEmpty() ? 1 : 0);
        // What is sent is the address as typed, trimmed of spaces.
        if (message.isEmpty()) {
            const QUrlQuery sent(QUrl(platform->desktop.opened.first()));
            QCOMPARE(sent.queryItemValue(QStringLiteral("taf2"), QUrl::FullyDecoded), email.trimmed());
        }
        QVERIFY(exitScreen->isVisible());
        QCOMPARE(emailBox()->text(), email);
    }

    // The referral carries the message as typed, trimmed of plain spaces only.
    void messageIsSentAsTyped_data()
    {
        QTest::addColumn<bool>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("sent");
        const QChar noBreak(0xa0);
        QTest::newRow("untouched") << false << QString() << QStringLiteral("Your Message\r\n");
        QTest::newRow("no-break spaces inside and at both ends")
            << true << noBreak + QStringLiteral("Hi") + noBreak + QStringLiteral("there") + noBreak
            << noBreak + QStringLiteral("Hi") + noBreak + QStringLiteral("there") + noBreak;
        QTest::newRow("plain spaces at both ends") << true << QStringLiteral("  Hi  ") << QStringLiteral("Hi");
        QTest::newRow("two lines") << true << QStringLiteral("Hi\nBob") << QStringLiteral("Hi\r\nBob");
    }

    void messageIsSentAsTyped()
    {
        QFETCH(bool, typed);
        QFETCH(QString, message);
        QFETCH(QString, sent);
        if (typed) {
            auto *box = control<QPlainTextEdit>(exitScreen, "txtMessage");
            box->setFocus(Qt::TabFocusReason);
            box->clear();
            for (const QChar character : message) {
                if (character == QLatin1Char('\n'))
                    QTest::keyClick(box, Qt::Key_Return);
                else
                    QTest::keyClicks(box, QString(character));
            }
        }
        submit(QStringLiteral(" Ann "), QStringLiteral("ann@mail.example"), QStringLiteral("Bob & Co"),
               QStringLiteral("bob@mail.example"));
        QCOMPARE(platform->desktop.opened.size(), 1);
        const QUrlQuery query(QUrl(platform->desktop.opened.first()));
        QCOMPARE(query.queryItemValue(QStringLiteral("taf1"), QUrl::FullyDecoded), QStringLiteral("Ann"));
        QCOMPARE(query.queryItemValue(QStringLiteral("taf3"), QUrl::FullyDecoded), sent);
        QCOMPARE(query.queryItemValue(QStringLiteral("taf4"), QUrl::FullyDecoded), QStringLiteral("Bob & Co"));
    }

    void checkBoxIsAOneClickLink()
    {
        QTest::mouseClick(control<QPushButton>(exitScreen, "Check1"), Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>(exitScreen, "Check1"), Qt::LeftButton);
        QCOMPARE(platform->desktop.opened, QStringList(2, mainSite()));
        QVERIFY(!control<QPushButton>(exitScreen, "Check1")->isChecked());
    }

    void catalogueLink()
    {
        platform->desktop.opens = false;
        QTest::mouseClick(control<Label>(exitScreen, "lblGoToHome"), Qt::LeftButton);
        QCOMPARE(platform->desktop.opened, QStringList{mainSite() + QLatin1String("/tessivane")});
        QCOMPARE(platform->messages.owners(), QStringList{QStringLiteral("frmNagScreen2")});
    }

    void exitButtonAndCloseBoxEndTheProgram_data()
    {
        QTest::addColumn<bool>("button");
        QTest::newRow("Exit button") << true;
        QTest::newRow("close box") << false;
    }

    void exitButtonAndCloseBoxEndTheProgram()
    {
        QFETCH(bool, button);
        if (button)
            control<QPushButton>(exitScreen, "cmdClose")->click();
        else
            exitScreen->close();
        QVERIFY(session->hasEnded());
        QVERIFY(session->windows().isEmpty());
    }
};

QTEST_MAIN(TestExitScreen)
#include "tst_exitscreen.moc"
