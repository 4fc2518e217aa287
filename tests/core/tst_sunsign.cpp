#include "core/sunsign.h"

#include <QTest>

class TestSunSign : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Calendar month and day; the rule takes 0-based list positions.
    void changeDays_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("sign");
        const struct { int month; int lastDay; const char *before; const char *after; } changes[] = {
            {1, 19, "Capricorn", "Aquarius"}, {2, 18, "Aquarius", "Pisces"}, {3, 20, "Pisces", "Aries"},
            {4, 20, "Aries", "Taurus"},       {5, 20, "Taurus", "Gemini"},   {6, 20, "Gemini", "Cancer"},
            {7, 20, "Cancer", "Leo"},         {8, 20, "Leo", "Virgo"},       {9, 20, "Virgo", "Libra"},
            {10, 20, "Libra", "Scorpio"},     {11, 20, "Scorpio", "Sagittarius"},
            {12, 20, "Sagittarius", "Capricorn"},
        };
        for (const auto &change : changes) {
            QTest::addRow("%d/1", change.month) << change.month << 1 << QString::fromLatin1(change.before);
            QTest::addRow("%d/%d", change.month, change.lastDay)
                << change.month << change.lastDay << QString::fromLatin1(change.before);
            QTest::addRow("%d/%d", change.month, change.lastDay + 1)
                << change.month << change.lastDay + 1 << QString::fromLatin1(change.after);
            QTest::addRow("%d/31", change.month) << change.month << 31 << QString::fromLatin1(change.after);
        }
        QTest::newRow("22 July is still Leo") << 7 << 22 << QStringLiteral("Leo");
        QTest::newRow("29 February") << 2 << 29 << QStringLiteral("Pisces");
    }

    void changeDays()
    {
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(QString, sign);
        const std::optional<QLatin1String> found = signFor({month - 1, day - 1, 90});
        QVERIFY(found);
        QCOMPARE(QString(*found), sign);
    }

    void outsideTheListsMatchesNothing_data()
    {
        QTest::addColumn<int>("monthIndex");
        QTest::addColumn<int>("dayIndex");
        QTest::newRow("no month") << -1 << 0;
        QTest::newRow("no day") << 0 << -1;
        QTest::newRow("month 12") << 12 << 0;
        QTest::newRow("day 31") << 0 << 31;
        QTest::newRow("lowest") << int(std::numeric_limits<qint16>::min()) << 0;
        QTest::newRow("highest day") << 5 << int(std::numeric_limits<qint16>::max());
        QTest::newRow("beyond a short list position") << 5 << int(std::numeric_limits<int>::max());
    }

    void outsideTheListsMatchesNothing()
    {
        QFETCH(int, monthIndex);
        QFETCH(int, dayIndex);
        QVERIFY(!signFor({monthIndex, dayIndex, 90}));
    }
};

QTEST_GUILESS_MAIN(TestSunSign)
#include "tst_sunsign.moc"
