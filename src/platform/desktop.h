#pragma once

#include <QString>

// Hands a web address to the desktop, which opens it in the user's browser. Never
// waits for the browser; false when no browser could be started for the address.
class Desktop
{
public:
    // The browser gets the address as one argument of a new process, which Linux
    // holds to 128 KiB with its closing zero byte (MAX_ARG_STRLEN): a longer address
    // cannot be opened.
    static constexpr qsizetype longestAddress = 128 * 1024 - 1;

    virtual ~Desktop() = default;
    virtual bool openAddress(const QString &address) = 0;
};

// The desktop's default browser, through Qt.
class QtDesktop final : public Desktop
{
public:
    bool openAddress(const QString &address) override;
};
