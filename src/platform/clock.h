#pragma once

#include <QDate>

// Today's date, as the update reminder sees it.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDate today() = 0;
};

// The system's clock, in the user's time zone.
class SystemClock final : public Clock
{
public:
    QDate today() override { return QDate::currentDate(); }
};
