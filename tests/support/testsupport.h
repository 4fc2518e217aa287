#pragma once

// Stand-ins for the platform's services, so that no test opens a real message box,
// browser or clock-seeded draw, and what every test of the program's windows shares.

#include "app/session.h"
#include "platform/platform.h"
#include "support/design.h"
#include "web/webcommands.h"
#include "windows/aboutwindow.h"
#include "windows/exitscreen.h"
#include "windows/inputwindow.h"
#include "windows/programstyle.h"
#include "windows/readingwindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <memory>

using controls::Label;

using design::helpSite;
using design::mainSite;

struct ShownMessage
{
    QString owner; // the objectName of the window the box belongs to; empty for none
    QString focus; // the objectName of the control that had the focus as the box came up
    QString text;
    MessageIcon icon;
    MessageButtons buttons;
};

class FakeMessageBoxes : public MessageBoxes
{
public:
    MessageAnswer show(QWidget *owner, const QString &text, MessageIcon icon, MessageButtons buttons) override
    {
        const QWidget *focus = QApplication::focusWidget();
        shown.append({owner ? owner->window()->objectName() : QString(), focus ? focus->objectName() : QString(),
                      text, icon, buttons});
        if (buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        if (answers.empty())
            return MessageAnswer::No;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    QStringList texts() const
    {
        QStringList all;
        for (const ShownMessage &message : shown)
            all.append(message.text);
        return all;
    }

    // The window each box belonged to, in the order shown.
    QStringList owners() const
    {
        QStringList all;
        for (const ShownMessage &message : shown)
            all.append(message.owner);
        return all;
    }

    QList<ShownMessage> shown;
    std::deque<MessageAnswer> answers;
};

class FakeRandom : public RandomSource
{
public:
    void seedFromClock() override { ++seeds; }
    float next() override
    {
        if (draws.empty())
            return 0.0f;
        const float r = draws.front();
        draws.pop_front();
        return r;
    }

    int seeds = 0;
    std::deque<float> draws;
};

class FakeDesktop : public Desktop
{
public:
    bool openAddress(const QString &address) override
    {
        opened.append(address);
        if (onOpen)
            onOpen();
        return opens;
    }

    QStringList opened;
    bool opens = true; // whether a browser comes up
    std::function<void()> onOpen;
};

class FakeInstanceGuard : public InstanceGuard
{
public:
    bool anotherIsRunning() override { return anotherRunning; }

    bool anotherRunning = false;
};

class FakeClock : public Clock
{
public:
    QDate today() override { return date; }

    QDate date{2026, 12, 8};
};

// Every outside service of the program replaced, and a settings store of its own.
struct FakePlatform
{
    // The store's folder is the user's configuration folder, as QSettings sees it too.
    FakePlatform()
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(settingsFolder.path()));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
    }

    Platform services() { return {messages, desktop, clock, random, guard, settings}; }

    QTemporaryDir settingsFolder;
    FakeMessageBoxes messages;
    FakeRandom random;
    FakeDesktop desktop;
    FakeInstanceGuard guard;
    FakeClock clock;
    FileSettingsStore settings;
};

// Fails the running test when a top-level window outlived it, as every window test
// checks in its cleanup.
inline void verifyNoWindowLeft()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList left;
    for (const QWidget *window : QApplication::topLevelWidgets())
        left << (window->objectName().isEmpty() ? QString::fromLatin1(window->metaObject()->className())
                                                : window->objectName());
    QVERIFY2(left.isEmpty(), qPrintable(QLatin1String("windows left behind: ") + left.join(QLatin1String(", "))));
}

// A window's control by its name; a control that is missing, or of another kind,
// ends the test run.
template <class T = QObject>
T *control(const QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QLatin1String(name));
    if (!found) {
        qFatal("control: %s has no %s named \"%s\"", qPrintable(window->objectName()),
               T::staticMetaObject.className(), name);
    }
    return found;
}

template <class T = QObject>
T *control(const QWidget &window, const char *name)
{
    return control<T>(&window, name);
}

// The area of a window its controls are placed on.
inline QWidget *clientAreaOf(QWidget &window)
{
    return control<QWidget>(window, "clientArea");
}

