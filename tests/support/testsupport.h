#pragma once

// Stand-ins for the program's seams, so that no test opens a real message box,
// browser or clock-seeded draw.

#include "app/flow.h"
#include "app/shutdown.h"
#include "app/startup.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/forms.h"
#include "platform/instanceguard.h"
#include "platform/messagebox.h"
#include "platform/random.h"
#include "support/design.h"
#include "windows/aboutwindow.h"
#include "windows/exitscreen.h"
#include "windows/inputwindow.h"
#include "windows/readingwindow.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QList>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>

using controls::Label;

using design::helpSite;
using design::mainSite;

struct ShownMessage
{
    QString owner; // the objectName of the window the box belongs to; empty for none
    QString text;
    MessageIcon icon;
    MessageButtons buttons;
};

class FakeMessageBoxes : public MessageBoxes
{
public:
    MessageAnswer show(QWidget *owner, const QString &text, MessageIcon icon, MessageButtons buttons) override
    {
        shown.append({owner ? owner->window()->objectName() : QString(), text, icon, buttons});
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

private:
    Seam<MessageBoxes>::Replace replace{*this};
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

private:
    Seam<RandomSource>::Replace replace{*this};
};

class FakeDesktop : public Desktop
{
public:
    void openAddress(const QString &address) override
    {
        opened.append(address);
        if (onOpen)
            onOpen();
    }

    QStringList opened;
    std::function<void()> onOpen;

private:
    Seam<Desktop>::Replace replace{*this};
};

class FakeInstanceGuard : public InstanceGuard
{
public:
    bool anotherIsRunning() override { return anotherRunning; }

    bool anotherRunning = false;

private:
    Seam<InstanceGuard>::Replace replace{*this};
};

class FakeClock : public Clock
{
public:
    QDate today() override { return date; }

    QDate date{2026, 12, 8};

private:
    Seam<Clock>::Replace replace{*this};
};

// Every outside service of the program replaced, a settings store of its own, and
// the program's flow in place, as the program sets it up.
struct FakePlatform
{
    FakePlatform()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
        installProgramFlow();
    }

    QTemporaryDir settingsFolder;
    FakeMessageBoxes messages;
    FakeRandom random;
    FakeDesktop desktop;
    FakeInstanceGuard guard;
    FakeClock clock;
};

// Ends a run of the program's windows the way the program ends, and readies the
// next run.
inline void endRun()
{
    closeAllAndEnd();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Forms::startNewRun();
}

// The names of the top-level windows still alive; a test's cleanup expects none.
inline QStringList leftoverWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList names;
    for (const QWidget *window : QApplication::topLevelWidgets())
        names << (window->objectName().isEmpty() ? QString::fromLatin1(window->metaObject()->className())
                                                 : window->objectName());
    return names;
}

// Fails the running test when a top-level window outlived it, as every window test
// checks in its cleanup.
inline void verifyNoWindowLeft()
{
    const QStringList left = leftoverWindows();
    QVERIFY2(left.isEmpty(), qPrintable(QLatin1String("windows left behind: ") + left.join(QLatin1String(", "))));
}

// Starts the program as it starts for a user, through its start-up form.
inline InputWindow &startProgram()
{
    Forms::load<StartUp>();
    return Forms::load<InputWindow>();
}

// A window by its name, loaded when absent; an unknown name ends the test run.
inline Form &formNamed(const QString &name)
{
    if (name == QLatin1String("frmMain"))
        return Forms::load<InputWindow>();
    if (name == QLatin1String("frmDisplay"))
        return Forms::load<ReadingWindow>();
    if (name == QLatin1String("frmAbout"))
        return Forms::load<AboutWindow>();
    if (name == QLatin1String("frmNagScreen2"))
        return Forms::load<ExitScreen>();
    qFatal("formNamed: no window is named \"%s\"", qPrintable(name));
}

// Chooses a menu entry as the user does. Entries that may open a modal box act once
// the event loop turns, which this lets happen.
inline void choose(QAction *entry)
{
    entry->trigger();
    // Only the window's own calls: a test's timers wait for the nested event loop.
    QObject *window = entry;
    while (window && !qobject_cast<Form *>(window))
        window = window->parent();
    QCoreApplication::sendPostedEvents(window, QEvent::MetaCall);
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

// Fills the input window as a user does and asks for the reading: the reading window
// it opens, whatever the entries' checks said.
inline ReadingWindow &askForReading(InputWindow &input, int day, int month, int year = 1990,
                                    const QString &first = QStringLiteral("ANN"),
                                    const QString &last = QStringLiteral("LEE"))
{
    control<QLineEdit>(input, "txtFirstName")->setText(first);
    control<QLineEdit>(input, "txtLastName")->setText(last);
    control<QComboBox>(input, "cboDate")->setCurrentIndex(day - 1);
    control<QComboBox>(input, "cboMonth")->setCurrentIndex(month - 1);
    control<QComboBox>(input, "cboYear")->setCurrentIndex(year - 1900);
    control<QPushButton>(input, "cmdNext")->click();
    return Forms::load<ReadingWindow>();
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

// What every test of the program's windows shares: its outside services replaced, no
// modal window left waiting, and after each test the program's run ended and no
// window left behind. A test class with set-up of its own calls init() first.
class WindowTest : public QObject
{
    Q_OBJECT

protected:
    std::unique_ptr<FakePlatform> platform;

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
    std::unique_ptr<ModalWatchdog> watchdog;
};
