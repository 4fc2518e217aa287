#include "core/reminderrules.h"

#include <QLocale>
#include <QTest>

class TestReminderRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void encodingShiftsBy85()
    {
        QCOMPARE(encodeSetting(QStringLiteral("A")), QString(QChar(65 + 85)));
        QCOMPARE(decodeSetting(QString(QChar(150))), QStringLiteral("A"));
        QCOMPARE(encodeSetting(QString()), QString());
        QCOMPARE(decodeSetting(QString()), QString());
    }

    void everyCodeUpTo170RoundTrips()
    {
        QString all;
        for (int code = 0; code <= 170; ++code)
            all.append(QChar(code));
        QCOMPARE(decodeSetting(encodeSetting(all)), all);
        for (const char *text : {"Duration", "2026-12-08", "08/12/2026", "12.8.26"})
            QCOMPARE(decodeSetting(encodeSetting(QLatin1String(text))), QLatin1String(text));
    }

    void outOfRangeCharactersAreDropped()
    {
        QCOMPARE(encodeSetting(QStringLiteral("a\u00ab\u00ffb")), encodeSetting(QStringLiteral("ab")));
        QCOMPARE(encodeSetting(QStringLiteral("\u20ac")), QString());
        QCOMPARE(decodeSetting(QString(QChar(84)) + QChar(85) + QChar(86)), QString(QChar(0)) + QChar(1));
    }

    void steps_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("step");
        const QDate today(2026, 12, 8);
        auto iso = [&](int days) { return today.addDays(days).toString(Qt::ISODate); };
        QTest::newRow("first run") << QString() << int(ReminderStep::StoreToday);
        QTest::newRow("not a date") << QStringLiteral("soon") << int(ReminderStep::StoreToday);
        QTest::newRow("today") << iso(0) << int(ReminderStep::Wait);
        QTest::newRow("14 days back") << iso(-14) << int(ReminderStep::Wait);
        QTest::newRow("15 days back") << iso(-15) << int(ReminderStep::Ask);
        QTest::newRow("14 days ahead") << iso(14) << int(ReminderStep::Wait);
        QTest::newRow("15 days ahead") << iso(15) << int(ReminderStep::Ask);
        QTest::newRow("locale's short form, 15 back")
            << QLocale().toString(today.addDays(-15), QLocale::ShortFormat) << int(ReminderStep::Ask);
        QTest::newRow("locale's short form, 3 back")
            << QLocale().toString(today.addDays(-3), QLocale::ShortFormat) << int(ReminderStep::Wait);
    }

    void steps()
    {
        QFETCH(QString, stored);
        QFETCH(int, step);
        QCOMPARE(int(reminderStep(stored, QDate(2026, 12, 8))), step);
    }

    void keyIsTheDisguisedDurationInTheSettingsGroup()
    {
        const QString key = reminderSettingKey();
        QVERIFY(key.startsWith(QLatin1String("Settings/")));
        QCOMPARE(decodeSetting(key.mid(9)), QStringLiteral("Duration"));
    }
};

QTEST_GUILESS_MAIN(TestReminderRules)
#include "tst_reminderrules.moc"
