#include "core/signcatalogue.h"
#include "core/sunsign.h"
#include "support/testsupport.h"
#include "windows/aboutwindow.h"
#include "windows/exitscreen.h"
#include "windows/inputwindow.h"
#include "windows/readingwindow.h"
#include "windows/signpicture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {

QImage shownPicture(const ReadingWindow &reading)
{
    return control<QLabel>(reading, "picSunSign")->pixmap().toImage();
}

QImage listPicture(int number)
{
    return signPicture(Sign(number - 1), qApp->devicePixelRatio()).toImage();
}

QString boxText(const ReadingWindow &reading, const char *name)
{
    return control<QPlainTextEdit>(reading, name)->toPlainText();
}

// The reading's short fields, as the reading window shows them, in the design's order.
QStringList shownShortFields(const ReadingWindow &reading)
{
    QStringList shown;
    for (const char *name : {"lblSunSign", "lblSunSignElement", "lblSunSignNumber", "lblSunSignDay",
                             "lblSunSignCompatibility", "lblSunSignBirthStone", "lblBoldness", "lblTraditional",
                             "lblColorful", "lblCustomMade", "lblFrilly", "lblPreferredColors",
                             "lblUndesirableColors"})
        shown << control<QLabel>(reading, name)->text();
    return shown;
}

// Checks that the reading window shows the sign's whole reading: its short fields, the
// openings and lengths of its three long texts, and its picture.
void verifyShowsSign(const ReadingWindow &reading, const char *name)
{
    const design::Sign &sign = design::sign(name);
    QCOMPARE(shownShortFields(reading), sign.shortFields());
    const design::LongTexts &texts = design::longTexts[sign.picture - 1];
    const char *boxes[] = {"txtSunSignPositiveTraits", "txtSunSignNegativeTraits", "txtFashionCharacteristics"};
    for (int i = 0; i < 3; ++i) {
        const QString shown = boxText(reading, boxes[i]);
        QVERIFY2(shown.startsWith(QLatin1String(texts.opening[i])), qPrintable(shown.left(60)));
        // A box shows a line break as one character where the catalogue has CR LF.
        QCOMPARE(shown.size() + shown.count(QLatin1Char('\n')), texts.length[i]);
    }
    QCOMPARE(shownPicture(reading), listPicture(sign.picture));
}

} // namespace

class TestReadingStep : public WindowTest
{
    Q_OBJECT

    InputWindow *input = nullptr;

    ReadingWindow &readingFor(int day, int month, int year = 1990) { return askForReading(*input, day, month, year); }

private Q_SLOTS:
    void init()
    {
        WindowTest::init();
        input = &startProgram();
    }

