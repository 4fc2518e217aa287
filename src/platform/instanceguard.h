#pragma once

#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

// Tells whether another copy of this program already runs for this user on this
// machine.
class InstanceGuard
{
public:
    virtual ~InstanceGuard() = default;
    virtual bool anotherIsRunning() = 0;

    // The lock files the program's guard holds while it runs, for this process's
    // environment and application name: one in the session's runtime folder when
    // there is one, and one in the cache folder, which every start of the user's can
    // reach, with or without a session.
    static QStringList lockPaths();
};

class LockFile;

// The guard of a running program: kernel locks on its lock files, held while it runs.
class KernelLockGuard final : public InstanceGuard
{
public:
    KernelLockGuard();
    ~KernelLockGuard() override;

    bool anotherIsRunning() override;

private:
    bool claimAll();

    std::vector<std::unique_ptr<LockFile>> locks;
    std::optional<bool> another;
};
