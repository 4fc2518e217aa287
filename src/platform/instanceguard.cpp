#include "instanceguard.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <memory>
#include <optional>

namespace {

// A lock file that names no owner is taken over only once it is this old: a copy
// starting right now may still be writing its own.
constexpr qint64 ownerlessLockSeconds = 5;

// The user's own folder for the lock. Qt checks that the session's runtime folder is
// the user's and private to them; without one it would warn on the terminal and make
// a folder in the shared temporary folder, so then the user's cache folder serves.
QString lockFolder()
{
    if (QDir::isAbsolutePath(qEnvironmentVariable("XDG_RUNTIME_DIR")))
        return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
}

// True for a lock file whose owner cannot be read (a copy died while writing it, or
// the disk was full) and that no copy can still be writing.
bool isOwnerlessAndOld(const QLockFile &lock, const QString &path)
{
    if (lock.getLockInfo(nullptr, nullptr, nullptr))
        return false;
    const QDateTime modified = QFileInfo(path).lastModified();
    return modified.isValid() && qAbs(modified.secsTo(QDateTime::currentDateTime())) > ownerlessLockSeconds;
}

// Removes an ownerless lock under the side lock QLockFile itself takes before it
// removes a stale lock, checking again under it, so that of two copies starting
// together only one removes the old lock, never the other's new one.
void removeOwnerlessLock(QLockFile &lock, const QString &path)
{
    QLockFile removal(path + QLatin1String(".rmlock"));
    if (removal.tryLock(0) && isOwnerlessAndOld(lock, path))
        lock.removeStaleLockFile();
}

// A lock file rather than shared memory: the lock of a copy that crashed or was
// killed names a process that no longer runs, so the next start takes it over.
class LockFileGuard final : public InstanceGuard
{
public:
    bool anotherIsRunning() override
    {
        if (!another)
            another = !takeLock();
        return *another;
    }

private:
    // False only when another copy holds the lock. Any other failure (no folder, a
    // folder that is missing, not writable or full) lets the program start: the guard
    // never locks the user out.
    bool takeLock()
    {
        const QString path = lockPath();
        if (path.isEmpty())
            return true;
        QDir().mkpath(QFileInfo(path).absolutePath());
        lock = std::make_unique<QLockFile>(path);
        // QLockFile takes over the lock of an owner that no longer runs by itself; a
        // stale time would also hand over the lock of a live copy that has run long.
        lock->setStaleLockTime(0);
        if (lock->tryLock(0) || lock->error() != QLockFile::LockFailedError)
            return true;
        if (!isOwnerlessAndOld(*lock, path))
            return false;
        removeOwnerlessLock(*lock, path);
        return lock->tryLock(0) || lock->error() != QLockFile::LockFailedError;
    }

    std::unique_ptr<QLockFile> lock;
    std::optional<bool> another;
};

} // namespace

InstanceGuard &InstanceGuard::system()
{
    static LockFileGuard guard;
    return guard;
}

QString InstanceGuard::lockPath()
{
    const QString folder = lockFolder();
    if (folder.isEmpty())
        return {};
    // Joined, never through arg(): any application name is safe, "%1" included.
    return folder + QLatin1Char('/') + QCoreApplication::applicationName() + QLatin1String(".lock");
}