    // Every sign, on a day of its own, in full.
    void everySignIsShownInFull_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("sign");
        const struct { int day; int month; const char *sign; } days[] = {
            {21, 3, "Aries"},  {21, 4, "Taurus"},  {21, 5, "Gemini"},   {21, 6, "Cancer"},
            {21, 7, "Leo"},    {21, 8, "Virgo"},   {21, 9, "Libra"},    {21, 10, "Scorpio"},
            {21, 11, "Sagittarius"}, {1, 1, "Capricorn"}, {20, 1, "Aquarius"}, {19, 2, "Pisces"}};
        for (const auto &row : days)
            QTest::addRow("%d/%d %s", row.day, row.month, row.sign) << row.day << row.month << QString::fromLatin1(row.sign);
    }

    void everySignIsShownInFull()
    {
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(QString, sign);
        ReadingWindow &reading = readingFor(day, month);
        verifyShowsSign(reading, qPrintable(sign));
        QVERIFY(reading.isVisible());
        QVERIFY(!input->isVisible());
        QVERIFY(platform->messages.shown.isEmpty());
    }

    void leoFashionTextHasOneBlankLine()
    {
        const QStringList paragraphs = boxText(readingFor(1, 8), "txtFashionCharacteristics").split(QLatin1Char('\n'));
        QCOMPARE(paragraphs.size(), 3);
        QVERIFY(paragraphs.at(1).isEmpty());
    }

    void backThenJanuaryFirstReplacesEveryField()
    {
        readingFor(21, 7);
        control<QPushButton>(program().readingWindow(), "cmdBack")->click();
        verifyShowsSign(readingFor(1, 1), "Capricorn");
    }

    void namesAndYearsDoNotChangeTheReading()
    {
        verifyShowsSign(readingFor(5, 3, 1901), "Pisces");
        control<QPushButton>(program().readingWindow(), "cmdBack")->click();
        verifyShowsSign(askForReading(*input, 5, 3, 2050, QStringLiteral("ZED"), QStringLiteral("QUINN")), "Pisces");
    }

    void backKeepsTheEntriesAndDiscardsTheReading()
    {
        ReadingWindow &reading = readingFor(14, 2, 1975);
        QPointer<ReadingWindow> shown = &reading;
        choose(control<QAction>(reading, "mnuBack"));
        QVERIFY(input->isVisible());
        QCOMPARE(control<QLineEdit>(input, "txtFirstName")->text(), QStringLiteral("ANN"));
        QCOMPARE(control<QComboBox>(input, "cboDate")->currentText(), QStringLiteral("14"));
        QCOMPARE(control<QComboBox>(input, "cboMonth")->currentText(), QStringLiteral("February"));
        QCOMPARE(control<QComboBox>(input, "cboYear")->currentText(), QStringLiteral("1975"));
        QVERIFY(!findWindow<ReadingWindow>());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(shown.isNull());
        QVERIFY(!findWindow<ExitScreen>());
    }

    void nextReadingStartsOnTheFirstTab()
    {
        ReadingWindow &first = readingFor(3, 3);
        control<QTabWidget>(first, "SSTab1")->setCurrentIndex(1);
        control<QPushButton>(first, "cmdBack")->click();
        ReadingWindow &second = readingFor(3, 4);
        QCOMPARE(control<QTabWidget>(second, "SSTab1")->currentIndex(), 0);
        QCOMPARE(control<Label>(second, "lblSunSign")->text(), QStringLiteral("Aries"));
    }

    void menuEntryEqualsButton()
    {
        choose(control<QAction>(input, "mnuNext"));
        QCOMPARE(platform->messages.texts(), QStringList{QStringLiteral("Please Enter Your First Name")});
        askForReading(*input, 22, 12, 1999);
        control<QPushButton>(program().readingWindow(), "cmdBack")->click();
        choose(control<QAction>(input, "mnuNext"));
        QCOMPARE(control<Label>(program().readingWindow(), "lblSunSign")->text(), QStringLiteral("Capricorn"));
    }

    // Built hidden, its texts would be skipped by a screen reader.
    void exitScreenWaitsForTheEndOfTheReading()
    {
        platform->random.draws = {0.9f};
        ReadingWindow &reading = readingFor(1, 5);
        QVERIFY(!findWindow<ExitScreen>());
        reading.close();
        ExitScreen *exitScreen = findWindow<ExitScreen>();
        QVERIFY(exitScreen && exitScreen->isVisible());
        QCOMPARE(control<Label>(exitScreen, "Label2")->text(), design::supportMessage(3));
    }

    void anUnmatchedDateShowsTheLastSignAgain_data()
    {
        QTest::addColumn<int>("monthIndex");
        QTest::addColumn<int>("dayIndex");
        QTest::newRow("no month") << -1 << 0;
        QTest::newRow("day 32") << 0 << 31;
    }

    void anUnmatchedDateShowsTheLastSignAgain()
    {
        QFETCH(int, monthIndex);
        QFETCH(int, dayIndex);
        const Entries unmatched{QStringLiteral("ANN"), QStringLiteral("LEE"), {monthIndex, dayIndex, 90}};
        Entries leo = unmatched;
        leo.birthDate = {6, 25, 90};

        program().showReading(unmatched);
        QCOMPARE(shownShortFields(program().readingWindow()), QStringList(13));
        QVERIFY(program().readingWindow().isVisible());
        control<QPushButton>(program().readingWindow(), "cmdBack")->click();
        program().showReading(leo);
        control<QPushButton>(program().readingWindow(), "cmdBack")->click();
        program().showReading(unmatched);
        verifyShowsSign(program().readingWindow(), "Leo");
    }

};

QTEST_MAIN(TestReadingStep)
#include "tst_readingstep.moc"
