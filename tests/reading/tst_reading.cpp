#include "reading/signprofile.h"
#include "reading/sunsign.h"
#include "support/testsupport.h"
#include "windows/frmabout.h"
#include "windows/frmdisplay.h"
#include "windows/frmmain.h"
#include "windows/frmnagscreen2.h"

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

void enter(frmMain &input, const QString &first, const QString &last, int day, int month, int year)
{
    input.txtFirstName->setText(first);
    input.txtLastName->setText(last);
    input.cboDate->setCurrentIndex(day - 1);
    input.cboMonth->setCurrentIndex(month - 1);
    input.cboYear->setCurrentIndex(year - 1900);
}

QImage shownPicture(const frmDisplay &reading)
{
    return reading.picSunSign->pixmap().toImage();
}

QImage listPicture(frmMain &input, int number)
{
    return input.IMGSunsignList.picture(number).toImage();
}

// Every control the reading fills, with what it shows.
QStringList shownFields(const frmDisplay &reading)
{
    return {reading.lblSunSign->text(),           reading.lblSunSignElement->text(),
            reading.lblSunSignNumber->text(),     reading.lblSunSignDay->text(),
            reading.lblSunSignCompatibility->text(), reading.lblSunSignBirthStone->text(),
            reading.txtSunSignPositiveTraits->toPlainText(), reading.txtSunSignNegativeTraits->toPlainText(),
            reading.lblBoldness->text(),          reading.lblTraditional->text(),
            reading.lblColorful->text(),          reading.lblCustomMade->text(),
            reading.lblFrilly->text(),            reading.lblPreferredColors->text(),
            reading.lblUndesirableColors->text(), reading.txtFashionCharacteristics->toPlainText()};
}

QStringList profileFields(const SignProfile &sign)
{
    QString fashion = sign.FashionCharacteristics;
    fashion.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return {sign.Name,           sign.Element,        sign.LuckyNumbers, sign.LuckyDay,   sign.Compatibility,
            sign.BirthStone,     sign.PositiveTraits, sign.NegativeTraits, sign.Boldness, sign.Traditional,
            sign.Colorful,       sign.CustomMade,     sign.Frilly,       sign.PreferredColors,
            sign.UndesirableColors, fashion};
}

} // namespace

class TestReading : public QObject
{
    Q_OBJECT

    std::unique_ptr<FakePlatform> platform;
    frmMain *input = nullptr;

    frmDisplay &readingFor(int day, int month, int year = 1990)
    {
        enter(*input, QStringLiteral("ANN"), QStringLiteral("LEE"), day, month, year);
        input->cmdNext->click();
        return Forms::get<frmDisplay>();
    }

private Q_SLOTS:
    void init()
    {
        modVestastra::CurrentSunSign.clear();
        platform = std::make_unique<FakePlatform>();
        input = &startProgram();
    }

    void cleanup()
    {
        endRun();
        platform.reset();
    }

    void twentyFirstOfJulyIsLeo()
    {
        frmDisplay &reading = readingFor(21, 7);
        QCOMPARE(reading.lblSunSign->text(), QStringLiteral("Leo"));
        QCOMPARE(shownFields(reading), profileFields(*FindSignProfile(u"Leo")));
        QCOMPARE(shownPicture(reading), listPicture(*input, 5));
        QVERIFY(reading.isVisible());
        QVERIFY(!input->isVisible());
        QVERIFY(!Forms::get<frmNagScreen>().isVisible());
        QVERIFY(platform->messages.shown.isEmpty());
    }

    void leoFashionTextHasOneBlankLine()
    {
        frmDisplay &reading = readingFor(1, 8);
        const QStringList paragraphs = reading.txtFashionCharacteristics->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(paragraphs.size(), 3);
        QVERIFY(paragraphs.at(1).isEmpty());
    }

    void backThenJanuaryFirstReplacesEveryField()
    {
        readingFor(21, 7);
        Forms::get<frmDisplay>().cmdBack->click();
        frmDisplay &reading = readingFor(1, 1);
        QCOMPARE(shownFields(reading), profileFields(*FindSignProfile(u"Capricorn")));
        QCOMPARE(shownPicture(reading), listPicture(*input, 10));
    }

    void namesAndYearsDoNotChangeTheReading()
    {
        const QStringList first = shownFields(readingFor(5, 3, 1901));
        Forms::get<frmDisplay>().cmdBack->click();
        enter(*input, QStringLiteral("ZED"), QStringLiteral("QUINN"), 5, 3, 2050);
        input->cmdNext->click();
        QCOMPARE(shownFields(Forms::get<frmDisplay>()), first);
    }

