#include "instanceguard.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>

#include <unistd.h>

namespace {

// The lock file the guard holds for the program's lifetime: per user, named after
// the executable, in the temporary folder.
QString instanceLockPath()
{
    const QString name = QStringLiteral("%1-%2.lock").arg(QCoreApplication::applicationName()).arg(getuid());
    return QDir(QDir::tempPath()).filePath(name);
}

// A lock file rather than shared memory: the lock of a copy that crashed or was
// killed names a process that no longer runs, so the next start takes it over.
class LockFileGuard final : public InstanceGuard
{
public:
    bool anotherIsRunning() override
    {
        if (!lock) {
            lock = std::make_unique<QLockFile>(instanceLockPath());
            lock->setStaleLockTime(0);
            held = lock->tryLock(0);
        }
        return !held;
    }

private:
    std::unique_ptr<QLockFile> lock;
    bool held = false;
};

} // namespace

InstanceGuard &InstanceGuard::system()
{
    static LockFileGuard guard;
    return guard;
}
