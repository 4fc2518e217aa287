#pragma once

#include "core/entryrules.h"

#include <QString>

// The reading step: finds the sign for checked entries, gives the reading window its
// reading and puts it on screen in place of the input window.
class ReadingStep
{
public:
    void showReading(const Entries &entries);

private:
    // A date that matches no sign shows the last sign that matched again.
    QString lastSign;
};
