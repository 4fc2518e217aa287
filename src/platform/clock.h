#pragma once

#include "seam.h"

#include <QDate>

// Today's date, as the update reminder sees it.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDate today() = 0;

    static Clock &system();
};
