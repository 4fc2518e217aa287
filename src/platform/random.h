#pragma once

#include "seam.h"

// The program's one random generator.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void seedFromClock() = 0;
    // A single-precision r with 0 <= r < 1.
    virtual float next() = 0;

    static RandomSource &system();
};

inline void seedRandomFromClock()
{
    Seam<RandomSource>::get().seedFromClock();
}

inline float drawRandom()
{
    return Seam<RandomSource>::get().next();
}
