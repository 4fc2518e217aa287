#include "app/readingstep.h"
#include "core/captions.h"
#include "core/signcatalogue.h"
#include "core/sunsign.h"
#include "support/testsupport.h"
#include "windows/aboutwindow.h"
#include "windows/exitscreen.h"
#include "windows/inputwindow.h"
#include "windows/readingwindow.h"
#include "windows/signpicturelist.h"
#include "windows/twips.h"

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

void enter(InputWindow &input, const QString &first, const QString &last, int day, int month, int year)
{
    control<QLineEdit>(input, "txtFirstName")->setText(first);
    control<QLineEdit>(input, "txtLastName")->setText(last);
    control<QComboBox>(input, "cboDate")->setCurrentIndex(day - 1);
    control<QComboBox>(input, "cboMonth")->setCurrentIndex(month - 1);
    control<QComboBox>(input, "cboYear")->setCurrentIndex(year - 1900);
}

QImage shownPicture(const ReadingWindow &reading)
{
    return control<QLabel>(reading, "picSunSign")->pixmap().toImage();
}

QImage listPicture(int number)
{
    return SignPictureList().picture(number, qApp->devicePixelRatio()).toImage();
}

// Every control the reading fills, with what it shows.
QStringList shownFields(const ReadingWindow &reading)
{
    QStringList shown;
    for (const char *name : {"lblSunSign", "lblSunSignElement", "lblSunSignNumber", "lblSunSignDay",
                             "lblSunSignCompatibility", "lblSunSignBirthStone", "txtSunSignPositiveTraits",
                             "txtSunSignNegativeTraits", "lblBoldness", "lblTraditional", "lblColorful",
                             "lblCustomMade", "lblFrilly", "lblPreferredColors", "lblUndesirableColors",
                             "txtFashionCharacteristics"}) {
        if (auto *box = reading.findChild<QPlainTextEdit *>(QLatin1String(name)))
            shown << box->toPlainText();
        else
            shown << control<QLabel>(reading, name)->text();
    }
    return shown;
}

QStringList profileFields(const SignProfile &sign)
{
    QString fashion = sign.fashionCharacteristics;
    fashion.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return {sign.name,           sign.element,        sign.luckyNumbers, sign.luckyDay,   sign.compatibility,
            sign.birthStone,     sign.positiveTraits, sign.negativeTraits, sign.boldness, sign.traditional,
            sign.colorful,       sign.customMade,     sign.frilly,       sign.preferredColors,
            sign.undesirableColors, fashion};
}

} // namespace

class TestReadingStep : public QObject
{
    Q_OBJECT

    std::unique_ptr<FakePlatform> platform;
    InputWindow *input = nullptr;

    QPushButton *readingButton() const { return control<QPushButton>(input, "cmdNext"); }
    QLineEdit *firstName() const { return control<QLineEdit>(input, "txtFirstName"); }

    ReadingWindow &readingFor(int day, int month, int year = 1990)
    {
        enter(*input, QStringLiteral("ANN"), QStringLiteral("LEE"), day, month, year);
        readingButton()->click();
        return Forms::load<ReadingWindow>();
    }

private Q_SLOTS:
    void init()
    {
        platform = std::make_unique<FakePlatform>();
        input = &startProgram();
    }

    void cleanup()
    {
        endRun();
        verifyNoWindowLeft();
        platform.reset();
    }

    void twentyFirstOfJulyIsLeo()
    {
        ReadingWindow &reading = readingFor(21, 7);
        QCOMPARE(control<Label>(reading, "lblSunSign")->text(), QStringLiteral("Leo"));
        QCOMPARE(shownFields(reading), profileFields(*findSignProfile(u"Leo")));
        QCOMPARE(shownPicture(reading), listPicture(5));
        QVERIFY(reading.isVisible());
        QVERIFY(!input->isVisible());
        QVERIFY(!Forms::load<StartUp>().isVisible());
        QVERIFY(platform->messages.shown.isEmpty());
    }

    void leoFashionTextHasOneBlankLine()
    {
        ReadingWindow &reading = readingFor(1, 8);
        const QStringList paragraphs =
            control<QPlainTextEdit>(reading, "txtFashionCharacteristics")->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(paragraphs.size(), 3);
        QVERIFY(paragraphs.at(1).isEmpty());
    }

