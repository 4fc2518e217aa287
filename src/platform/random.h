#pragma once

#include <QRandomGenerator>

// The program's one random generator.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void seedFromClock() = 0;
    // A single-precision r with 0 <= r < 1.
    virtual float next() = 0;
};

// Qt's generator, seeded from the system clock.
class QtRandomSource final : public RandomSource
{
public:
    void seedFromClock() override;
    float next() override;

private:
    QRandomGenerator generator{1};
};
