#pragma once

#include <memory>

// The display the program is about to show its windows on, reached before Qt reaches
// for it: Qt ends a program that cannot reach its display with an abort and a core
// dump. While held, the connection also keeps a bare X server from resetting between
// this check and Qt's own connection (an X server resets when its last client goes).
class DisplayConnection
{
public:
    DisplayConnection();
    ~DisplayConnection();
    DisplayConnection(const DisplayConnection &) = delete;
    DisplayConnection &operator=(const DisplayConnection &) = delete;

    // Whether a display Qt would use answered. Platforms that need no display server
    // (offscreen, framebuffers) always count as reached.
    bool reached() const { return reachedOne; }

    // Lets the connection go, once Qt holds its own.
    void release();

private:
    struct Held;
    std::unique_ptr<Held> held;
    bool reachedOne = false;
};