    void backThenJanuaryFirstReplacesEveryField()
    {
        readingFor(21, 7);
        control<QPushButton>(Forms::load<ReadingWindow>(), "cmdBack")->click();
        ReadingWindow &reading = readingFor(1, 1);
        QCOMPARE(shownFields(reading), profileFields(*findSignProfile(u"Capricorn")));
        QCOMPARE(shownPicture(reading), listPicture(10));
    }

    void namesAndYearsDoNotChangeTheReading()
    {
        const QStringList first = shownFields(readingFor(5, 3, 1901));
        control<QPushButton>(Forms::load<ReadingWindow>(), "cmdBack")->click();
        enter(*input, QStringLiteral("ZED"), QStringLiteral("QUINN"), 5, 3, 2050);
        readingButton()->click();
        QCOMPARE(shownFields(Forms::load<ReadingWindow>()), first);
    }

    void backKeepsTheEntriesAndDiscardsTheReading()
    {
        ReadingWindow &reading = readingFor(14, 2, 1975);
        QPointer<ReadingWindow> shown = &reading;
        choose(control<QAction>(reading, "mnuBack"));
        QVERIFY(input->isVisible());
        QCOMPARE(firstName()->text(), QStringLiteral("ANN"));
        QCOMPARE(control<QComboBox>(input, "cboDate")->currentText(), QStringLiteral("14"));
        QCOMPARE(control<QComboBox>(input, "cboMonth")->currentText(), QStringLiteral("February"));
        QCOMPARE(control<QComboBox>(input, "cboYear")->currentText(), QStringLiteral("1975"));
        QVERIFY(!Forms::find<ReadingWindow>());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(shown.isNull());
        QVERIFY(Forms::find<ExitScreen>() && !Forms::find<ExitScreen>()->isVisible());
        QVERIFY(!Forms::load<StartUp>().isVisible());
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
        enter(*input, QStringLiteral("ANN"), QStringLiteral("LEE"), 22, 12, 1999);
        choose(control<QAction>(input, "mnuNext"));
        QCOMPARE(control<Label>(Forms::load<ReadingWindow>(), "lblSunSign")->text(), QStringLiteral("Capricorn"));
    }

    void firstReadingLoadsTheExitScreenHidden()
    {
        platform->random.draws = {0.9f};
        QVERIFY(!Forms::find<ExitScreen>());
        readingFor(1, 5);
        ExitScreen *exitScreen = Forms::find<ExitScreen>();
        QVERIFY(exitScreen && !exitScreen->isVisible());
        QCOMPARE(control<Label>(exitScreen, "Label2")->text(), captions::supportMessage(3));
    }

