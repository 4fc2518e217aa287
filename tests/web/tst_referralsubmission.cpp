#include "support/testsupport.h"
#include "web/referralsubmission.h"

#include <QTest>
#include <QUrl>

class TestReferralSubmission : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The values, percent-encoded in UTF-8, under the keys taf1 to taf6 in order; the
    // last the program's own page.
    void sendingOpensOnePageAndSaysWhich()
    {
        FakeDesktop desktop;
        const Referral referral{QStringLiteral("Ann"), QStringLiteral("ann@mail.example"),
                                QStringLiteral("Your Message\r\n"), QStringLiteral("Bob & Co"),
                                QStringLiteral("bob@mail.example")};
        const QString expected = mainSite() + QLatin1String("/vlxs-refer-a-friend.php?taf1=Ann&taf2=ann%40mail.example"
                                                            "&taf3=Your%20Message%0D%0A&taf4=Bob%20%26%20Co"
                                                            "&taf5=bob%40mail.example&taf6=")
                                 + QString::fromLatin1(QUrl::toPercentEncoding(mainSite() + QLatin1String("/vl-free-vestastra/")));
        QCOMPARE(openReferral(desktop, referral), expected);
        QCOMPARE(desktop.opened, QStringList{expected});
    }
};

QTEST_MAIN(TestReferralSubmission)
#include "tst_referralsubmission.moc"
