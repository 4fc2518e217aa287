#pragma once

#include "seam.h"

#include <QString>

// Hands a web address to the desktop, which opens it in the user's browser. Never
// waits for the browser, and never reports whether it came up.
class Desktop
{
public:
    virtual ~Desktop() = default;
    virtual void openAddress(const QString &address) = 0;

    static Desktop &system();
};

inline void openAddress(const QString &address)
{
    Seam<Desktop>::get().openAddress(address);
}
