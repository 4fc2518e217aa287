#include "support/testsupport.h"
#include "web/referral.h"

#include <QTest>
#include <QUrl>
#include <QUrlQuery>

using namespace modTellAFriend;

class TestReferral : public QObject
{
    Q_OBJECT

    std::unique_ptr<FakePlatform> platform;

    void fill(const QString &name, const QString &email, const QString &message, const QString &friendName,
              const QString &friendEmail)
    {
        ReferrerName = name;
        ReferrerEmail = email;
        ReferralMessage = message;
        FriendName = friendName;
        FriendEmail = friendEmail;
    }

private Q_SLOTS:
    void init() { platform = std::make_unique<FakePlatform>(); }
    void cleanup() { platform.reset(); }

    void valuesArriveExactlyAsTyped()
    {
        const QStringList values{QStringLiteral("Ann & Bob&taf9=x"), QStringLiteral("a+b@mail.example"),
                                 QStringLiteral("50% off #1\r\nsee you"), QStringLiteral("Zo\u00eb M\u00fcller"),
                                 QStringLiteral("z=y@mail.example?")};
        const QString address = buildReferralAddress(values[0], values[1], values[2], values[3], values[4]);
        const QUrl url(address, QUrl::StrictMode);
        QVERIFY2(url.isValid(), qPrintable(address));
        QCOMPARE(url.scheme(), QStringLiteral("http"));
        QCOMPARE(url.host(), QUrl(mainSite()).host());
        QCOMPARE(url.path(), QStringLiteral("/vlxs-refer-a-friend.php"));
        QVERIFY(url.fragment().isNull());
        const QUrlQuery query(url);
        const auto items = query.queryItems(QUrl::FullyDecoded);
        QCOMPARE(items.size(), 6);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(items[i].first, QStringLiteral("taf%1").arg(i + 1));
        for (int i = 0; i < 5; ++i)
            QCOMPARE(items[i].second, values[i]);
        QCOMPARE(items[5].second, mainSite() + QLatin1String("/vl-free-vestastra/"));
    }

    void sendingOpensOnePage()
    {
        fill(QStringLiteral("Ann"), QStringLiteral("ann@mail.example"), QStringLiteral("Your Message\r\n"),
             QStringLiteral("Bob"), QStringLiteral("bob@mail.example"));
        SendReferral(nullptr);
        QVERIFY(platform->messages.shown.isEmpty());
        QCOMPARE(platform->desktop.opened, QStringList{ReferralAddress});
        QVERIFY(ReferralAddress.contains(QLatin1String("&taf3=Your%20Message%0D%0A&taf4=")));
    }

    void missingValues_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("message");
        const QStringList good{QStringLiteral("Ann"), QStringLiteral("ann@mail.example"), QStringLiteral("Hi"),
                               QStringLiteral("Bob"), QStringLiteral("bob@mail.example")};
        const char *messages[] = {"Please Enter Your Name", "Please Enter Your Email", "Please Enter Your Message",
                                  "Please Enter Your Friend's Name", "Please Enter Your Friend's Email"};
        const char *placeholders[] = {"Your Name", "Your Email Address", "Your Message", "Friend's Name",
                                      "Friend's Email Address"};
        for (int i = 0; i < 5; ++i) {
            QStringList empty = good;
            empty[i] = QStringLiteral("   ");
            QTest::addRow("%s empty", placeholders[i]) << empty << QString::fromLatin1(messages[i]);
            QStringList placeholder = good;
            placeholder[i] = QLatin1String(placeholders[i]) + QLatin1Char(' ');
            QTest::addRow("%s placeholder", placeholders[i]) << placeholder << QString::fromLatin1(messages[i]);
        }
        QStringList two = good;
        two[0].clear();
        two[4].clear();
        QTest::newRow("first missing wins") << two << QStringLiteral("Please Enter Your Name");
        QStringList caseDiffers = good;
        caseDiffers[0] = QStringLiteral("your name");
        QTest::newRow("placeholder in other case is a name") << caseDiffers << QString();
    }

    void missingValues()
    {
        QFETCH(QStringList, values);
        QFETCH(QString, message);
        fill(values[0], values[1], values[2], values[3], values[4]);
        QWidget owner;
        owner.setObjectName(QStringLiteral("owner"));
        SendReferral(&owner);
        if (message.isEmpty()) {
            QCOMPARE(platform->desktop.opened.size(), 1);
            return;
        }
        QCOMPARE(platform->messages.texts(), QStringList{message});
        QCOMPARE(platform->messages.shown.first().icon, MessageIcon::Critical);
        QCOMPARE(platform->messages.owners(), QStringList{QStringLiteral("owner")});
        QVERIFY(platform->desktop.opened.isEmpty());
    }

    void trimmingTakesSpacesOnly()
    {
        QCOMPARE(trimSpaces(QStringLiteral("  a b  ")), QStringLiteral("a b"));
        QCOMPARE(trimSpaces(QStringLiteral("\ta\r\n ")), QStringLiteral("\ta\r\n"));
        QCOMPARE(trimSpaces(QStringLiteral("    ")), QString());
    }
};

QTEST_MAIN(TestReferral)
#include "tst_referral.moc"
