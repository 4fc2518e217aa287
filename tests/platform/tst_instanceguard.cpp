#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cstddef>
#include <cstring>
#include <memory>

#include <grp.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const QString probeName = QStringLiteral("VestastraGuardTest");
const QString primary = QStringLiteral("primary");
const QString secondary = QStringLiteral("secondary");

// The superuser opens every file, so the probes run as an ordinary user then, to whom
// files of another user are as foreign as on a desktop.
constexpr uid_t ordinaryUser = 65534;
bool asSuperuser()
{
    return geteuid() == 0;
}

// Runtime, temporary, cache and configuration folders of the test's own for the
// probes, owned by the user the probes run as, so that no test touches the user's real
// ones.
class Folders
{
public:
    Folders()
    {
        // A session's runtime folder is private to its user; Qt accepts no other.
        QDir(root.path()).mkdir(QStringLiteral("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        for (const char *folder : {"tmp", "cache", "config"})
            QDir(root.path()).mkdir(QLatin1String(folder));
        if (asSuperuser()) {
            QFile::setPermissions(root.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                   | QFile::ReadOther | QFile::ExeOther);
            QFile::copy(QCoreApplication::applicationDirPath() + QLatin1String("/platformprobe"), probe());
            for (const char *folder : {"runtime", "tmp", "cache", "config"})
                own(path(QLatin1String(folder)));
        }
    }

    QString path(const QString &name) const { return root.filePath(name); }
    QString runtime() const { return path(QStringLiteral("runtime")); }
    QString temp() const { return path(QStringLiteral("tmp")); }
    QString cache() const { return path(QStringLiteral("cache")); }
    QString config() const { return path(QStringLiteral("config")); }
    // A copy the ordinary user can run, where the build folder may be closed to them.
    QString probe() const
    {
        return asSuperuser() ? path(QStringLiteral("platformprobe"))
                             : QCoreApplication::applicationDirPath() + QLatin1String("/platformprobe");
    }

    // Gives what the test made to the user the probes run as.
    static bool own(const QString &path)
    {
        return !asSuperuser() || lchown(QFile::encodeName(path).constData(), ordinaryUser, ordinaryUser) == 0;
    }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), root.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime());
        environment.insert(QStringLiteral("TMPDIR"), temp());
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), cache());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config());
        return environment;
    }

    QTemporaryDir root;
};

// One copy of the probe, under the given application name and environment.
class Probe
{
public:
    Probe(const Folders &folders, const QProcessEnvironment &environment, const QStringList &options = {},
          const QString &name = probeName)
    {
        process.setProcessEnvironment(environment);
        if (asSuperuser()) {
            process.setChildProcessModifier([] {
                if (setgroups(0, nullptr) != 0 || setgid(ordinaryUser) != 0 || setuid(ordinaryUser) != 0)
                    _exit(126);
            });
        }
        process.start(folders.probe(), QStringList{name} + options);
    }

    QString answer()
    {
        if (!QTest::qWaitFor([this] { return process.canReadLine() || process.state() == QProcess::NotRunning; },
                             10000))
            return QStringLiteral("no answer");
        return QString::fromLocal8Bit(process.readLine()).trimmed();
    }

    // True once the probe has ended, however long ago.
    bool finished() { return process.state() == QProcess::NotRunning || process.waitForFinished(10000); }

    // Lets a primary probe go.
    bool release()
    {
        process.closeWriteChannel();
        return finished();
    }

    QProcess process;
};

// The name the guard listens under first, for a copy of that name in that environment.
QByteArray socketNameOf(const Folders &folders, const QString &name = probeName)
{
    Probe probe(folders, folders.environment(), {QStringLiteral("--socket-name")}, name);
    if (!probe.finished())
        return {};
    return probe.process.readAllStandardOutput().trimmed();
}

// A socket listening under an abstract name, as a program of the test's own user
// holds it; closed when it goes.
class Listener
{
public:
    explicit Listener(const QByteArray &name) : handle(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0))
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path + 1, name.constData(), size_t(name.size()));
        const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + size_t(name.size()));
        listening = ::bind(handle, reinterpret_cast<const sockaddr *>(&address), length) == 0 && ::listen(handle, 8) == 0;
    }
    ~Listener() { ::close(handle); }
    Listener(const Listener &) = delete;
    Listener &operator=(const Listener &) = delete;

    int handle;
    bool listening = false;
};

