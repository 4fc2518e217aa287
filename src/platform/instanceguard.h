#pragma once

#include <QByteArray>

#include <memory>
#include <optional>

class QSocketNotifier;

// Tells whether another copy of this program already runs for this user on this
// machine.
class InstanceGuard
{
public:
    virtual ~InstanceGuard() = default;
    virtual bool anotherIsRunning() = 0;
};

// The guard of a running program: a socket it listens on while it runs, under a name
// of Linux's abstract namespace made of the application's name, the user's and their
// home's.
class SocketGuard final : public InstanceGuard
{
public:
    SocketGuard();
    ~SocketGuard() override;

    bool anotherIsRunning() override;

    // The socket's name for this process's application name, user and home, without the
    // leading zero byte; slot is the place among the names tried, from 0.
    static QByteArray socketName(int slot);

private:
    bool claim();

    int listening = -1;
    std::unique_ptr<QSocketNotifier> notifier;
    std::optional<bool> another;
};
