#include "random.h"

#include <QDateTime>
#include <QRandomGenerator>

namespace {

class QtRandomSource final : public RandomSource
{
public:
    void seedFromClock() override
    {
        generator.seed(quint32(QDateTime::currentMSecsSinceEpoch()));
    }

    float next() override
    {
        // 24 random bits fill a float's mantissa exactly, so the result can never
        // round up to 1 as a converted double could.
        constexpr quint32 steps = 1u << 24;
        return float(generator.bounded(steps)) / float(steps);
    }

private:
    QRandomGenerator generator{1};
};

} // namespace

RandomSource &RandomSource::system()
{
    static QtRandomSource source;
    return source;
}