// Whether the kernel lists a socket under that abstract name.
bool listed(const QByteArray &name)
{
    QFile sockets(QStringLiteral("/proc/net/unix"));
    return sockets.open(QIODevice::ReadOnly) && sockets.readAll().contains(" @" + name + '\n');
}

// Leaves a file with these contents and permissions, last changed that many seconds
// ago, of the probes' user or, with foreign, of the test's own (the superuser).
bool leaveFile(const QString &path, const QByteArray &contents, int ageSeconds,
               QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner, bool foreign = false)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size() && file.flush()
           && file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime)
           && (foreign || Folders::own(path)) && file.setPermissions(permissions);
}

// The process number of a process that has ended.
QByteArray deadProcess()
{
    QProcess gone;
    gone.start(QStringLiteral("sleep"), {QStringLiteral("60")});
    gone.waitForStarted();
    const QByteArray id = QByteArray::number(gone.processId());
    gone.kill();
    gone.waitForFinished();
    return id;
}

} // namespace

class TestInstanceGuard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void secondCopyIsRefusedWhileTheFirstRuns()
    {
        Folders folders;
        Probe first(folders, folders.environment());
        QCOMPARE(first.answer(), primary);
        Probe second(folders, folders.environment());
        QCOMPARE(second.answer(), secondary);
        QVERIFY(second.finished());
        QCOMPARE(first.process.state(), QProcess::Running);
        QVERIFY(first.release());
        Probe third(folders, folders.environment());
        QCOMPARE(third.answer(), primary);
        QVERIFY(third.release());
        // Nothing on the terminal in normal use.
        QCOMPARE(first.process.readAllStandardError(), QByteArray());
        QCOMPARE(second.process.readAllStandardError(), QByteArray());
    }

    // A copy killed at any moment of its start, even while it takes its locks or
    // writes its settings, never keeps the next copy, started at once, from running.
    void copyKilledWhileStartingDoesNotBlockTheNext()
    {
        Folders folders;
        for (int round = 0; round < 40; ++round) {
            Probe first(folders, folders.environment(), {QStringLiteral("--store")});
            QTest::qWait(round % 8);
            first.process.kill();
            QVERIFY(first.finished());
            Probe next(folders, folders.environment(), {QStringLiteral("--store")});
            QCOMPARE(next.answer(), primary);
            QVERIFY(next.release());
            QCOMPARE(next.process.exitStatus(), QProcess::NormalExit);
        }
    }

    // Whoever else holds the guard's first name, even another user, copies started
    // together give exactly one primary.
    void copiesStartedTogetherGiveExactlyOnePrimary_data()
    {
        QTest::addColumn<bool>("otherUserHoldsTheName");
        QTest::newRow("no copy yet") << false;
        QTest::newRow("another user holds the first name") << true;
    }

    void copiesStartedTogetherGiveExactlyOnePrimary()
    {
        QFETCH(bool, otherUserHoldsTheName);
        if (otherUserHoldsTheName && !asSuperuser())
            QSKIP("Only the superuser can be another user to the probes; CI runs this as the superuser.");
        Folders folders;
        std::unique_ptr<Listener> other;
        if (otherUserHoldsTheName) {
            other = std::make_unique<Listener>(socketNameOf(folders));
            QVERIFY(other->listening);
        }
        for (int round = 0; round < 10; ++round) {
            Probe a(folders, folders.environment());
            Probe b(folders, folders.environment());
            const QStringList answers{a.answer(), b.answer()};
            QCOMPARE(answers.count(primary), 1);
            QCOMPARE(answers.count(secondary), 1);
            QVERIFY(a.release());
            QVERIFY(b.release());
        }
    }

    // Only a running copy refuses a start, and only a running program keeps the setting
    // from being written: whatever else was left at the settings' places, the program
    // starts, without waiting, and the log says what is wrong. A leftover lock is
    // cleared, never what a link points to or a folder holds.
    void leftoverDoesNotRefuseTheStart_data()
    {
        QTest::addColumn<QString>("place"); // "lock", "store" or "folder", of the settings
        QTest::addColumn<QString>("leftover");
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QString>("warning"); // what the log says, or empty for nothing
        const QString cleared = QStringLiteral("Cleared the settings lock a copy left behind");
        const QString lock = QStringLiteral("lock");
        QTest::newRow("lock empty, just written") << lock << "empty, just written" << true << cleared;
        QTest::newRow("lock of another user, owner dead") << lock << "of another user, owner dead" << true << cleared;
        QTest::newRow("lock a dangling link") << lock << "a dangling link" << true << cleared;
        QTest::newRow("lock a link to another file") << lock << "a link to another file" << true << cleared;
        QTest::newRow("lock a folder") << lock << "a folder" << true << cleared;
        QTest::newRow("lock a folder holding a file")
            << lock << "a folder holding a file" << false << "a folder with contents stands where its lock belongs";
        QTest::newRow("lock held") << lock << "held" << false << "a running program holds its lock";
        QTest::newRow("lock held, unreadable") << lock << "held, unreadable" << false
                                               << "its lock cannot be opened to tell whether a running program holds it";
        const QString store = QStringLiteral("store");
        QTest::newRow("store a pipe") << store << "a pipe" << false << "it is not a plain file";
        QTest::newRow("store a folder") << store << "a folder" << false << "it is not a plain file";
        // Larger than a settings file of ours can be: damaged, never read.
        QTest::newRow("store of a mebibyte") << store << "a mebibyte" << false << "it is damaged, 1048576 bytes";
        QTest::newRow("store garbled") << store << "garbled" << true << "are damaged: only what can be read is used";
        QTest::newRow("folder missing") << QStringLiteral("folder") << "missing" << true << QString();
        QTest::newRow("folder a file") << QStringLiteral("folder") << "a file" << false << "its folder is not a folder";
    }

    void leftoverDoesNotRefuseTheStart()
    {
        QFETCH(QString, place);
        QFETCH(QString, leftover);
        QFETCH(bool, stored);
        QFETCH(QString, warning);
        if (leftover.startsWith(QLatin1String("of another user")) && !asSuperuser())
            QSKIP("Only the superuser can leave a file of another user; CI runs this as the superuser.");
        Folders folders;
        // A missing folder two levels down, inside the probes' own.
        const QString config = folders.config() + QLatin1String(leftover == QLatin1String("missing") ? "/new/config" : "");
        QProcessEnvironment environment = folders.environment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        const QString storePath = config + QLatin1Char('/') + probeName + QLatin1String(".conf");
        const QString at = place == QLatin1String("lock")    ? storePath + QLatin1String(".lock")
                           : place == QLatin1String("store") ? storePath
                                                              : config;
        const QByteArray name = QFile::encodeName(at);
        const QString other = folders.path(QStringLiteral("other"));
        QVERIFY(leaveFile(other, "not the program's", 60, QFile::ReadOwner | QFile::WriteOwner));
        const QByteArray lockOfDeadCopy = deadProcess() + "\nVLFreeVestastra\n" + QSysInfo::machineHostName().toUtf8()
                                          + '\n';
        std::unique_ptr<QLockFile> held; // a settings lock another process still holds
        if (place == QLatin1String("folder") && leftover != QLatin1String("missing"))
            QVERIFY(QDir(at).removeRecursively());
        if (leftover == QLatin1String("empty, just written"))
            QVERIFY(leaveFile(at, {}, 0));
        else if (leftover == QLatin1String("of another user, owner dead"))
            QVERIFY(leaveFile(at, lockOfDeadCopy, 60, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther, true));
        else if (leftover == QLatin1String("a dangling link"))
            QVERIFY(symlink("nowhere", name.constData()) == 0 && Folders::own(at));
        else if (leftover == QLatin1String("a link to another file"))
            QVERIFY(symlink(QFile::encodeName(other).constData(), name.constData()) == 0 && Folders::own(at));
        else if (leftover.startsWith(QLatin1String("a folder"))) {
            QVERIFY(QDir().mkdir(at) && Folders::own(at));
            if (leftover == QLatin1String("a folder holding a file"))
                QVERIFY(leaveFile(at + QLatin1String("/kept"), "kept", 60));
        } else if (leftover.startsWith(QLatin1String("held"))) {
            held = std::make_unique<QLockFile>(at);
            QVERIFY(held->tryLock());
            if (leftover == QLatin1String("held, unreadable"))
                QVERIFY(QFile::setPermissions(at, {}));
        } else if (leftover == QLatin1String("a pipe"))
            QVERIFY(mkfifo(name.constData(), 0600) == 0 && Folders::own(at));
        else if (leftover == QLatin1String("a mebibyte")) {
            QFile huge(at);
            QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(1 << 20) && Folders::own(at));
        } else if (leftover == QLatin1String("garbled"))
            QVERIFY(leaveFile(at, "[Settings\n\x00\xff\xfe=garbage\n%%%\n", 60));
        else if (leftover == QLatin1String("a file"))
            QVERIFY(leaveFile(at, "not a folder", 60));
        else
            QVERIFY(leftover == QLatin1String("missing"));
        const QDateTime otherChanged = QFileInfo(other).lastModified();
        const qint64 sizeLeft = QFileInfo(at).size();

        Probe probe(folders, environment, {QStringLiteral("--store")});
        QCOMPARE(probe.answer(), primary);
        // The lock taken is a real one: a live copy refuses the next start.
        Probe next(folders, environment, {QStringLiteral("--store")});
        QCOMPARE(next.answer(), secondary);
        QVERIFY(probe.release());
        QVERIFY(next.finished());

        const QString log = QString::fromLocal8Bit(probe.process.readAllStandardError());
        if (warning.isEmpty())
            QCOMPARE(log, QString());
        QVERIFY2(log.contains(warning), qPrintable(log));
        QCOMPARE(log.contains(QLatin1String("Cannot store")), !stored);
        // Read back only where it is a file of a few bytes: a pipe would hang the test.
        if (stored || place == QLatin1String("lock"))
            QCOMPARE(QSettings(storePath, QSettings::IniFormat).value(QStringLiteral("Settings/probe")).toString(),
                     stored ? QStringLiteral("x") : QString());
        else
            QCOMPARE(QFileInfo(at).size(), sizeLeft);
        QFile otherFile(other);
        QVERIFY(otherFile.open(QIODevice::ReadOnly));
        QCOMPARE(otherFile.readAll(), QByteArray("not the program's"));
        QCOMPARE(QFileInfo(other).lastModified(), otherChanged);
        if (leftover == QLatin1String("a folder holding a file"))
            QVERIFY(QFile::exists(at + QLatin1String("/kept")));
    }

    // One copy per user whatever the folders, which the guard needs none of, and
    // whether each copy was started in a session with a runtime folder or without one.
    void oneCopyPerUserWhateverTheFolders_data()
    {
        // Folders inside the test's own: "file" is a plain file, "readonly" a folder
        // without write permission, "foreign" one of another user. A runtime folder may
        // also be "unset", or set but "empty" or "relative".
        QTest::addColumn<QString>("firstRuntime");
        QTest::addColumn<QString>("secondRuntime");
        QTest::addColumn<QString>("firstTemp");
        QTest::addColumn<QString>("secondTemp");
        QTest::addColumn<QString>("cache");
        const auto row = [](const char *name, const char *firstRuntime, const char *secondRuntime,
                            const char *firstTemp, const char *secondTemp, const char *cache) {
            QTest::newRow(name) << QString::fromLatin1(firstRuntime) << QString::fromLatin1(secondRuntime)
                                << QString::fromLatin1(firstTemp) << QString::fromLatin1(secondTemp)
                                << QString::fromLatin1(cache);
        };
        row("runtime and cache folders are files", "file", "file", "file", "file", "file");
        row("runtime folder missing, cache folder a file", "missing/runtime", "missing/runtime", "file", "file",
            "file/cache");
        row("runtime and cache folders not writable", "readonly", "readonly", "readonly", "readonly", "readonly");
        row("no runtime folder, cache folder cannot be made", "unset", "unset", "file", "file", "file/cache");
        row("no runtime folder, cache folder not writable", "unset", "unset", "readonly", "readonly", "readonly");
        row("no runtime folder, cache folder missing", "unset", "unset", "tmp", "tmp", "missing/cache");
        row("no runtime folder, cache folder of another user", "unset", "unset", "tmp", "tmp", "foreign");
        row("both in the session", "runtime", "runtime", "tmp", "tmp", "cache");
        row("both in the session, other temporary folders", "runtime", "runtime", "tmp", "othertmp", "cache");
        row("in the session, then without one", "runtime", "unset", "tmp", "tmp", "cache");
        row("without a session, then in one", "unset", "runtime", "tmp", "tmp", "cache");
        row("two sessions", "runtime", "otherruntime", "tmp", "tmp", "cache");
        row("runtime folder empty, then in the session", "empty", "runtime", "tmp", "tmp", "cache");
        row("in the session, then runtime folder relative", "runtime", "relative", "tmp", "tmp", "cache");
    }

    void oneCopyPerUserWhateverTheFolders()
    {
        QFETCH(QString, firstRuntime);
        QFETCH(QString, secondRuntime);
        QFETCH(QString, firstTemp);
        QFETCH(QString, secondTemp);
        QFETCH(QString, cache);
        Folders folders;
        const QDir root(folders.root.path());
        QVERIFY(leaveFile(folders.path(QStringLiteral("file")), {}, 0));
        QVERIFY(root.mkdir(QStringLiteral("readonly"), QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(root.mkdir(QStringLiteral("foreign"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                         | QFile::ReadOther | QFile::ExeOther));
        QVERIFY(root.mkdir(QStringLiteral("otherruntime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(root.mkdir(QStringLiteral("othertmp")));
        for (const char *owned : {"readonly", "otherruntime", "othertmp"})
            QVERIFY(Folders::own(folders.path(QLatin1String(owned))));
        const auto environment = [&](const QString &runtime, const QString &temp) {
            QProcessEnvironment chosen = folders.environment();
            const QString variable = QStringLiteral("XDG_RUNTIME_DIR");
            if (runtime == QLatin1String("unset"))
                chosen.remove(variable);
            else if (runtime == QLatin1String("empty"))
                chosen.insert(variable, QString());
            else if (runtime == QLatin1String("relative"))
                chosen.insert(variable, QStringLiteral("runtime"));
            else
                chosen.insert(variable, folders.path(runtime));
            chosen.insert(QStringLiteral("TMPDIR"), folders.path(temp));
            chosen.insert(QStringLiteral("XDG_CACHE_HOME"), folders.path(cache));
            return chosen;
        };
        Probe first(folders, environment(firstRuntime, firstTemp));
        QCOMPARE(first.answer(), primary);
        Probe second(folders, environment(secondRuntime, secondTemp));
        QCOMPARE(second.answer(), secondary);
        QVERIFY(first.release());
        QVERIFY(second.finished());
        // Qt would warn about a missing runtime folder; the guard does not ask it then.
        QCOMPARE(first.process.readAllStandardError(), QByteArray());
        QCOMPARE(second.process.readAllStandardError(), QByteArray());
    }

    // Named after the application as it is, the user and the home; an application
    // name too long for the kernel's 107 bytes by its SHA-256.
    void socketIsNamedAfterTheApplicationVerbatim_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("placeholder") << QStringLiteral("Vest%1astra");
        QTest::newRow("two placeholders") << QStringLiteral("%2%1");
        QTest::newRow("percent sign") << QStringLiteral("100%");
        QTest::newRow("plain") << QStringLiteral("VLFreeVestastra");
        QTest::newRow("longest kept") << QString(64, QLatin1Char('V'));
        QTest::newRow("too long") << QString(65, QLatin1Char('V'));
    }

    void socketIsNamedAfterTheApplicationVerbatim()
    {
        QFETCH(QString, name);
        Folders folders;
        const QByteArray application = name.size() > 64
                                           ? QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha256).toHex()
                                           : name.toUtf8();
        const QByteArray home = QCryptographicHash::hash(QFile::encodeName(folders.root.path()),
                                                         QCryptographicHash::Sha256).toHex().left(16);
        const QByteArray socket = application + '/' + QByteArray::number(asSuperuser() ? ordinaryUser : getuid()) + '/'
                                  + home + "/0";
        QCOMPARE(socketNameOf(folders, name), socket);
        QVERIFY(!listed(socket));
        Probe first(folders, folders.environment(), {}, name);
        QCOMPARE(first.answer(), primary);
        QVERIFY(listed(socket));
        Probe second(folders, folders.environment(), {}, name);
        QCOMPARE(second.answer(), secondary);
        QVERIFY(first.release());
        QVERIFY(second.finished());
        QVERIFY(!listed(socket));
    }
};

QTEST_GUILESS_MAIN(TestInstanceGuard)
#include "tst_instanceguard.moc"
