#pragma once

#include "seam.h"

#include <QStringList>

// Tells whether another copy of this program already runs for this user on this
// machine.
class InstanceGuard
{
public:
    virtual ~InstanceGuard() = default;
    virtual bool anotherIsRunning() = 0;

    static InstanceGuard &system();

    // The lock files the program's guard holds while it runs, for this process's
    // environment and application name: one in the session's runtime folder when
    // there is one, and one in the cache folder, which every start of the user's can
    // reach, with or without a session.
    static QStringList lockPaths();
};
