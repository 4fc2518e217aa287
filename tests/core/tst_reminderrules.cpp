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

    // Each row in a locale of its own, never the machine's.
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void steps_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("step");
        const QDate today(2026, 12, 8);
        auto iso = [&](int days) { return today.addDays(days).toString(Qt::ISODate); };
        const QString c = QStringLiteral("C");
        QTest::newRow("first run") << c << QString() << int(ReminderStep::StoreToday);
        QTest::newRow("not a date") << c << QStringLiteral("soon") << int(ReminderStep::StoreToday);
        QTest::newRow("today") << c << iso(0) << int(ReminderStep::Wait);
        QTest::newRow("14 days back") << c << iso(-14) << int(ReminderStep::Wait);
        QTest::newRow("15 days back") << c << iso(-15) << int(ReminderStep::Ask);
        QTest::newRow("14 days ahead") << c << iso(14) << int(ReminderStep::Wait);
        QTest::newRow("15 days ahead") << c << iso(15) << int(ReminderStep::Ask);
        QTest::newRow("ISO date under another locale") << QStringLiteral("de_DE") << iso(-3) << int(ReminderStep::Wait);
        // An older store holds the locale's short form; with a two-digit year it is this century's.
        QTest::newRow("en_US short form 11/24/26, 14 back") << QStringLiteral("en_US") << QStringLiteral("11/24/26")
                                                            << int(ReminderStep::Wait);
        QTest::newRow("en_US short form 11/23/26, 15 back") << QStringLiteral("en_US") << QStringLiteral("11/23/26")
                                                            << int(ReminderStep::Ask);
        QTest::newRow("de_DE short form 05.12.26, 3 back") << QStringLiteral("de_DE") << QStringLiteral("05.12.26")
                                                           << int(ReminderStep::Wait);
        QTest::newRow("en_US short form of another day") << QStringLiteral("en_US") << QStringLiteral("13/45/26")
                                                         << int(ReminderStep::StoreToday);
    }

    void steps()
    {
        QFETCH(QString, locale);
        QFETCH(QString, stored);
        QFETCH(int, step);
        QLocale::setDefault(QLocale(locale));
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
