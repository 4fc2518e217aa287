#include "random.h"

#include <chrono>
#include <random>

// In nanoseconds: copies started within the same millisecond still draw apart.
void QtRandomSource::seedFromClock()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const quint64 nanoseconds = quint64(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
    std::seed_seq seed{quint32(nanoseconds), quint32(nanoseconds >> 32)};
    generator.seed(seed);
}

float QtRandomSource::next()
{
    // 24 random bits fill a float's mantissa exactly, so the result can never round
    // up to 1 as a converted double could.
    constexpr quint32 steps = 1u << 24;
    return float(generator.bounded(steps)) / float(steps);
}
