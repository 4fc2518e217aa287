#include "platform/clock.h"
#include "platform/random.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QProcess>
#include <QSet>
#include <QTest>

#include <ctime>

class TestRandom : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Uniform over [0, 1): each quarter, which picks one of the four support messages,
    // takes a quarter of the draws.
    void drawsSpreadEvenlyBelowOne()
    {
        QtRandomSource random;
        random.seedFromClock();
        int quarters[4] = {};
        constexpr int draws = 40000;
        for (int i = 0; i < draws; ++i) {
            const float r = random.next();
            QVERIFY2(r >= 0.0f && r < 1.0f, qPrintable(QString::number(double(r))));
            ++quarters[int(r * 4)];
        }
        for (const int count : quarters)
            QVERIFY2(qAbs(count - draws / 4) < draws / 40, qPrintable(QString::number(count)));
    }

    // Each start seeds from the clock: starts a few milliseconds apart draw differently.
    void startsDrawDifferentFirstNumbers()
    {
        QSet<QString> firstDraws;
        for (int start = 0; start < 4; ++start) {
            QProcess probe;
            probe.start(QCoreApplication::applicationDirPath() + QLatin1String("/platformprobe"),
                        {QStringLiteral("VestastraRandomTest"), QStringLiteral("--draw")});
            QVERIFY(probe.waitForFinished(10000));
            firstDraws.insert(QString::fromLatin1(probe.readAllStandardOutput()).trimmed());
            QTest::qWait(3);
        }
        QCOMPARE(firstDraws.size(), 4);
    }

    // The clock's today is the user's, in their time zone: between them, a zone 14
    // hours ahead of UTC and one 11 hours behind differ from UTC's date at any hour.
    void todayIsTheUsersDate_data()
    {
        QTest::addColumn<QByteArray>("zone"); // POSIX form: the offset's sign is west of UTC
        QTest::addColumn<int>("hoursAheadOfUtc");
        QTest::newRow("14 hours ahead") << QByteArray("<+14>-14") << 14;
        QTest::newRow("11 hours behind") << QByteArray("<-11>11") << -11;
    }

    void todayIsTheUsersDate()
    {
        QFETCH(QByteArray, zone);
        QFETCH(int, hoursAheadOfUtc);
        const bool zoneSet = qEnvironmentVariableIsSet("TZ");
        const QByteArray userZone = qgetenv("TZ");
        qputenv("TZ", zone);
        tzset();
        const QDate today = SystemClock().today();
        const QDate expected = QDateTime::currentDateTimeUtc().addSecs(hoursAheadOfUtc * 3600).date();
        if (zoneSet)
            qputenv("TZ", userZone);
        else
            qunsetenv("TZ");
        tzset();
        QCOMPARE(today, expected);
    }
};

QTEST_GUILESS_MAIN(TestRandom)
#include "tst_random.moc"
