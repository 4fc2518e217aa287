#include "app/application.h"
#include "app/caretblinklimit.h"
#include "core/offerdraw.h"
#include "core/reminderrules.h"
#include "support/testsupport.h"
#include "web/updatereminder.h"
#include "windows/aboutwindow.h"
#include "windows/exitscreen.h"
#include "windows/inputwindow.h"
#include "windows/readingwindow.h"

#include <QAction>
#include <QFile>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QAccessible>
#include <QPixmapCache>
#include <QTest>
#include <QTimer>

namespace {

QWidget *frontPromotion(InputWindow &input)
{
    return control<QFrame>(input, "Frame5")->childAt(control<Label>(input, "lblCobrand")->geometry().center());
}

} // namespace

class TestSession : public WindowTest
{
    Q_OBJECT

    QStringList visibleWindows() const
    {
        QStringList names;
        for (QWidget *window : session->windows()) {
            if (window->isVisible())
                names << window->objectName();
        }
        return names;
    }


private Q_SLOTS:

    void startShowsTheInputWindowOnly()
    {
        InputWindow &input = startProgram();
        QCOMPARE(platform->random.seeds, 1);
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmMain")});
        QCOMPARE(session->windows(), QList<QWidget *>{&input});
        QVERIFY(platform->messages.shown.isEmpty());
        QVERIFY(input.isVisible());
        QVERIFY(!session->hasEnded());
    }

    void secondCopyIsRefusedAndTouchesNothing()
    {
        platform->guard.anotherRunning = true;
        QVERIFY(!program().start());
        QCOMPARE(platform->messages.texts(), QStringList{QStringLiteral("Application is already running")});
        QCOMPARE(platform->messages.shown.first().icon, MessageIcon::Information);
        // No window is up yet for the message to belong to.
        QCOMPARE(platform->messages.owners(), QStringList{QString()});
        QVERIFY(session->hasEnded());
        QVERIFY(session->windows().isEmpty());
        QCOMPARE(platform->random.seeds, 0);
        QVERIFY(QSettings(QCoreApplication::applicationName()).allKeys().isEmpty());
    }

    void yesOpensTheUpdatePageBeforeTheInputWindow()
    {
        QSettings(QCoreApplication::applicationName())
            .setValue(reminderSettingKey(), encodeSetting(QStringLiteral("2026-11-01")));
        platform->messages.answers.push_back(MessageAnswer::Yes);
        bool inputExistedAtOpen = true;
        platform->desktop.onOpen = [&] { inputExistedAtOpen = findWindow<InputWindow>() != nullptr; };
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
        // Worked out in single precision, as the draw is: 5/12 x 6 + 1 is 3.5 there.
        QTest::newRow("5/12 rounds 3.5 up to 4") << 5.0f / 12.0f << 4 << QStringLiteral("lblFullBrand");
        QTest::newRow("0.75 rounds 5.5 up to 6") << 0.75f << 6 << QStringLiteral("lblFullBrand");
        QTest::newRow("7 keeps the design") << 0.99f << 7 << QStringLiteral("lblCobrand");
        QTest::newRow("largest draw below 1") << std::nextafter(1.0f, 0.0f) << 7 << QStringLiteral("lblCobrand");
    }

    void coBrandDraws()
    {
        QFETCH(float, r);
        QFETCH(int, number);
        QFETCH(QString, front);
        QCOMPARE(offerDraw(r), number);
        platform->random.draws = {r};
        InputWindow &input = startProgram();
        QCOMPARE(frontPromotion(input)->objectName(), front);
        // The offer beneath is hidden: it takes no focus, and no screen reader reads it.
        QWidget *coBrand = control<QWidget>(input, "lblCobrand");
        QWidget *fullBrand = control<QWidget>(input, "lblFullBrand");
        QWidget *beneath = frontPromotion(input) == coBrand ? fullBrand : coBrand;
        QCOMPARE(frontPromotion(input)->focusPolicy(), Qt::TabFocus);
        QVERIFY(frontPromotion(input)->isVisible());
        QVERIFY(!beneath->isVisible());
        QVERIFY(QAccessible::queryAccessibleInterface(beneath)->state().invisible);
    }

    void drawSevenKeepsAnEarlierOrderUntouched()
    {
        InputWindow &input = program().inputWindow();
        control<Label>(input, "lblFullBrand")->raise();
        platform->random.draws = {0.99f};
        QVERIFY(program().start());
        QCOMPARE(frontPromotion(input), control<Label>(input, "lblFullBrand"));
    }

    void caretBlinksOnlyWhileTheUserWorks_data()
    {
        QTest::addColumn<int>("wake");
        QTest::newRow("key press") << int(QEvent::KeyPress);
        QTest::newRow("click") << int(QEvent::MouseButtonPress);
        QTest::newRow("input method") << int(QEvent::InputMethod);
    }

