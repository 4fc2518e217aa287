#include "core/reminderrules.h"
#include "support/testsupport.h"
#include "web/updatereminder.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

const QString key = reminderSettingKey();
const QString question = QStringLiteral("There maybe an update to this software available\r"
                                        "Do you want to check for an update?");

// The stored value as the file on disk holds it. Read from a copy: within one process
// Qt keeps what it last read of a file, and may not notice the file was replaced.
QString stored(const QString &name = QCoreApplication::applicationName())
{
    QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("copy.conf"));
    if (!QFile::copy(QSettings(name).fileName(), copy))
        return {};
    return QSettings(copy, QSettings::IniFormat).value(key).toString();
}

void store(const QString &plain)
{
    QSettings(QCoreApplication::applicationName()).setValue(key, encodeSetting(plain));
}

} // namespace

class TestUpdateReminder : public WindowTest
{
    Q_OBJECT


private Q_SLOTS:
    void firstRunStoresTodayAndAsksNothing()
    {
        remindOfUpdate(platform->services());
        QVERIFY(platform->messages.shown.isEmpty());
        QCOMPARE(stored(), encodeSetting(QStringLiteral("2026-12-08")));
        QCOMPARE(decodeSetting(stored()), QStringLiteral("2026-12-08"));
    }

    void withinFourteenDaysNothingChanges()
    {
        store(QStringLiteral("2026-11-24"));
        remindOfUpdate(platform->services());
        QVERIFY(platform->messages.shown.isEmpty());
        QCOMPARE(decodeSetting(stored()), QStringLiteral("2026-11-24"));
        QVERIFY(platform->desktop.opened.isEmpty());
    }

    void answerNoStoresTodaySoTheNextStartAsksNothing()
    {
        store(QStringLiteral("2026-11-23"));
        remindOfUpdate(platform->services());
        QCOMPARE(platform->messages.texts(), QStringList{question});
        QCOMPARE(platform->messages.shown.first().buttons, MessageButtons::YesNo);
        QCOMPARE(platform->messages.shown.first().icon, MessageIcon::Information);
        QCOMPARE(platform->messages.owners(), QStringList{QString()});
        QCOMPARE(decodeSetting(stored()), QStringLiteral("2026-12-08"));
        QVERIFY(platform->desktop.opened.isEmpty());
        remindOfUpdate(platform->services());
        QCOMPARE(platform->messages.shown.size(), 1);
    }

    void answerYesWritesTheDateBeforeOpeningThePage()
    {
        store(QStringLiteral("2027-01-01"));
        platform->messages.answers.push_back(MessageAnswer::Yes);
        QString storedAtOpen;
        platform->desktop.onOpen = [&] { storedAtOpen = decodeSetting(stored()); };
        platform->desktop.opens = false;
        remindOfUpdate(platform->services());
        QCOMPARE(platform->desktop.opened,
                 QStringList{mainSite() + QLatin1String("/vl-free-vestastra/download-vl-free-vestastra.html")});
        QCOMPARE(storedAtOpen, QStringLiteral("2026-12-08"));
        // No browser came up: said before any window is up.
        QCOMPARE(platform->messages.texts(),
                 (QStringList{question, QStringLiteral("The page could not be opened in your web browser.")}));
        QCOMPARE(platform->messages.owners(), QStringList(2, QString()));
    }

    void unreadableValueCountsAsAFirstRun()
    {
        store(QStringLiteral("garbage"));
        remindOfUpdate(platform->services());
        QVERIFY(platform->messages.shown.isEmpty());
        QCOMPARE(decodeSetting(stored()), QStringLiteral("2026-12-08"));
        platform->clock.date = QDate(2026, 12, 30);
        remindOfUpdate(platform->services());
        QCOMPARE(platform->messages.texts(), QStringList{question});
    }

    void anotherExecutableNameIsAFirstRun()
    {
        store(QStringLiteral("2026-01-01"));
        const QString name = QCoreApplication::applicationName();
        QCoreApplication::setApplicationName(QStringLiteral("RenamedVestastra"));
        remindOfUpdate(platform->services());
        QCoreApplication::setApplicationName(name);
        QVERIFY(platform->messages.shown.isEmpty());
        QCOMPARE(decodeSetting(stored(QStringLiteral("RenamedVestastra"))), QStringLiteral("2026-12-08"));
    }
};

QTEST_MAIN(TestUpdateReminder)
#include "tst_updatereminder.moc"
