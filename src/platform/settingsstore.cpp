#include "settingsstore.h"

#include "core/log.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// Before writing, QSettings takes a lock file beside the store and waits until it can:
// 30 s for one a killed copy left empty, for ever for one left by another user or a
// folder in its place. Only this program writes its store, and only one copy of it
// runs, so a lock no running process holds is a leftover: it is cleared first, and a
// store whose lock is held, or cannot be cleared, is not written at all.
bool clearLeftoverLock(const QString &lockPath)
{
    const QByteArray name = QFile::encodeName(lockPath);
    const int opened = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (opened < 0 && errno == ENOENT)
        return true;
    if (opened >= 0) {
        // QLockFile keeps a kernel lock on the file while its owner runs.
        const bool held = ::flock(opened, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
        ::close(opened);
        if (held)
            return false;
    }
    if (::unlink(name.constData()) != 0 && errno != ENOENT && !(errno == EISDIR && ::rmdir(name.constData()) == 0))
        return false;
    qCWarning(vestastraLog) << "Cleared the settings lock a copy left behind:" << lockPath;
    return true;
}

} // namespace

QString FileSettingsStore::value(const QString &key)
{
    // Reading takes no lock.
    const QSettings store(QCoreApplication::applicationName());
    if (store.status() != QSettings::NoError)
        qCWarning(vestastraLog) << "Cannot read the settings" << store.fileName();
    return store.value(key).toString();
}

void FileSettingsStore::setValue(const QString &key, const QString &value)
{
    QSettings store(QCoreApplication::applicationName());
    if (!clearLeftoverLock(store.fileName() + QLatin1String(".lock"))) {
        qCWarning(vestastraLog) << "Cannot store the setting" << key << ": the settings are locked";
        return;
    }
    store.setValue(key, value);
    store.sync();
    if (store.status() != QSettings::NoError)
        qCWarning(vestastraLog) << "Cannot store the setting" << key << "in" << store.fileName();
}
