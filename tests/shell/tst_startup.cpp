#include "support/testsupport.h"
#include "windows/frmabout.h"
#include "windows/frmdisplay.h"
#include "windows/frmmain.h"
#include "windows/frmnagscreen2.h"
#include "web/updatereminder.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

QWidget *frontPromotion(frmMain &input)
{
    return input.Frame5->childAt(input.lblCobrand->geometry().center());
}

QStringList visibleWindows()
{
    QStringList names;
    for (Form *form : Forms::loaded()) {
        if (form->isVisible())
            names << form->objectName();
    }
    return names;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

    std::unique_ptr<FakePlatform> platform;

private Q_SLOTS:
    void init() { platform = std::make_unique<FakePlatform>(); }

    void cleanup()
    {
        endRun();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
        platform.reset();
    }

    void startShowsTheInputWindowOnly()
    {
        frmMain &input = startProgram();
        QCOMPARE(platform->random.seeds, 1);
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmMain")});
        QCOMPARE(Forms::loaded().first()->objectName(), QStringLiteral("frmNagScreen"));
        QVERIFY(platform->messages.shown.isEmpty());
        QVERIFY(input.isVisible());
        QVERIFY(!Forms::hasEnded());
    }

    void secondCopyIsRefusedAndTouchesNothing()
    {
        platform->guard.anotherRunning = true;
        Forms::get<frmNagScreen>();
        QCOMPARE(platform->messages.texts(), QStringList{QStringLiteral("Application is already running")});
        QCOMPARE(platform->messages.shown.first().icon, MessageIcon::Information);
        // No window is up yet for the message to belong to.
        QCOMPARE(platform->messages.owners(), QStringList{QString()});
        QVERIFY(Forms::hasEnded());
        QVERIFY(Forms::loaded().isEmpty());
        QCOMPARE(platform->random.seeds, 0);
        QVERIFY(QSettings(QCoreApplication::applicationName()).allKeys().isEmpty());
    }

    void yesOpensTheUpdatePageBeforeTheInputWindow()
    {
        QSettings(QCoreApplication::applicationName())
            .setValue(QLatin1String("Settings/") + EncodeSetting(QStringLiteral("Duration")),
                      EncodeSetting(QStringLiteral("2026-11-01")));
        platform->messages.answers.push_back(MessageAnswer::Yes);
        bool inputExistedAtOpen = true;
        platform->desktop.onOpen = [&] { inputExistedAtOpen = Forms::find<frmMain>() != nullptr; };
        startProgram();
        QCOMPARE(platform->desktop.opened.size(), 1);
        QVERIFY(!inputExistedAtOpen);
    }

    void coBrandDraws_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("front");
        QTest::newRow("0 gives 1") << 0.0f << 1 << QStringLiteral("lblCobrand");
        QTest::newRow("just under 1.5 gives 1") << 0.0833f << 1 << QStringLiteral("lblCobrand");
        QTest::newRow("0.25 rounds 2.5 down to 2") << 0.25f << 2 << QStringLiteral("lblFullBrand");
        QTest::newRow("3") << 0.3f << 3 << QStringLiteral("lblCobrand");
        QTest::newRow("0.5 gives 4") << 0.5f << 4 << QStringLiteral("lblFullBrand");
        QTest::newRow("5") << 0.7f << 5 << QStringLiteral("lblCobrand");
        QTest::newRow("0.75 rounds 5.5 up to 6") << 0.75f << 6 << QStringLiteral("lblFullBrand");
        QTest::newRow("7 keeps the design") << 0.99f << 7 << QStringLiteral("lblCobrand");
        QTest::newRow("largest draw below 1") << std::nextafter(1.0f, 0.0f) << 7 << QStringLiteral("lblCobrand");
    }

    void coBrandDraws()
    {
        QFETCH(float, r);
        QFETCH(int, number);
        QFETCH(QString, front);
        QCOMPARE(int(coBrandDraw(r)), number);
        platform->random.draws = {r};
        frmMain &input = startProgram();
        QCOMPARE(int(Forms::get<frmNagScreen>().intCoBrandRandomNumber), number);
        QCOMPARE(frontPromotion(input)->objectName(), front);
        // Only the offer that can be seen takes the focus.
        QWidget *hidden = frontPromotion(input) == input.lblCobrand ? input.lblFullBrand : input.lblCobrand;
        QCOMPARE(frontPromotion(input)->focusPolicy(), Qt::TabFocus);
        QCOMPARE(hidden->focusPolicy(), Qt::NoFocus);
    }

    void drawSevenKeepsAnEarlierOrderUntouched()
    {
        frmMain &input = startProgram();
        input.lblFullBrand->raise();
        platform->random.draws = {0.99f};
        Forms::get<frmNagScreen>().CoBrand_Randomize();
        QCOMPARE(frontPromotion(input), input.lblFullBrand);
    }

    void closingTheInputWindowShowsTheExitScreen_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("close box") << QStringLiteral("close box");
        QTest::newRow("Exit button") << QStringLiteral("cmdExit");
        QTest::newRow("File, Exit") << QStringLiteral("mnuExit");
    }

    void closingTheInputWindowShowsTheExitScreen()
    {
        QFETCH(QString, how);
        frmMain &input = startProgram();
        if (how == QLatin1String("cmdExit"))
            input.cmdExit->click();
        else if (how == QLatin1String("mnuExit"))
            input.mnuExit->trigger();
        else
            input.close();
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmNagScreen2")});
        QVERIFY(!Forms::find<frmMain>());
        QVERIFY(Forms::find<frmNagScreen>());
        QVERIFY(!Forms::hasEnded());

        Forms::get<frmNagScreen2>().close();
        QVERIFY(Forms::hasEnded());
        QVERIFY(Forms::loaded().isEmpty());
    }

    void closingTheReadingWindowLeavesTheInputWindowHidden()
    {
        frmMain &input = startProgram();
        input.txtFirstName->setText(QStringLiteral("ANN"));
        input.txtLastName->setText(QStringLiteral("LEE"));
        input.cmdNext->click();
        frmDisplay &reading = Forms::get<frmDisplay>();
        reading.mnuExit->trigger();
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmNagScreen2")});
        QVERIFY(Forms::find<frmMain>() && !Forms::find<frmMain>()->isVisible());

        Forms::get<frmNagScreen2>().cmdClose->click();
        QVERIFY(Forms::hasEnded());
        QVERIFY(Forms::loaded().isEmpty());
    }

    void afterBackTheSameExitScreenComesUp()
    {
        platform->random.draws = {0.0f, 0.3f};
        frmMain &input = startProgram();
        input.txtFirstName->setText(QStringLiteral("ANN"));
        input.txtLastName->setText(QStringLiteral("LEE"));
        input.cmdNext->click();
        QPointer<frmNagScreen2> exitScreen = Forms::find<frmNagScreen2>();
        Forms::get<frmDisplay>().cmdBack->click();
        input.cmdNext->click();
        Forms::get<frmDisplay>().cmdBack->click();
        input.close();
        QCOMPARE(Forms::find<frmNagScreen2>(), exitScreen.data());
        QVERIFY(exitScreen->isVisible());
        QCOMPARE(exitScreen->Label2->text(), frmNagScreen2::supportMessage(1));
    }

    void aboutClosesWithoutEndingAnything()
    {
        frmMain &input = startProgram();
        QTimer::singleShot(0, [] { Forms::get<frmAbout>().close(); });
        input.mnuAbout->trigger();
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmMain")});
        QVERIFY(!Forms::isEnding());
    }

    void shutdownClosesHiddenWindowsAndIsReentrant()
    {
        frmMain &input = startProgram();
        input.txtFirstName->setText(QStringLiteral("ANN"));
        input.txtLastName->setText(QStringLiteral("LEE"));
        input.cmdNext->click();
        QCOMPARE(Forms::loaded().size(), 4);
        QList<QPointer<Form>> all;
        for (Form *form : Forms::loaded())
            all << form;
        UnloadAllAndEnd();
        UnloadAllAndEnd();
        QVERIFY(Forms::hasEnded());
        QVERIFY(Forms::loaded().isEmpty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (const QPointer<Form> &form : all)
            QVERIFY(form.isNull());
    }

    void closingTheStartUpFormShutsDown()
    {
        startProgram();
        Forms::get<frmNagScreen>().close();
        QVERIFY(Forms::hasEnded());
        QVERIFY(Forms::loaded().isEmpty());
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