    void backKeepsTheEntriesAndDiscardsTheReading()
    {
        frmDisplay &reading = readingFor(14, 2, 1975);
        QPointer<frmDisplay> shown = &reading;
        reading.mnuBack->trigger();
        QVERIFY(input->isVisible());
        QCOMPARE(input->txtFirstName->text(), QStringLiteral("ANN"));
        QCOMPARE(input->cboDate->currentText(), QStringLiteral("14"));
        QCOMPARE(input->cboMonth->currentText(), QStringLiteral("February"));
        QCOMPARE(input->cboYear->currentText(), QStringLiteral("1975"));
        QVERIFY(!Forms::find<frmDisplay>());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(shown.isNull());
        QVERIFY(Forms::find<frmNagScreen2>() && !Forms::find<frmNagScreen2>()->isVisible());
        QVERIFY(!Forms::get<frmNagScreen>().isVisible());
    }

    void nextReadingStartsOnTheFirstTab()
    {
        frmDisplay &first = readingFor(3, 3);
        first.SSTab1->setCurrentIndex(1);
        first.cmdBack->click();
        frmDisplay &second = readingFor(3, 4);
        QCOMPARE(second.SSTab1->currentIndex(), 0);
        QCOMPARE(second.lblSunSign->text(), QStringLiteral("Aries"));
    }

    void menuEntryEqualsButton()
    {
        input->mnuNext->trigger();
        QCOMPARE(platform->messages.texts(), QStringList{QStringLiteral("Please Enter Your First Name")});
        enter(*input, QStringLiteral("ANN"), QStringLiteral("LEE"), 22, 12, 1999);
        input->mnuNext->trigger();
        QCOMPARE(Forms::get<frmDisplay>().lblSunSign->text(), QStringLiteral("Capricorn"));
    }

    void firstReadingLoadsTheExitScreenHidden()
    {
        platform->random.draws = {0.9f};
        QVERIFY(!Forms::find<frmNagScreen2>());
        readingFor(1, 5);
        frmNagScreen2 *exitScreen = Forms::find<frmNagScreen2>();
        QVERIFY(exitScreen && !exitScreen->isVisible());
        QCOMPARE(exitScreen->Label2->text(), frmNagScreen2::supportMessage(3));
    }

    void clipboardIsNeverTouched()
    {
        QApplication::clipboard()->setText(QStringLiteral("the user's text"));
        frmDisplay &reading = readingFor(9, 9);
        QApplication::setActiveWindow(&reading);
        for (QPlainTextEdit *box : {reading.txtSunSignPositiveTraits, reading.txtSunSignNegativeTraits}) {
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

    void longTextsScrollFromTheKeyboard()
    {
        frmDisplay &reading = readingFor(21, 7);
        QApplication::setActiveWindow(&reading);
        QPlainTextEdit *box = reading.txtSunSignPositiveTraits;
        box->setFocus();
        QScrollBar *bar = box->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QTest::keyClick(box, Qt::Key_PageDown);
        QVERIFY(bar->value() > 0);
        QTest::keyClick(box, Qt::Key_Up);
        QTest::keyClick(box, Qt::Key_PageUp);
        QCOMPARE(bar->value(), 0);
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
        input->txtFirstName->setText(QStringLiteral("KEPT"));
        bool wasModal = false;
        QTimer::singleShot(0, [&] {
            frmAbout *about = Forms::find<frmAbout>();
            QVERIFY(about);
            wasModal = QApplication::activeModalWidget() == about && about->isVisible();
            if (key == 0)
                about->cmdOK->click();
            else
                QTest::keyClick(about->cmdOK, Qt::Key(key));
        });
        input->mnuAbout->trigger();
        QVERIFY(wasModal);
        QVERIFY(!Forms::find<frmAbout>());
        QVERIFY(input->isVisible());
        QCOMPARE(input->txtFirstName->text(), QStringLiteral("KEPT"));
    }

    void aboutFromTheReadingWindowShowsTheSameContent()
    {
        frmDisplay &reading = readingFor(2, 2);
        QStringList texts;
        QTimer::singleShot(0, [&] {
            frmAbout *about = Forms::find<frmAbout>();
            texts << about->Label2->text() << about->lblCoBrand->text();
            QTest::mouseClick(about->lblCoBrand, Qt::LeftButton);
            about->close();
        });
        reading.mnuAbout->trigger();
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
            window = &Forms::get<frmAbout>();
        if (auto *entry = window->findChild<QAction *>(control)) {
            entry->trigger();
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

QTEST_MAIN(TestReading)
#include "tst_reading.moc"