    void caretBlinksOnlyWhileTheUserWorks()
    {
        QFETCH(int, wake);
        const int blinkTime = QApplication::cursorFlashTime();
        QVERIFY(blinkTime > 0);
        QLineEdit box;
        auto limit = std::make_unique<CaretBlinkLimit>(*qApp, std::chrono::milliseconds(50));
        QCOMPARE(QApplication::cursorFlashTime(), blinkTime);
        QTRY_COMPARE(QApplication::cursorFlashTime(), 0);

        std::unique_ptr<QEvent> userAct;
        if (wake == QEvent::KeyPress)
            userAct = std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        else if (wake == QEvent::MouseButtonPress)
            userAct = std::make_unique<QMouseEvent>(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2),
                                                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        else
            userAct = std::make_unique<QInputMethodEvent>();
        QCoreApplication::sendEvent(&box, userAct.get());
        QCOMPARE(QApplication::cursorFlashTime(), blinkTime);
        QTRY_COMPARE(QApplication::cursorFlashTime(), 0);

        limit.reset();
        QApplication::setCursorFlashTime(blinkTime);
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
        InputWindow &input = startProgram();
        if (how == QLatin1String("cmdExit"))
            control<QPushButton>(input, "cmdExit")->click();
        else if (how == QLatin1String("mnuExit"))
            choose(control<QAction>(input, "mnuExit"));
        else
            input.close();
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmNagScreen2")});
        QVERIFY(!findWindow<InputWindow>());
        QVERIFY(!session->hasEnded());

        program().exitScreen().close();
        QVERIFY(session->hasEnded());
        QVERIFY(session->windows().isEmpty());
    }

    void closingTheReadingWindowLeavesTheInputWindowHidden()
    {
        askForReading(startProgram(), 1, 1);
        choose(control<QAction>(program().readingWindow(), "mnuExit"));
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmNagScreen2")});
        QVERIFY(findWindow<InputWindow>() && !findWindow<InputWindow>()->isVisible());

        control<QPushButton>(program().exitScreen(), "cmdClose")->click();
        QVERIFY(session->hasEnded());
        QVERIFY(session->windows().isEmpty());
    }

    // Built only as it comes up (a screen reader skips what was built hidden), its
    // word of support drawn then.
    void exitScreenIsBuiltAsItComesUp()
    {
        platform->random.draws = {0.0f, 0.3f};
        InputWindow &input = startProgram();
        askForReading(input, 1, 1);
        control<QPushButton>(program().readingWindow(), "cmdBack")->click();
        askForReading(input, 2, 2);
        QVERIFY(!findWindow<ExitScreen>());
        QCOMPARE(platform->random.seeds, 1);
        choose(control<QAction>(program().readingWindow(), "mnuExit"));
        QPointer<ExitScreen> exitScreen = findWindow<ExitScreen>();
        QVERIFY(exitScreen && exitScreen->isVisible());
        QCOMPARE(control<Label>(exitScreen, "Label2")->text(), design::supportMessage(1));
    }

    // About opens once the menu entry has returned, so that a screen reader's press
    // returns too (a menu that blocked would be failed by the watchdog).
    void aboutOpensAfterItsMenuEntryAndEndsNothing()
    {
        InputWindow &input = startProgram();
        control<QAction>(input, "mnuAbout")->trigger();
        QVERIFY(!QApplication::activeModalWidget());
        bool shown = false;
        QTimer::singleShot(0, [&shown] {
            if (QWidget *about = QApplication::activeModalWidget()) {
                shown = about->objectName() == QLatin1String("frmAbout");
                about->close();
            }
        });
        QCoreApplication::sendPostedEvents(session.get(), QEvent::MetaCall);
        QVERIFY(shown);
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmMain")});
        QVERIFY(!session->hasEnded());
    }

    void shutdownClosesHiddenWindowsAndIsReentrant()
    {
        askForReading(startProgram(), 1, 1);
        choose(control<QAction>(program().readingWindow(), "mnuExit"));
        QCOMPARE(session->windows().size(), 2);
        QList<QPointer<QWidget>> all;
        for (QWidget *form : session->windows())
            all << form;
        QPointer<ExitScreen> exitScreen = findWindow<ExitScreen>();
        exitScreen->close();
        exitScreen->close();
        QVERIFY(session->hasEnded());
        QVERIFY(session->windows().isEmpty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (const QPointer<QWidget> &form : all)
            QVERIFY(form.isNull());
    }

    // Last, for it sets the whole application up as the program does: named as the
    // desktop entry the build installs, so that the desktop matches the windows to the
    // launcher; ended by the session, never by its last window closing; the caret's
    // blinking held to while the user works; no drawings kept, which would pile up
    // reading after reading.
    void applicationIsSetUpForTheDesktop()
    {
        setUpApplication(*qApp);
        const QString entry = QGuiApplication::desktopFileName() + QLatin1String(".desktop");
        QVERIFY2(QFile::exists(QStringLiteral(DESKTOP_ENTRIES_DIR "/") + entry), qPrintable(entry));
        QVERIFY(!QApplication::quitOnLastWindowClosed());
        QVERIFY(qApp->findChild<CaretBlinkLimit *>());
        QCOMPARE(QPixmapCache::cacheLimit(), 0);
    }
};

QTEST_MAIN(TestSession)
#include "tst_session.moc"
