#include "support/testsupport.h"
#include "web/referralsubmission.h"

#include <QTest>
#include <QUrl>

class TestReferralSubmission : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The values, percent-encoded in UTF-8, under the keys taf1 to taf6 in order; the
    // last the program's own page. The browser gets the address as one argument, which
    // Linux holds to 32 pages of 4 KiB with its closing zero byte: an address longer
    // than that is not tried, and the user is told on the window that asked.
    void sendingOpensOnePageAndSaysWhich_data()
    {
        QTest::addColumn<qsizetype>("nameLength"); // 0: "Ann"; else that many A, the address at that length
        QTest::addColumn<bool>("browserComesUp");
        QTest::addColumn<QString>("message");
        constexpr qsizetype longestArgument = 32 * 4096 - 1;
        const QString notOpened = QStringLiteral("The page could not be opened in your web browser.");
        QTest::newRow("opened") << qsizetype(0) << true << QString();
        QTest::newRow("no browser") << qsizetype(0) << false << notOpened;
        QTest::newRow("longest that fits") << longestArgument << true << QString();
        QTest::newRow("one too long") << longestArgument + 1 << true
                                      << QStringLiteral("This referral is too long to send. Please shorten it and "
                                                        "try again.");
    }

    void sendingOpensOnePageAndSaysWhich()
    {
        QFETCH(qsizetype, nameLength);
        QFETCH(bool, browserComesUp);
        QFETCH(QString, message);
        const QString rest = QLatin1String("&taf2=ann%40mail.example&taf3=Your%20Message%0D%0A&taf4=Bob%20%26%20Co"
                                           "&taf5=bob%40mail.example&taf6=")
                             + QString::fromLatin1(QUrl::toPercentEncoding(mainSite() + QLatin1String("/vl-free-vestastra/")));
        const QString page = mainSite() + QLatin1String("/vlxs-refer-a-friend.php?taf1=");
        const QString name = nameLength == 0 ? QStringLiteral("Ann")
                                             : QString(nameLength - page.size() - rest.size(), QLatin1Char('A'));
        const QString expected = page + name + rest;
        FakePlatform platform;
        platform.desktop.opens = browserComesUp;
        QWidget asking;
        asking.setObjectName(QStringLiteral("asking"));
        const Referral referral{name, QStringLiteral("ann@mail.example"), QStringLiteral("Your Message\r\n"),
                                QStringLiteral("Bob & Co"), QStringLiteral("bob@mail.example")};
        QCOMPARE(openReferral(platform.services(), &asking, referral), expected);
        QCOMPARE(platform.desktop.opened, message.startsWith(QLatin1String("This")) ? QStringList() : QStringList{expected});
        QCOMPARE(platform.messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(platform.messages.owners(), message.isEmpty() ? QStringList() : QStringList{asking.objectName()});
    }
};

QTEST_MAIN(TestReferralSubmission)
#include "tst_referralsubmission.moc"
