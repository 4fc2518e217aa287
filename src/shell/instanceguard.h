#pragma once

#include "seam.h"

// Tells whether another copy of this program already runs for this user.
class InstanceGuard
{
public:
    virtual ~InstanceGuard() = default;
    virtual bool anotherIsRunning() = 0;

    static InstanceGuard &system();
};
