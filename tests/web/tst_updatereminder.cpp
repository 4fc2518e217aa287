#include "support/testsupport.h"
#include "web/updatereminder.h"

#include <QLocale>
#include <QTest>

namespace {

const QString key = QLatin1String("Settings/") + EncodeSetting(QStringLiteral("Duration"));
const QString question = QStringLiteral("There maybe an update to this software available\r"
                                        "Do you want to check for an update?");

QString stored()
{
    return QSettings(QCoreApplication::applicationName()).value(key).toString();
}

void store(const QString &plain)
{
    QSettings(QCoreApplication::applicationName()).setValue(key, EncodeSetting(plain));
}

} // namespace

class TestUpdateReminder : public QObject
{
    Q_OBJECT

    std::unique_ptr<FakePlatform> platform;

private Q_SLOTS:
    void init() { platform = std::make_unique<FakePlatform>(); }
    void cleanup() { platform.reset(); }

    void encodingShiftsBy85()
    {
        QCOMPARE(EncodeSetting(QStringLiteral("A")), QString(QChar(65 + 85)));
        QCOMPARE(DecodeSetting(QString(QChar(150))), QStringLiteral("A"));
        QCOMPARE(EncodeSetting(QString()), QString());
        QCOMPARE(DecodeSetting(QString()), QString());
    }

    void everyCodeUpTo170RoundTrips()
    {
        QString all;
        for (int code = 0; code <= 170; ++code)
            all.append(QChar(code));
        QCOMPARE(DecodeSetting(EncodeSetting(all)), all);
        for (const char *text : {"Duration", "2026-12-08", "08/12/2026", "12.8.26"})
            QCOMPARE(DecodeSetting(EncodeSetting(QLatin1String(text))), QLatin1String(text));
    }

    void outOfRangeCharactersAreDropped()
    {
        QCOMPARE(EncodeSetting(QStringLiteral("a\u00ab\u00ffb")), EncodeSetting(QStringLiteral("ab")));
        QCOMPARE(EncodeSetting(QStringLiteral("\u20ac")), QString());
        QCOMPARE(DecodeSetting(QString(QChar(84)) + QChar(85) + QChar(86)), QString(QChar(0)) + QChar(1));
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

    void firstRunStoresTodayAndAsksNothing()
    {
        UpdateReminder();
        QVERIFY(platform->messages.shown.isEmpty());
        QCOMPARE(stored(), EncodeSetting(QStringLiteral("2026-12-08")));
        QCOMPARE(DecodeSetting(stored()), QStringLiteral("2026-12-08"));
    }

    void withinFourteenDaysNothingChanges()
    {
        store(QStringLiteral("2026-11-24"));
        UpdateReminder();
        QVERIFY(platform->messages.shown.isEmpty());
        QCOMPARE(DecodeSetting(stored()), QStringLiteral("2026-11-24"));
        QVERIFY(platform->desktop.opened.isEmpty());
    }

    void answerNoStoresTodaySoTheNextStartAsksNothing()
    {
        store(QStringLiteral("2026-11-23"));
        UpdateReminder();
        QCOMPARE(platform->messages.texts(), QStringList{question});
        QCOMPARE(platform->messages.shown.first().buttons, MessageButtons::YesNo);
        QCOMPARE(platform->messages.shown.first().icon, MessageIcon::Information);
        QCOMPARE(platform->messages.owners(), QStringList{QString()});
        QCOMPARE(DecodeSetting(stored()), QStringLiteral("2026-12-08"));
        QVERIFY(platform->desktop.opened.isEmpty());
        UpdateReminder();
        QCOMPARE(platform->messages.shown.size(), 1);
    }

    void answerYesWritesTheDateBeforeOpeningThePage()
    {
        store(QStringLiteral("2027-01-01"));
        platform->messages.answers.push_back(MessageAnswer::Yes);
        QString storedAtOpen;
        platform->desktop.onOpen = [&] { storedAtOpen = DecodeSetting(stored()); };
        UpdateReminder();
        QCOMPARE(platform->desktop.opened,
                 QStringList{mainSite() + QLatin1String("/vl-free-vestastra/download-vl-free-vestastra.html")});
        QCOMPARE(storedAtOpen, QStringLiteral("2026-12-08"));
    }

    void unreadableValueCountsAsAFirstRun()
    {
        store(QStringLiteral("garbage"));
        UpdateReminder();
        QVERIFY(platform->messages.shown.isEmpty());
        QCOMPARE(DecodeSetting(stored()), QStringLiteral("2026-12-08"));
        platform->clock.date = QDate(2026, 12, 30);
        UpdateReminder();
        QCOMPARE(platform->messages.texts(), QStringList{question});
    }

    void anotherExecutableNameIsAFirstRun()
    {
        store(QStringLiteral("2026-01-01"));
        const QString name = QCoreApplication::applicationName();
        QCoreApplication::setApplicationName(QStringLiteral("RenamedVestastra"));
        UpdateReminder();
        QCoreApplication::setApplicationName(name);
        QVERIFY(platform->messages.shown.isEmpty());
        QCOMPARE(DecodeSetting(QSettings(QStringLiteral("RenamedVestastra")).value(key).toString()),
                 QStringLiteral("2026-12-08"));
    }
};

QTEST_MAIN(TestUpdateReminder)
#include "tst_updatereminder.moc"
