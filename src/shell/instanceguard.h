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
};

// The lock file the guard holds for the program's lifetime: per user, named after
// the executable, in the temporary folder.
QString instanceLockPath();
