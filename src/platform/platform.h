#pragma once

#include "clock.h"
#include "desktop.h"
#include "instanceguard.h"
#include "messagebox.h"
#include "random.h"
#include "settingsstore.h"

// The services the program takes from the platform, each behind an interface of its
// own: the program runs on the system's, its tests on stand-ins.
struct Platform
{
    MessageBoxes &messages;
    Desktop &desktop;
    Clock &clock;
    RandomSource &random;
    InstanceGuard &guard;
    SettingsStore &settings;
};

// The system's services, for the program as it runs.
class SystemPlatform
{
public:
    Platform services() { return {messages, desktop, clock, random, guard, settings}; }

private:
    QtMessageBoxes messages;
    QtDesktop desktop;
    SystemClock clock;
    QtRandomSource random;
    SocketGuard guard;
    FileSettingsStore settings;
};
