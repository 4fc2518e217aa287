#pragma once

// Stand-ins for the program's seams, so that no test opens a real message box,
// browser or clock-seeded draw.

#include "shell/clock.h"
#include "shell/desktop.h"
#include "shell/forms.h"
#include "shell/frmnagscreen.h"
#include "shell/instanceguard.h"
#include "shell/messagebox.h"
#include "shell/random.h"
#include "shell/shutdown.h"
#include "windows/frmabout.h"
#include "windows/frmdisplay.h"
#include "windows/frmmain.h"
#include "windows/frmnagscreen2.h"

#include <QCoreApplication>
#include <QList>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>

#include <deque>
#include <functional>

// The maker's two sites this build was configured for, as the tests expect them.
inline QString mainSite()
{
    return QStringLiteral(EXPECTED_MAIN_SITE);
}

inline QString helpSite()
{
    return QStringLiteral(EXPECTED_HELP_SITE);
}

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

// Every outside service of the program replaced, and a settings store of its own.
struct FakePlatform
{
    FakePlatform()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
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
    UnloadAllAndEnd();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Forms::startNewRun();
}

// Starts the program as it starts for a user, through its start-up form.
inline frmMain &startProgram()
{
    Forms::get<frmNagScreen>();
    return Forms::get<frmMain>();
}

// A window by its name, loaded when absent.
inline Form &formNamed(const QString &name)
{
    if (name == QLatin1String("frmMain"))
        return Forms::get<frmMain>();
    if (name == QLatin1String("frmDisplay"))
        return Forms::get<frmDisplay>();
    if (name == QLatin1String("frmAbout"))
        return Forms::get<frmAbout>();
    return Forms::get<frmNagScreen2>();
}
