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
        QTest::addColumn<int>("sign");
        const struct { int month; int lastDay; Sign before; Sign after; } changes[] = {
            {1, 19, Sign::Capricorn, Sign::Aquarius}, {2, 18, Sign::Aquarius, Sign::Pisces},
            {3, 20, Sign::Pisces, Sign::Aries},       {4, 20, Sign::Aries, Sign::Taurus},
            {5, 20, Sign::Taurus, Sign::Gemini},      {6, 20, Sign::Gemini, Sign::Cancer},
            {7, 20, Sign::Cancer, Sign::Leo},         {8, 20, Sign::Leo, Sign::Virgo},
            {9, 20, Sign::Virgo, Sign::Libra},        {10, 20, Sign::Libra, Sign::Scorpio},
            {11, 20, Sign::Scorpio, Sign::Sagittarius}, {12, 20, Sign::Sagittarius, Sign::Capricorn},
        };
        for (const auto &change : changes) {
            QTest::addRow("%d/1", change.month) << change.month << 1 << int(change.before);
            QTest::addRow("%d/%d", change.month, change.lastDay)
                << change.month << change.lastDay << int(change.before);
            QTest::addRow("%d/%d", change.month, change.lastDay + 1)
                << change.month << change.lastDay + 1 << int(change.after);
            QTest::addRow("%d/31", change.month) << change.month << 31 << int(change.after);
        }
        QTest::newRow("22 July is still Leo") << 7 << 22 << int(Sign::Leo);
        QTest::newRow("29 February") << 2 << 29 << int(Sign::Pisces);
    }

    void changeDays()
    {
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(int, sign);
        const std::optional<Sign> found = signFor({month - 1, day - 1, 90});
        QVERIFY(found);
        QCOMPARE(int(*found), sign);
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
