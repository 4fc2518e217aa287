#include "instanceguard.h"

#include "core/log.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <optional>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

// The guard is a kernel lock (flock) on a file, not QLockFile. QLockFile decides by
// the owner written into the file, so a leftover it cannot read, open, remove or
// vouch for (written on another host, by another user, a folder or a link in its
// place) would refuse every later start. A kernel lock is held by a live process
// alone and goes with it, however it ends, so only a running copy can refuse a start.

enum class Claim {
    Taken,       // this copy holds the lock
    Busy,        // a running copy holds it
    Unavailable, // no lock here: the folder is missing, read-only or full
};

namespace {

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The machine, so that one home shared between machines keeps one copy per machine.
QString machineName()
{
    QByteArray id = QSysInfo::machineUniqueId();
    if (id.isEmpty())
        id = QSysInfo::machineHostName().toUtf8().toHex();
    return QString::fromLatin1(id);
}

} // namespace

// One lock file, held open (and so locked) for the life of the process.
class LockFile
{
public:
    explicit LockFile(QString lockPath) : path(std::move(lockPath)), name(QFile::encodeName(path)) {}
    ~LockFile()
    {
        if (handle >= 0)
            ::close(handle);
    }
    LockFile(const LockFile &) = delete;
    LockFile &operator=(const LockFile &) = delete;

    Claim claim()
    {
        // A start that finds something else in the lock's place clears it away under
        // the folder's own lock, so that two starts never clear each other's lock.
        const std::optional<Claim> first = tryClaim();
        if (first)
            return *first;
        const int folder = lockFolder();
        if (folder < 0)
            return unavailable(QStringLiteral("cannot lock its folder"), errno);
        std::optional<Claim> result = tryClaim();
        if (!result) {
            const int removed = removeLeftover();
            result = removed == 0 || removed == ENOENT ? tryClaim() : std::nullopt;
            if (!result)
                result = unavailable(QStringLiteral("cannot clear what stands in its place"), removed);
        }
        ::close(folder);
        return *result;
    }

private:
    // Taken, busy or unavailable; none while something that is no lock of ours stands
    // in the lock's place (a link, a folder, a file this user may not open).
    std::optional<Claim> tryClaim()
    {
        for (int attempt = 0; attempt < 5; ++attempt) {
            const int opened = openLock();
            if (opened < 0) {
                const int error = errno;
                if (somethingStandsThere(error))
                    return std::nullopt;
                return unavailable(QStringLiteral("cannot open it"), error);
            }
            struct stat held;
            if (::fstat(opened, &held) != 0 || !S_ISREG(held.st_mode)) {
                ::close(opened);
                return std::nullopt;
            }
            if (::flock(opened, LOCK_EX | LOCK_NB) != 0) {
                const int error = errno;
                ::close(opened);
                if (error == EWOULDBLOCK)
                    return Claim::Busy;
                return unavailable(QStringLiteral("cannot lock it"), error);
            }
            // The file locked must still be the one at the path: a copy that cleared
            // a leftover meanwhile put a new file there, which is the lock now.
            struct stat current;
            if (::lstat(name.constData(), &current) == 0 && sameFile(held, current)) {
                handle = opened;
                return Claim::Taken;
            }
            ::close(opened);
        }
        return unavailable(QStringLiteral("it keeps changing"), 0);
    }

    // Never through a link. For writing where this user may, else for reading: a
    // kernel lock needs only an open file, so a lock file left by another user is
    // locked in place. Non-blocking, so that a pipe in its place cannot hang the start.
    int openLock() const
    {
        constexpr int flags = O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
        const int opened = ::open(name.constData(), O_RDWR | O_CREAT | flags, 0600);
        if (opened >= 0 || (errno != EACCES && errno != EROFS))
            return opened;
        const int writeError = errno;
        const int reading = ::open(name.constData(), O_RDONLY | flags);
        if (reading < 0 && errno == ENOENT)
            errno = writeError;
        return reading;
    }

    // Whether the lock could not be opened because something else is in its place.
    bool somethingStandsThere(int openError) const
    {
        struct stat there;
        switch (openError) {
        case ELOOP:
        case EISDIR:
        case ENXIO:
            return true;
        case EACCES:
        case EPERM:
            return ::lstat(name.constData(), &there) == 0;
        default:
            return false;
        }
    }

    // The folder's own lock, held for a moment by a start that clears a leftover.
    int lockFolder() const
    {
        const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
        const int opened = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (opened < 0)
            return -1;
        const QDeadlineTimer deadline(250);
        while (::flock(opened, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK || deadline.hasExpired()) {
                const int error = errno;
                ::close(opened);
                errno = error;
                return -1;
            }
            QThread::msleep(5);
        }
        return opened;
    }

    // Removes the leftover itself, never what a link points to nor what a folder
    // holds; 0, or the reason it stays.
    int removeLeftover() const
    {
        const bool removed = ::unlink(name.constData()) == 0 || (errno == EISDIR && ::rmdir(name.constData()) == 0);
        if (!removed)
            return errno;
        qCWarning(vestastraLog) << "Removed a leftover that was not a lock in the place of" << path;
        return 0;
    }

    Claim unavailable(const QString &why, int error) const
    {
        qCWarning(vestastraLog).noquote() << "Starting without the single-instance lock" << path << "(" << why
                                          << (error ? QStringLiteral(": ") + errorText(error) : QString()) << ")";
        return Claim::Unavailable;
    }

    const QString path;
    const QByteArray name;
    int handle = -1;
};

KernelLockGuard::KernelLockGuard() = default;
KernelLockGuard::~KernelLockGuard() = default;

bool KernelLockGuard::anotherIsRunning()
{
    if (!another)
        another = claimAll();
    return *another;
}

// True only when a running copy holds one of the locks. Anything else (no folder, one
// that is missing, read-only or full) lets the program start: the guard never locks
// the user out.
bool KernelLockGuard::claimAll()
{
    for (const QString &path : lockPaths()) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        locks.push_back(std::make_unique<LockFile>(path));
        if (locks.back()->claim() == Claim::Busy)
            return true;
    }
    return false;
}

QStringList InstanceGuard::lockPaths()
{
    // Joined, never through arg(): any application name is safe, "%1" included.
    const QString application = QCoreApplication::applicationName();
    QStringList paths;
    // Qt checks that the session's runtime folder is the user's and private to them;
    // without one it would warn on the terminal and make one in the shared temporary
    // folder, so it is asked only when the session has one.
    if (QDir::isAbsolutePath(qEnvironmentVariable("XDG_RUNTIME_DIR"))) {
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (!runtime.isEmpty())
            paths << runtime + QLatin1Char('/') + application + QLatin1String(".lock");
    }
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (!cache.isEmpty())
        paths << cache + QLatin1Char('/') + application + QLatin1Char('-') + machineName() + QLatin1String(".lock");
    return paths;
}