// Fails the running test, by name, when a modal window stays open for seconds: a test
// waiting on one that never closes would otherwise sit until CTest's timeout. The
// window is closed, so that the test goes on to its end and reports.
class ModalWatchdog : public QObject
{
public:
    ModalWatchdog()
    {
        checks.setInterval(250);
        connect(&checks, &QTimer::timeout, this, &ModalWatchdog::check);
        checks.start();
    }

private:
    void check()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal != watched) {
            watched = modal;
            openFor.start();
            return;
        }
        if (!watched || openFor.elapsed() < 3000)
            return;
        const QByteArray message = "a modal window stayed open for 3 s: " + watched->objectName().toUtf8() + " \""
                                   + watched->windowTitle().toUtf8() + '"';
        QTest::qFail(message.constData(), __FILE__, __LINE__);
        watched->close();
        watched = nullptr;
    }

    QTimer checks;
    QPointer<QWidget> watched;
    QElapsedTimer openFor;
};

// What every test of the program's windows shares: the program's style, the
// platform's services replaced, the program's session, no modal window left waiting,
// and after each test the session ended and no window left behind. A test class with
// set-up of its own calls init() first.
class WindowTest : public QObject
{
    Q_OBJECT

public:
    WindowTest() { QApplication::setStyle(new ProgramStyle); }

protected:
    // The program's session, started as the program starts it; its input window.
    InputWindow &startProgram()
    {
        program().start();
        return program().inputWindow();
    }

    // The session, made when first needed and not yet started.
    Session &program()
    {
        if (!session)
            session = std::make_unique<Session>(platform->services());
        return *session;
    }

    // The window of that name as the program builds it, with the session's flow behind
    // it; the About window, which a window opens, standing alone.
    QWidget &windowNamed(const QString &name)
    {
        if (name == QLatin1String("frmMain"))
            return program().inputWindow();
        if (name == QLatin1String("frmDisplay"))
            return program().readingWindow();
        if (name == QLatin1String("frmNagScreen2"))
            return program().exitScreen();
        if (name == QLatin1String("frmAbout")) {
            standaloneAbout = std::make_unique<AboutWindow>(nullptr);
            connect(standaloneAbout.get(), &AboutWindow::pageRequested, this,
                    [this](WebPage page) { openPage(platform->services(), standaloneAbout.get(), page); });
            return *standaloneAbout;
        }
        qFatal("window: no window is named \"%s\"", qPrintable(name));
    }

    // Fills the input window as a user does and asks for the reading: the reading
    // window the session shows.
    ReadingWindow &askForReading(InputWindow &input, int day, int month, int year = 1990,
                                 const QString &first = QStringLiteral("ANN"),
                                 const QString &last = QStringLiteral("LEE"))
    {
        control<QLineEdit>(input, "txtFirstName")->setText(first);
        control<QLineEdit>(input, "txtLastName")->setText(last);
        control<QComboBox>(input, "cboDate")->setCurrentIndex(day - 1);
        control<QComboBox>(input, "cboMonth")->setCurrentIndex(month - 1);
        control<QComboBox>(input, "cboYear")->setCurrentIndex(year - 1900);
        control<QPushButton>(input, "cmdNext")->click();
        return program().readingWindow();
    }

    // The window of that kind when the session has one up, else none.
    template <class Window>
    Window *findWindow()
    {
        if (!session)
            return nullptr;
        for (QWidget *up : session->windows()) {
            if (auto *match = qobject_cast<Window *>(up))
                return match;
        }
        return nullptr;
    }

    // Chooses a menu entry as the user does. Requests that may open a modal box act
    // once the event loop turns, which this lets happen: only the window's and the
    // session's, for a test's own timers wait for the nested event loop.
    void choose(QAction *entry)
    {
        entry->trigger();
        QObject *window = entry;
        while (window && !qobject_cast<FixedWindow *>(window))
            window = window->parent();
        QCoreApplication::sendPostedEvents(window, QEvent::MetaCall);
        if (session)
            QCoreApplication::sendPostedEvents(session.get(), QEvent::MetaCall);
    }

    // Ends the session the way the program ends, and readies the next.
    void endRun()
    {
        standaloneAbout.reset();
        session.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<Session> session;

protected Q_SLOTS:
    void init()
    {
        platform = std::make_unique<FakePlatform>();
        watchdog = std::make_unique<ModalWatchdog>();
    }

    void cleanup()
    {
        endRun();
        verifyNoWindowLeft();
        watchdog.reset();
        platform.reset();
    }

private:
    std::unique_ptr<AboutWindow> standaloneAbout;
    std::unique_ptr<ModalWatchdog> watchdog;
};
