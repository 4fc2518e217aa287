#include "core/entryrules.h"

#include <QTest>

class TestEntryRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void nameCharacters_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("inserted");
        QTest::newRow("A") << int('A') << int('A');
        QTest::newRow("Z") << int('Z') << int('Z');
        QTest::newRow("a upper-cased") << int('a') << int('A');
        QTest::newRow("z upper-cased") << int('z') << int('Z');
        QTest::newRow("space") << 32 << 32;
        QTest::newRow("Enter") << 13 << 13;
        QTest::newRow("Backspace") << 8 << 8;
        for (int code = 91; code <= 96; ++code)
            QTest::addRow("between the letters %d", code) << code << 0;
        QTest::newRow("@ before A") << int('@') << 0;
        QTest::newRow("{ after z") << int('{') << 0;
        QTest::newRow("digit") << int('7') << 0;
        QTest::newRow("hyphen") << int('-') << 0;
        QTest::newRow("apostrophe") << int('\'') << 0;
        QTest::newRow("Escape") << 27 << 0;
        QTest::newRow("Ctrl+C") << 3 << 0;
        QTest::newRow("Ctrl+V") << 22 << 0;
        QTest::newRow("Ctrl+X") << 24 << 0;
        QTest::newRow("tab character") << 9 << 0;
        QTest::newRow("line feed") << 10 << 0;
        QTest::newRow("e acute") << 0xE9 << 0;
        QTest::newRow("delete character") << 127 << 0;
    }

    void nameCharacters()
    {
        QFETCH(int, code);
        QFETCH(int, inserted);
        QCOMPARE(filterNameCharacter(code), inserted);
    }

    void entries_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("focus");
        const QString ok;
        const QString badDate = QStringLiteral("Please Enter Correct Date Or Month!");
        const QString badThirty = QStringLiteral("Please Enter Correct Date Or Month !");
        const QString name = QStringLiteral("ANN");
        auto row = [&](const char *label, const QString &first, const QString &last, int day, int month,
                       const char *year, const QString &message, EntryField focus) {
            QTest::newRow(label) << first << last << day << month << QString::fromLatin1(year) << message
                                 << int(focus);
        };
        row("all empty", {}, {}, 1, 1, "1900", QStringLiteral("Please Enter Your First Name"), EntryField::FirstName);
        row("no last name", name, {}, 1, 1, "1900", QStringLiteral("Please Enter Your Last Name"),
            EntryField::LastName);
        row("a space is a name", QStringLiteral(" "), QStringLiteral(" "), 1, 1, "1900", ok, EntryField::None);
        row("no day", name, name, 0, 1, "1900", QStringLiteral("Please Specify Your Birth Date"), EntryField::Day);
        row("no month", name, name, 1, 0, "1900", QStringLiteral("Please Specify Your Birth Month"),
            EntryField::Month);
        row("no year", name, name, 1, 1, "", QStringLiteral("Please Specify Your Birth Year"), EntryField::Year);
        row("29 Feb 1900, no leap year", name, name, 29, 2, "1900", badDate, EntryField::None);
        row("29 Feb 1904", name, name, 29, 2, "1904", ok, EntryField::None);
        row("29 Feb 2000", name, name, 29, 2, "2000", ok, EntryField::None);
        row("29 Feb 1901", name, name, 29, 2, "1901", badDate, EntryField::None);
        row("28 Feb 1901", name, name, 28, 2, "1901", ok, EntryField::None);
        row("30 Feb 2000", name, name, 30, 2, "2000", badDate, EntryField::None);
        row("31 Feb 2000", name, name, 31, 2, "2000", badDate, EntryField::None);
        row("31 Apr", name, name, 31, 4, "1950", badThirty, EntryField::None);
        row("31 Jun", name, name, 31, 6, "1950", badThirty, EntryField::None);
        row("31 Sep", name, name, 31, 9, "1950", badThirty, EntryField::None);
        row("31 Nov", name, name, 31, 11, "1950", badThirty, EntryField::None);
        row("30 Apr", name, name, 30, 4, "1950", ok, EntryField::None);
        row("31 May", name, name, 31, 5, "1950", ok, EntryField::None);
        row("31 Dec", name, name, 31, 12, "2050", ok, EntryField::None);
        row("31 Jul", name, name, 31, 7, "1950", ok, EntryField::None);
        row("31 Aug", name, name, 31, 8, "1950", ok, EntryField::None);
        row("29 Feb 2048", name, name, 29, 2, "2048", ok, EntryField::None);
        row("29 Feb 2050", name, name, 29, 2, "2050", badDate, EntryField::None);
    }

    // Day and month are calendar numbers here; 0 means the list shows nothing.
    void entries()
    {
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(QString, year);
        QFETCH(QString, message);
        QFETCH(int, focus);
        const Entries entries{first, last, {month - 1, day - 1, year.isEmpty() ? -1 : year.toInt() - 1900}};
        const std::optional<EntryProblem> problem = checkEntries(entries);
        QCOMPARE(problem ? problem->message : QString(), message);
        QCOMPARE(problem ? int(problem->focus) : int(EntryField::None), focus);
    }
};

QTEST_GUILESS_MAIN(TestEntryRules)
#include "tst_entryrules.moc"
