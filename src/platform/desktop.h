#pragma once

#include <QString>

// Hands a web address to the desktop, which opens it in the user's browser. Never
// waits for the browser, and never reports whether it came up.
class Desktop
{
public:
    virtual ~Desktop() = default;
    virtual void openAddress(const QString &address) = 0;
};

// The desktop's default browser, through Qt.
class QtDesktop final : public Desktop
{
public:
    void openAddress(const QString &address) override;
};
