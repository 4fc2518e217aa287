#include "settingsstore.h"

#include "core/log.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A settings file of this program holds one date under one key, well under this.
constexpr qint64 largestStore = 4096;

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The file QSettings keeps for the application in the user's configuration folder.
QString storePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/')
           + QCoreApplication::applicationName() + QLatin1String(".conf");
}

// What keeps the store from being read or written, or nothing. Found without opening
// it: a pipe or a device in its place would hang the start, a huge file fill memory.
QString storeProblem(const QString &path)
{
    const QFileInfo store(path);
    const QFileInfo folder(store.absolutePath());
    if (folder.exists() && !folder.isDir())
        return QStringLiteral("its folder is not a folder");
    if (!store.exists())
        return {};
    if (!store.isFile())
        return QStringLiteral("it is not a plain file");
    if (store.size() > largestStore)
        return QStringLiteral("it is damaged, %1 bytes where a settings file of this program holds a few dozen; "
                              "it is left as it is")
            .arg(store.size());
    return {};
}

// Before writing, QSettings takes a lock file beside the store and waits until it can:
// 30 s for one a killed copy left empty, for ever for one left by another user or a
// folder in its place. Only this program writes its store, and only one copy of it
// runs, so a lock no running process holds is a leftover: it is cleared first. A lock
// that is held, or that cannot be opened to tell (a lock of this program is always
// readable by its user, so an unreadable one was put there by someone else), is left
// alone, and the store is not written. What keeps it, or nothing.
QString lockProblem(const QString &lockPath)
{
    const QByteArray name = QFile::encodeName(lockPath);
    struct stat there;
    if (::lstat(name.constData(), &there) != 0)
        return errno == ENOENT ? QString() : QStringLiteral("its lock cannot be reached: ") + errorText(errno);
    if (S_ISDIR(there.st_mode)) {
        if (::rmdir(name.constData()) != 0)
            return QStringLiteral("a folder with contents stands where its lock belongs");
    } else {
        if (S_ISREG(there.st_mode)) {
            const int opened = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
            if (opened < 0)
                return QStringLiteral("its lock cannot be opened to tell whether a running program holds it: ")
                       + errorText(errno);
            // QLockFile keeps a kernel lock on the file while its owner runs.
            const bool free = ::flock(opened, LOCK_EX | LOCK_NB) == 0;
            const int error = errno;
            ::close(opened);
            if (!free)
                return error == EWOULDBLOCK ? QStringLiteral("a running program holds its lock")
                                            : QStringLiteral("its lock cannot be tested: ") + errorText(error);
        }
        // A link, a pipe or a socket is never a lock: it goes itself, not what it leads to.
        if (::unlink(name.constData()) != 0 && errno != ENOENT)
            return QStringLiteral("its lock cannot be cleared: ") + errorText(errno);
    }
    qCWarning(vestastraLog) << "Cleared the settings lock a copy left behind:" << lockPath;
    return {};
}

} // namespace

QString FileSettingsStore::value(const QString &key)
{
    const QString path = storePath();
    if (const QString problem = storeProblem(path); !problem.isEmpty()) {
        qCWarning(vestastraLog).noquote() << "Cannot read the settings" << path << ":" << problem;
        return {};
    }
    // Reading takes no lock.
    const QSettings store(path, QSettings::IniFormat);
    if (store.status() == QSettings::FormatError)
        qCWarning(vestastraLog).noquote() << "The settings" << path << "are damaged: only what can be read is used";
    else if (store.status() != QSettings::NoError)
        qCWarning(vestastraLog).noquote() << "Cannot read the settings" << path;
    return store.value(key).toString();
}

void FileSettingsStore::setValue(const QString &key, const QString &value)
{
    const QString path = storePath();
    QString problem = storeProblem(path);
    if (problem.isEmpty())
        problem = lockProblem(path + QLatin1String(".lock"));
    if (!problem.isEmpty()) {
        qCWarning(vestastraLog).noquote() << "Cannot store the setting" << key << "in" << path << ":" << problem;
        return;
    }
    QSettings store(path, QSettings::IniFormat);
    store.setValue(key, value);
    store.sync();
    // A damaged file was told of when it was read; it is written over all the same.
    if (store.status() == QSettings::AccessError)
        qCWarning(vestastraLog).noquote() << "Cannot store the setting" << key << "in" << path
                                          << ": it cannot be written";
}