    // Captions sized to their text grow and shrink about their centre.
    void filledCaptionsKeepTheirCentre_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("designed");
        QTest::newRow("sign") << QStringLiteral("lblSunSign") << twips::at(795, 720, 1125, 240);
        QTest::newRow("lucky number") << QStringLiteral("lblSunSignNumber") << twips::at(6472, 743, 1020, 195);
        QTest::newRow("element") << QStringLiteral("lblSunSignElement") << twips::at(847, 1920, 1020, 195);
        QTest::newRow("compatibility") << QStringLiteral("lblSunSignCompatibility")
                                       << twips::at(6472, 3000, 1020, 195);
    }

    void filledCaptionsKeepTheirCentre()
    {
        QFETCH(QString, name);
        QFETCH(QRect, designed);
        for (int month : {3, 7}) {
            ReadingWindow &reading = readingFor(1, month);
            auto *caption = reading.findChild<QLabel *>(name);
            QVERIFY(caption);
            QVERIFY(caption->width() != designed.width());
            QVERIFY2(qAbs(caption->geometry().center().x() - designed.center().x()) <= 1,
                     qPrintable(QStringLiteral("%1 centred at %2, designed at %3")
                                    .arg(caption->text())
                                    .arg(caption->geometry().center().x())
                                    .arg(designed.center().x())));
            control<QPushButton>(reading, "cmdBack")->click();
        }
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
        ReadingStep step;
        const Entries unmatched{QStringLiteral("ANN"), QStringLiteral("LEE"), QStringLiteral("1"),
                                QStringLiteral("January"), QStringLiteral("1990"), monthIndex, dayIndex};
        Entries leo = unmatched;
        leo.monthIndex = 6;
        leo.dayIndex = 25;

        step.showReading(unmatched);
        QCOMPARE(shownFields(Forms::load<ReadingWindow>()), QStringList(16));
        QVERIFY(Forms::load<ReadingWindow>().isVisible());
        control<QPushButton>(Forms::load<ReadingWindow>(), "cmdBack")->click();
        step.showReading(leo);
        control<QPushButton>(Forms::load<ReadingWindow>(), "cmdBack")->click();
        step.showReading(unmatched);
        QCOMPARE(shownFields(Forms::load<ReadingWindow>()), profileFields(*findSignProfile(u"Leo")));
        QCOMPARE(shownPicture(Forms::load<ReadingWindow>()), listPicture(5));
    }

    void clipboardIsNeverTouched()
    {
        QApplication::clipboard()->setText(QStringLiteral("the user's text"));
        ReadingWindow &reading = readingFor(9, 9);
        QApplication::setActiveWindow(&reading);
        for (QPlainTextEdit *box : {control<QPlainTextEdit>(reading, "txtSunSignPositiveTraits"),
                                    control<QPlainTextEdit>(reading, "txtSunSignNegativeTraits")}) {
            QTest::mouseMove(box->viewport(), QPoint(20, 10));
            QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
            QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
            box->setFocus();
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_Insert, Qt::ControlModifier);
            QVERIFY(box->textCursor().selectedText().isEmpty());
            QCOMPARE(box->contextMenuPolicy(), Qt::NoContextMenu);
        }
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("the user's text"));
        if (QApplication::clipboard()->supportsSelection())
            QVERIFY(QApplication::clipboard()->text(QClipboard::Selection).isEmpty());
    }

    // Each key from the top: where the long text stands after it.
    void longTextsScrollFromTheKeyboard_data()
    {
        QTest::addColumn<QList<int>>("keys"); // key codes, Control added to those with ctrl
        QTest::addColumn<QString>("at");      // "top", "bottom" or "between"
        const int ctrl = int(Qt::ControlModifier);
        QTest::newRow("Page Down") << QList<int>{Qt::Key_PageDown} << "between";
        QTest::newRow("Page Down, Up, Page Up") << QList<int>{Qt::Key_PageDown, Qt::Key_Up, Qt::Key_PageUp} << "top";
        QTest::newRow("End") << QList<int>{Qt::Key_End} << "bottom";
        QTest::newRow("Ctrl+End") << QList<int>{Qt::Key_End | ctrl} << "bottom";
        QTest::newRow("End, Home") << QList<int>{Qt::Key_End, Qt::Key_Home} << "top";
        QTest::newRow("End, Ctrl+Home") << QList<int>{Qt::Key_End, Qt::Key_Home | ctrl} << "top";
    }

    void longTextsScrollFromTheKeyboard()
    {
        QFETCH(QList<int>, keys);
        QFETCH(QString, at);
        ReadingWindow &reading = readingFor(21, 7);
        QApplication::setActiveWindow(&reading);
        QPlainTextEdit *box = control<QPlainTextEdit>(reading, "txtSunSignPositiveTraits");
        box->setFocus();
        QScrollBar *bar = box->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        for (const int key : keys)
            QTest::keyClick(box, Qt::Key(key & ~int(Qt::ControlModifier)), Qt::KeyboardModifiers(key & Qt::ControlModifier));
        if (at == QLatin1String("top"))
            QCOMPARE(bar->value(), 0);
        else if (at == QLatin1String("bottom"))
            QCOMPARE(bar->value(), bar->maximum());
        else
            QVERIFY(bar->value() > 0 && bar->value() < bar->maximum());
        QVERIFY(box->textCursor().selectedText().isEmpty());
    }

    void aboutIsModalAndClosesByOkEnterAndEscape_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("OK clicked") << 0;
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }

    void aboutIsModalAndClosesByOkEnterAndEscape()
    {
        QFETCH(int, key);
        firstName()->setText(QStringLiteral("KEPT"));
        bool wasModal = false;
        QTimer::singleShot(0, [&] {
            AboutWindow *about = Forms::find<AboutWindow>();
            QVERIFY(about);
            wasModal = QApplication::activeModalWidget() == about && about->isVisible();
            if (key == 0)
                control<QPushButton>(about, "cmdOK")->click();
            else
                QTest::keyClick(control<QPushButton>(about, "cmdOK"), Qt::Key(key));
        });
        choose(control<QAction>(input, "mnuAbout"));
        QVERIFY(wasModal);
        QVERIFY(!Forms::find<AboutWindow>());
        QVERIFY(input->isVisible());
        QCOMPARE(firstName()->text(), QStringLiteral("KEPT"));
    }

    void aboutFromTheReadingWindowShowsTheSameContent()
    {
        ReadingWindow &reading = readingFor(2, 2);
        QStringList texts;
        QTimer::singleShot(0, [&] {
            AboutWindow *about = Forms::find<AboutWindow>();
            texts << control<Label>(about, "Label2")->text() << control<Label>(about, "lblCoBrand")->text();
            QTest::mouseClick(control<Label>(about, "lblCoBrand"), Qt::LeftButton);
            about->close();
        });
        choose(control<QAction>(reading, "mnuAbout"));
        QCOMPARE(texts, (QStringList{QStringLiteral("VL Vestastra 1.15"),
                                     QStringLiteral("Click here for more details.")}));
        QCOMPARE(platform->desktop.opened, QStringList{helpSite() + QLatin1String("/fully-branded.html")});
        QVERIFY(reading.isVisible());
    }

    void everyControlOpensItsPage_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("address");
        const QString main = mainSite();
        const QString help = helpSite();
        const QString online = main + QStringLiteral("/vl-free-vestastra/vl-free-vestastra-help.html");
        const QString update = main + QStringLiteral("/vl-free-vestastra/download-vl-free-vestastra.html");
        for (const char *form : {"frmMain", "frmDisplay"}) {
            QTest::addRow("%s mnuOnline", form) << QString::fromLatin1(form) << QStringLiteral("mnuOnline") << online;
            QTest::addRow("%s mnuVisit", form) << QString::fromLatin1(form) << QStringLiteral("mnuVisit") << main;
            QTest::addRow("%s mnuUpdate", form) << QString::fromLatin1(form) << QStringLiteral("mnuUpdate") << update;
            QTest::addRow("%s mnuDonate", form) << QString::fromLatin1(form) << QStringLiteral("mnuDonate")
                                                << help + QStringLiteral("/donate.html");
            QTest::addRow("%s mnumakemoney", form) << QString::fromLatin1(form) << QStringLiteral("mnumakemoney")
                                                   << help + QStringLiteral("/fully-branded.html");
            QTest::addRow("%s Label61", form) << QString::fromLatin1(form) << QStringLiteral("Label61") << main;
            QTest::addRow("%s lblCobrand", form) << QString::fromLatin1(form) << QStringLiteral("lblCobrand")
                                                 << help + QStringLiteral("/co-brand.html");
            QTest::addRow("%s lblFullBrand", form) << QString::fromLatin1(form) << QStringLiteral("lblFullBrand")
                                                   << help + QStringLiteral("/fully-branded.html");
        }
        QTest::newRow("frmMain Label2") << QStringLiteral("frmMain") << QStringLiteral("Label2")
                                        << help + QStringLiteral("/fully-branded.html");
        QTest::newRow("frmAbout lblHomePage") << QStringLiteral("frmAbout") << QStringLiteral("lblHomePage") << main;
        QTest::newRow("frmAbout lblCoBrand") << QStringLiteral("frmAbout") << QStringLiteral("lblCoBrand")
                                             << help + QStringLiteral("/fully-branded.html");
    }

    void everyControlOpensItsPage()
    {
        QFETCH(QString, form);
        QFETCH(QString, control);
        QFETCH(QString, address);
        Form *window = input;
        if (form == QLatin1String("frmDisplay"))
            window = &readingFor(1, 1);
        else if (form == QLatin1String("frmAbout"))
            window = &Forms::load<AboutWindow>();
        if (auto *entry = window->findChild<QAction *>(control)) {
            choose(entry);
        } else {
            auto *label = window->findChild<QLabel *>(control);
            QVERIFY(label);
            window->show();
            label->raise();
            QTest::mouseClick(label, Qt::LeftButton);
        }
        QCOMPARE(platform->desktop.opened, QStringList{address});
        QVERIFY(window->isVisible());
    }
};

QTEST_MAIN(TestReadingStep)
#include "tst_readingstep.moc"
