#include "support/testsupport.h"
#include "web/referralsubmission.h"

#include <QTest>

class TestReferralSubmission : public WindowTest
{
    Q_OBJECT


private Q_SLOTS:
    void sendingOpensOnePageAndSaysWhich()
    {
        const Referral referral{QStringLiteral("Ann"), QStringLiteral("ann@mail.example"),
                                QStringLiteral("Your Message\r\n"), QStringLiteral("Bob"),
                                QStringLiteral("bob@mail.example")};
        const QString address = sendReferral(referral, nullptr);
        QVERIFY(platform->messages.shown.isEmpty());
        QCOMPARE(platform->desktop.opened, QStringList{address});
        QCOMPARE(address, referralAddress(referral));
        QVERIFY(address.contains(QLatin1String("&taf3=Your%20Message%0D%0A&taf4=")));
    }

    void missingValueIsToldInTheOwnersWindowAndOpensNothing_data()
    {
        QTest::addColumn<int>("missing");
        QTest::addColumn<QString>("message");
        QTest::newRow("name") << 0 << QStringLiteral("Please Enter Your Name");
        QTest::newRow("friend's e-mail") << 4 << QStringLiteral("Please Enter Your Friend's Email");
    }

    void missingValueIsToldInTheOwnersWindowAndOpensNothing()
    {
        QFETCH(int, missing);
        QFETCH(QString, message);
        QStringList values{QStringLiteral("Ann"), QStringLiteral("ann@mail.example"), QStringLiteral("Hi"),
                           QStringLiteral("Bob"), QStringLiteral("bob@mail.example")};
        values[missing].clear();
        QWidget owner;
        owner.setObjectName(QStringLiteral("owner"));
        QCOMPARE(sendReferral({values[0], values[1], values[2], values[3], values[4]}, &owner), QString());
        QCOMPARE(platform->messages.texts(), QStringList{message});
        QCOMPARE(platform->messages.shown.first().icon, MessageIcon::Critical);
        QCOMPARE(platform->messages.owners(), QStringList{QStringLiteral("owner")});
        QVERIFY(platform->desktop.opened.isEmpty());
    }
};

QTEST_MAIN(TestReferralSubmission)
#include "tst_referralsubmission.moc"
