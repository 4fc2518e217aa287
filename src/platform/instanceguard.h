#pragma once

#include "seam.h"

#include <QString>

// Tells whether another copy of this program already runs for this user.
class InstanceGuard
{
public:
    virtual ~InstanceGuard() = default;
    virtual bool anotherIsRunning() = 0;

    static InstanceGuard &system();

    // The lock file the program's guard holds while it runs, for this process's
    // environment and application name; empty when the user has no folder for it.
    static QString lockPath();
};
