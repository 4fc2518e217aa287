#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <grp.h>
#include <sys/stat.h>
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

// Where the guard keeps its locks for a copy of that name in that environment.
QStringList lockPathsOf(const Folders &folders, const QProcessEnvironment &environment,
                        const QString &name = probeName)
{
    Probe probe(folders, environment, {QStringLiteral("--lock-paths")}, name);
    if (!probe.finished())
        return {};
    return QString::fromLocal8Bit(probe.process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool age(const QString &path, int seconds)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly)
           && file.setFileTime(QDateTime::currentDateTime().addSecs(-seconds), QFileDevice::FileModificationTime);
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

    void copiesStartedTogetherGiveExactlyOnePrimary_data()
    {
        QTest::addColumn<bool>("oldLockLeft");
        QTest::newRow("no lock yet") << false;
        QTest::newRow("an old lock without owner left") << true;
    }

    void copiesStartedTogetherGiveExactlyOnePrimary()
    {
        QFETCH(bool, oldLockLeft);
        Folders folders;
        const QStringList lockPaths = lockPathsOf(folders, folders.environment());
        for (int round = 0; round < 10; ++round) {
            for (const QString &path : lockPaths)
                QVERIFY(!oldLockLeft || leaveFile(path, {}, 3600));
            Probe a(folders, folders.environment());
            Probe b(folders, folders.environment());
            const QStringList answers{a.answer(), b.answer()};
            QCOMPARE(answers.count(primary), 1);
            QCOMPARE(answers.count(secondary), 1);
            QVERIFY(a.release());
            QVERIFY(b.release());
        }
    }

    // Only a running copy refuses a start: whatever else was left where the locks or
    // the settings' own lock live, the program starts, and clears only the leftover
    // itself, never what a link points to or a folder holds.
    void leftoverDoesNotRefuseTheStart_data()
    {
        QTest::addColumn<QString>("target"); // "locks", "runtime lock" or "settings lock"
        QTest::addColumn<QString>("leftover");
        const QString locks = QStringLiteral("locks");
        const QString settings = QStringLiteral("settings lock");
        for (const char *leftover : {"empty, an hour old", "empty, just written", "garbled, an hour old",
                                     "written on another host", "of another user, owner dead",
                                     "of another user, unreadable", "unreadable", "a folder", "a dangling link",
                                     "a link to another file"})
            QTest::newRow(leftover) << locks << QString::fromLatin1(leftover);
        QTest::newRow("a folder holding a file") << QStringLiteral("runtime lock")
                                                 << QStringLiteral("a folder holding a file");
        for (const char *leftover : {"empty, just written", "of another user, owner dead", "a folder", "held"})
            QTest::addRow("settings lock %s", leftover) << settings << QString::fromLatin1(leftover);
    }

    void leftoverDoesNotRefuseTheStart()
    {
        QFETCH(QString, target);
        QFETCH(QString, leftover);
        if (leftover.startsWith(QLatin1String("of another user")) && !asSuperuser())
            QSKIP("Only the superuser can leave a file of another user; CI runs this as the superuser.");
        Folders folders;
        QStringList places = lockPathsOf(folders, folders.environment());
        QCOMPARE(places.size(), 2);
        if (target == QLatin1String("runtime lock"))
            places = places.mid(0, 1);
        else if (target == QLatin1String("settings lock"))
            places = {folders.config() + QLatin1Char('/') + probeName + QLatin1String(".conf.lock")};
        const QString other = folders.path(QStringLiteral("other"));
        QVERIFY(leaveFile(other, "not the program's", 60, QFile::ReadOwner | QFile::WriteOwner));
        const QByteArray lockOfDeadCopy = deadProcess() + "\nVLFreeVestastra\n" + QSysInfo::machineHostName().toUtf8()
                                          + '\n';
        std::unique_ptr<QLockFile> held; // a settings lock another process still holds
        for (const QString &place : std::as_const(places)) {
            const QByteArray name = QFile::encodeName(place);
            if (leftover == QLatin1String("empty, an hour old"))
                QVERIFY(leaveFile(place, {}, 3600));
            else if (leftover == QLatin1String("empty, just written"))
                QVERIFY(leaveFile(place, {}, 0));
            else if (leftover == QLatin1String("garbled, an hour old"))
                QVERIFY(leaveFile(place, "\x7f\x01not a lock\n\n", 3600));
            else if (leftover == QLatin1String("written on another host"))
                QVERIFY(leaveFile(place, "4242\nVLFreeVestastra\nelsewhere.example\n", 60));
            else if (leftover == QLatin1String("of another user, owner dead"))
                QVERIFY(leaveFile(place, lockOfDeadCopy, 60, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther,
                                  true));
            else if (leftover == QLatin1String("of another user, unreadable"))
                QVERIFY(leaveFile(place, lockOfDeadCopy, 60, QFile::ReadOwner | QFile::WriteOwner, true));
            else if (leftover == QLatin1String("unreadable"))
                QVERIFY(leaveFile(place, lockOfDeadCopy, 60, {}));
            else if (leftover.startsWith(QLatin1String("a folder"))) {
                QVERIFY(QDir().mkdir(place) && Folders::own(place));
                if (leftover == QLatin1String("a folder holding a file"))
                    QVERIFY(leaveFile(place + QLatin1String("/kept"), "kept", 60));
            } else if (leftover == QLatin1String("a dangling link"))
                QVERIFY(symlink("nowhere", name.constData()) == 0 && Folders::own(place));
            else if (leftover == QLatin1String("held")) {
                held = std::make_unique<QLockFile>(place);
                QVERIFY(held->tryLock());
            } else if (leftover == QLatin1String("a link to another file"))
                QVERIFY(symlink(QFile::encodeName(other).constData(), name.constData()) == 0 && Folders::own(place));
            else
                QFAIL("unknown leftover");
        }
        const QDateTime otherChanged = QFileInfo(other).lastModified();

        Probe probe(folders, folders.environment(), {QStringLiteral("--store")});
        QCOMPARE(probe.answer(), primary);
        // The lock taken is a real one: a live copy refuses the next start.
        Probe next(folders, folders.environment(), {QStringLiteral("--store")});
        QCOMPARE(next.answer(), secondary);
        QVERIFY(probe.release());
        QVERIFY(next.finished());

        QFile otherFile(other);
        QVERIFY(otherFile.open(QIODevice::ReadOnly));
        QCOMPARE(otherFile.readAll(), QByteArray("not the program's"));
        QCOMPARE(QFileInfo(other).lastModified(), otherChanged);
        if (leftover == QLatin1String("a folder holding a file"))
            QVERIFY(QFile::exists(places.first() + QLatin1String("/kept")));
        if (target == QLatin1String("settings lock")) {
            const QString store = folders.config() + QLatin1Char('/') + probeName + QLatin1String(".conf");
            // A store whose lock is held is left unwritten rather than waited on.
            QCOMPARE(QSettings(store, QSettings::IniFormat).value(QStringLiteral("Settings/probe")).toString(),
                     held ? QString() : QStringLiteral("x"));
        }
    }

    void liveCopyKeepsItsLockHoweverOld_data()
    {
        QTest::addColumn<bool>("emptied");
        QTest::newRow("an hour old") << false;
        QTest::newRow("an hour old and emptied") << true;
    }

    void liveCopyKeepsItsLockHoweverOld()
    {
        QFETCH(bool, emptied);
        Folders folders;
        Probe first(folders, folders.environment());
        QCOMPARE(first.answer(), primary);
        for (const QString &path : lockPathsOf(folders, folders.environment())) {
            QFile lock(path);
            QVERIFY(lock.open(QIODevice::ReadWrite));
            if (emptied)
                QVERIFY(lock.resize(0));
            lock.close();
            QVERIFY(age(path, 3600));
        }
        Probe second(folders, folders.environment());
        QCOMPARE(second.answer(), secondary);
        QVERIFY(second.finished());
        QCOMPARE(first.process.state(), QProcess::Running);
        QVERIFY(first.release());
    }

    void startIsAllowedWhenNoLockCanBeMade_data()
    {
        // Folders inside the test's own; "file" is a plain file, "readonly" a folder
        // without write permission; an empty runtime folder means none is set.
        QTest::addColumn<QString>("runtime");
        QTest::addColumn<QString>("temp");
        QTest::addColumn<QString>("cache");
        QTest::newRow("runtime and cache folders are files") << "file" << "file" << "file";
        QTest::newRow("runtime folder missing, cache folder a file") << "missing/runtime" << "file" << "file/cache";
        QTest::newRow("runtime and cache folders not writable") << "readonly" << "readonly" << "readonly";
        QTest::newRow("no runtime folder, cache folder cannot be made") << "" << "file" << "file/cache";
        QTest::newRow("no runtime folder, cache folder not writable") << "" << "readonly" << "readonly";
    }

    void startIsAllowedWhenNoLockCanBeMade()
    {
        QFETCH(QString, runtime);
        QFETCH(QString, temp);
        QFETCH(QString, cache);
        Folders folders;
        QVERIFY(leaveFile(folders.path(QStringLiteral("file")), {}, 0));
        QVERIFY(QDir(folders.root.path()).mkdir(QStringLiteral("readonly"), QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(Folders::own(folders.path(QStringLiteral("readonly"))));
        QProcessEnvironment environment = folders.environment();
        if (runtime.isEmpty())
            environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        else
            environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folders.path(runtime));
        environment.insert(QStringLiteral("TMPDIR"), folders.path(temp));
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), folders.path(cache));
        Probe probe(folders, environment);
        QCOMPARE(probe.answer(), primary);
        QVERIFY(probe.release());
    }

    // One copy per user, whether it was started in a session with a runtime folder or
    // without one, and whatever its temporary folder.
    void copiesOfOneUserShareALock_data()
    {
        // "set", "unset", set but "empty" or "relative", or set to an "other" folder
        QTest::addColumn<QString>("firstRuntime");
        QTest::addColumn<QString>("secondRuntime");
        QTest::addColumn<bool>("otherTemp");
        QTest::newRow("both in the session") << "set" << "set" << false;
        QTest::newRow("both in the session, other temporary folders") << "set" << "set" << true;
        QTest::newRow("in the session, then without one") << "set" << "unset" << false;
        QTest::newRow("without a session, then in one") << "unset" << "set" << false;
        QTest::newRow("both without a session") << "unset" << "unset" << false;
        QTest::newRow("two sessions") << "set" << "other" << false;
        QTest::newRow("runtime folder empty, then in the session") << "empty" << "set" << false;
        QTest::newRow("in the session, then runtime folder relative") << "set" << "relative" << false;
    }

    void copiesOfOneUserShareALock()
    {
        QFETCH(QString, firstRuntime);
        QFETCH(QString, secondRuntime);
        QFETCH(bool, otherTemp);
        Folders folders;
        QDir(folders.root.path()).mkdir(QStringLiteral("otherruntime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir(folders.root.path()).mkdir(QStringLiteral("othertmp"));
        QVERIFY(Folders::own(folders.path(QStringLiteral("otherruntime")))
                && Folders::own(folders.path(QStringLiteral("othertmp"))));
        const auto environment = [&](const QString &runtime) {
            QProcessEnvironment withRuntime = folders.environment();
            const QString variable = QStringLiteral("XDG_RUNTIME_DIR");
            if (runtime == QLatin1String("unset"))
                withRuntime.remove(variable);
            else if (runtime == QLatin1String("empty"))
                withRuntime.insert(variable, QString());
            else if (runtime == QLatin1String("relative"))
                withRuntime.insert(variable, QStringLiteral("runtime"));
            else if (runtime == QLatin1String("other"))
                withRuntime.insert(variable, folders.path(QStringLiteral("otherruntime")));
            return withRuntime;
        };
        Probe first(folders, environment(firstRuntime));
        QCOMPARE(first.answer(), primary);
        QProcessEnvironment second = environment(secondRuntime);
        if (otherTemp)
            second.insert(QStringLiteral("TMPDIR"), folders.path(QStringLiteral("othertmp")));
        Probe refused(folders, second);
        QCOMPARE(refused.answer(), secondary);
        QVERIFY(first.release());
        // Qt would warn about a missing runtime folder; the guard does not ask it then.
        QCOMPARE(first.process.readAllStandardError(), QByteArray());
        QCOMPARE(refused.process.readAllStandardError(), QByteArray());
    }

    void lockIsNamedAfterTheApplicationVerbatim_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("placeholder") << QStringLiteral("Vest%1astra");
        QTest::newRow("two placeholders") << QStringLiteral("%2%1");
        QTest::newRow("percent sign") << QStringLiteral("100%");
        QTest::newRow("plain") << QStringLiteral("VLFreeVestastra");
    }

    void lockIsNamedAfterTheApplicationVerbatim()
    {
        QFETCH(QString, name);
        Folders folders;
        const QStringList locks = lockPathsOf(folders, folders.environment(), name);
        QCOMPARE(locks.size(), 2);
        QCOMPARE(locks.first(), folders.runtime() + QLatin1Char('/') + name + QLatin1String(".lock"));
        // In the cache folder, one lock for each machine that shares the folder.
        const QFileInfo cacheLock(locks.last());
        QCOMPARE(cacheLock.absolutePath(), folders.cache());
        QByteArray machine = QSysInfo::machineUniqueId();
        if (machine.isEmpty())
            machine = QSysInfo::machineHostName().toUtf8().toHex();
        QCOMPARE(cacheLock.fileName(), name + QLatin1Char('-') + QString::fromLatin1(machine) + QLatin1String(".lock"));
        Probe first(folders, folders.environment(), {}, name);
        QCOMPARE(first.answer(), primary);
        for (const QString &lock : locks)
            QVERIFY(QFile::exists(lock));
        Probe second(folders, folders.environment(), {}, name);
        QCOMPARE(second.answer(), secondary);
        QVERIFY(first.release());
    }
};

QTEST_GUILESS_MAIN(TestInstanceGuard)
#include "tst_instanceguard.moc"
