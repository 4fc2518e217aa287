#include "core/referral.h"

#include <QTest>
#include <QUrl>
#include <QUrlQuery>

namespace {

QString mainSite()
{
    return QStringLiteral(EXPECTED_MAIN_SITE);
}

} // namespace

class TestReferralRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void valuesArriveExactlyAsTyped()
    {
        const QStringList values{QStringLiteral("Ann & Bob&taf9=x"), QStringLiteral("a+b@mail.example"),
                                 QStringLiteral("50% off #1\r\nsee you"), QStringLiteral("Zo\u00eb M\u00fcller"),
                                 QStringLiteral("z=y@mail.example?")};
        const QString address = referralAddress({values[0], values[1], values[2], values[3], values[4]});
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
        QCOMPARE(missingValueProblem({values[0], values[1], values[2], values[3], values[4]}), message);
    }

    // Only plain spaces go: tabs, line breaks and no-break spaces are what was typed.
    void trimmingTakesSpacesOnly()
    {
        const QChar noBreak(0xa0);
        const Referral result = trimmed({QStringLiteral("  a b  "), QStringLiteral("\ta\r\n "), QStringLiteral("    "),
                                         noBreak + QStringLiteral(" d"), QStringLiteral(" e ")});
        const QStringList values{result.name, result.email, result.message, result.friendName, result.friendEmail};
        QCOMPARE(values, (QStringList{QStringLiteral("a b"), QStringLiteral("\ta\r\n"), QString(),
                                      noBreak + QStringLiteral(" d"), QStringLiteral("e")}));
    }

    void emailProblems_data()
    {
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("friendEmail");
        QTest::addColumn<QString>("problem");
        const QString distinct = QStringLiteral("Please Enter Distinct Email Addresses");
        const QString proper = QStringLiteral("Please Enter Proper Email Address");
        QTest::newRow("both fine") << "a@b.c" << "d@e.f" << QString();
        QTest::newRow("the same twice") << "a@b.c" << "a@b.c" << distinct;
        QTest::newRow("both empty are the same") << "" << "" << distinct;
        QTest::newRow("no at sign") << "ab.c" << "d@e.f" << proper;
        QTest::newRow("friend's has no dot") << "a@b.c" << "d@ef" << proper;
        QTest::newRow("same text in another case") << "A@B.C" << "a@b.c" << QString();
        QTest::newRow("a dot before the at sign counts") << "a.b@c" << "x.y@z" << QString();
        QTest::newRow("both the placeholder") << "Your Email Address" << "Your Email Address" << distinct;
    }

    void emailProblems()
    {
        QFETCH(QString, email);
        QFETCH(QString, friendEmail);
        QFETCH(QString, problem);
        QCOMPARE(emailProblem(email, friendEmail), problem);
    }

    void placeholderRules_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("clears");
        QTest::addColumn<bool>("restores");
        QTest::newRow("the placeholder") << QStringLiteral("Your Name") << true << false;
        QTest::newRow("the placeholder in spaces") << QStringLiteral("  Your Name ") << true << false;
        QTest::newRow("another case") << QStringLiteral("your name") << false << false;
        QTest::newRow("empty") << QString() << false << true;
        QTest::newRow("spaces only") << QStringLiteral("   ") << false << true;
        QTest::newRow("a tab is text") << QStringLiteral("\t") << false << false;
    }

    void placeholderRules()
    {
        QFETCH(QString, text);
        QFETCH(bool, clears);
        QFETCH(bool, restores);
        QCOMPARE(clearsPlaceholder(text, QString::fromLatin1(placeholders::name)), clears);
        QCOMPARE(restoresPlaceholder(text), restores);
    }
};

QTEST_GUILESS_MAIN(TestReferralRules)
#include "tst_referralrules.moc"
