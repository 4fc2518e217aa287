#include "clock.h"

namespace {

class SystemClock final : public Clock
{
public:
    QDate today() override { return QDate::currentDate(); }
};

} // namespace

Clock &Clock::system()
{
    static SystemClock clock;
    return clock;
}
