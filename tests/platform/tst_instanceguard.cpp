#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

const QString probeName = QStringLiteral("VestastraGuardTest");
const QString primary = QStringLiteral("primary");
const QString secondary = QStringLiteral("secondary");

// Runtime, temporary and cache folders of the test's own for the probes, so that no
// test touches the user's real ones.
class Folders
{
public:
    Folders()
    {
        // A session's runtime folder is private to its user; Qt accepts no other.
        QDir(root.path()).mkdir(QStringLiteral("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir(root.path()).mkdir(QStringLiteral("tmp"));
        QDir(root.path()).mkdir(QStringLiteral("cache"));
    }

    QString path(const QString &name) const { return root.filePath(name); }
    QString runtime() const { return path(QStringLiteral("runtime")); }
    QString temp() const { return path(QStringLiteral("tmp")); }
    QString cache() const { return path(QStringLiteral("cache")); }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime());
        environment.insert(QStringLiteral("TMPDIR"), temp());
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), cache());
        return environment;
    }

    QTemporaryDir root;
};

// One copy of the probe, under the given application name and environment.
class Probe
{
public:
    Probe(const QString &name, const QProcessEnvironment &environment, const QStringList &options = {})
    {
        process.setProcessEnvironment(environment);
        process.start(QCoreApplication::applicationDirPath() + QLatin1String("/guardprobe"), QStringList{name} + options);
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

// Where the guard keeps its lock for a copy of that name in that environment.
QString lockPathOf(const QString &name, const QProcessEnvironment &environment)
{
    Probe probe(name, environment, {QStringLiteral("--lock-path")});
    return probe.answer();
}

// Leaves a lock file with these contents, last changed that many seconds ago.
bool leaveLock(const QString &path, const QByteArray &contents, int ageSeconds)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size() && file.flush()
           && file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime);
}

} // namespace

class TestInstanceGuard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void secondCopyIsRefusedWhileTheFirstRuns()
    {
        Folders folders;
        Probe first(probeName, folders.environment());
        QCOMPARE(first.answer(), primary);
        Probe second(probeName, folders.environment());
        QCOMPARE(second.answer(), secondary);
        QVERIFY(second.finished());
        QCOMPARE(first.process.state(), QProcess::Running);
        QVERIFY(first.release());
        Probe third(probeName, folders.environment());
        QCOMPARE(third.answer(), primary);
        QVERIFY(third.release());
        // Nothing on the terminal in normal use.
        QCOMPARE(first.process.readAllStandardError(), QByteArray());
        QCOMPARE(second.process.readAllStandardError(), QByteArray());
    }

    void killedCopyDoesNotBlockTheNextStart()
    {
        Folders folders;
        Probe first(probeName, folders.environment());
        QCOMPARE(first.answer(), primary);
        first.process.kill();
        QVERIFY(first.finished());
        Probe next(probeName, folders.environment());
        QCOMPARE(next.answer(), primary);
        QVERIFY(next.release());
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
        const QString lockPath = lockPathOf(probeName, folders.environment());
        for (int round = 0; round < 10; ++round) {
            if (oldLockLeft)
                QVERIFY(leaveLock(lockPath, {}, 3600));
            Probe a(probeName, folders.environment());
            Probe b(probeName, folders.environment());
            const QStringList answers{a.answer(), b.answer()};
            QCOMPARE(answers.count(primary), 1);
            QCOMPARE(answers.count(secondary), 1);
            QVERIFY(a.release());
            QVERIFY(b.release());
        }
    }

    void lockWithoutOwnerIsTakenOverOnceOld_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("ageSeconds");
        QTest::addColumn<QString>("expected");
        const QByteArray garbled("\x7f\x01not a lock\n\n");
        QTest::newRow("empty, an hour old") << QByteArray() << 3600 << primary;
        QTest::newRow("empty, a minute old") << QByteArray() << 60 << primary;
        QTest::newRow("empty, just written") << QByteArray() << 0 << secondary;
        QTest::newRow("garbled, an hour old") << garbled << 3600 << primary;
        QTest::newRow("garbled, just written") << garbled << 0 << secondary;
    }

    void lockWithoutOwnerIsTakenOverOnceOld()
    {
        QFETCH(QByteArray, contents);
        QFETCH(int, ageSeconds);
        QFETCH(QString, expected);
        Folders folders;
        const QString lockPath = lockPathOf(probeName, folders.environment());
        QVERIFY(!lockPath.isEmpty());
        QVERIFY(leaveLock(lockPath, contents, ageSeconds));
        Probe probe(probeName, folders.environment());
        QCOMPARE(probe.answer(), expected);
        if (expected == primary) {
            // The lock taken over is a real one again.
            Probe next(probeName, folders.environment());
            QCOMPARE(next.answer(), secondary);
            QVERIFY(probe.release());
        } else {
            QVERIFY(probe.finished());
            QVERIFY(QFile::exists(lockPath));
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
        Probe first(probeName, folders.environment());
        QCOMPARE(first.answer(), primary);
        QFile lock(lockPathOf(probeName, folders.environment()));
        QVERIFY(lock.open(QIODevice::ReadWrite));
        if (emptied)
            QVERIFY(lock.resize(0));
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        lock.close();
        Probe second(probeName, folders.environment());
        QCOMPARE(second.answer(), secondary);
        QVERIFY(second.finished());
        QCOMPARE(first.process.state(), QProcess::Running);
        QVERIFY(lock.exists());
        QVERIFY(first.release());
    }

    void startIsAllowedWhenNoLockCanBeMade_data()
    {
        // Folders inside the test's own; "file" is a plain file, "readonly" a folder
        // without write permission; an empty runtime folder means none is set.
        QTest::addColumn<QString>("runtime");
        QTest::addColumn<QString>("temp");
        QTest::addColumn<QString>("cache");
        QTest::newRow("runtime and temporary folders are files") << "file" << "file" << "cache";
        QTest::newRow("runtime folder missing, temporary folder a file") << "missing/runtime" << "file" << "cache";
        QTest::newRow("runtime and temporary folders not writable") << "readonly" << "readonly" << "cache";
        QTest::newRow("no runtime folder, cache folder cannot be made") << "" << "file" << "file/cache";
        QTest::newRow("no runtime folder, cache folder not writable") << "" << "readonly" << "readonly";
    }

    void startIsAllowedWhenNoLockCanBeMade()
    {
        QFETCH(QString, runtime);
        QFETCH(QString, temp);
        QFETCH(QString, cache);
        Folders folders;
        QVERIFY(leaveLock(folders.path(QStringLiteral("file")), {}, 0));
        QVERIFY(QDir(folders.root.path()).mkdir(QStringLiteral("readonly"), QFile::ReadOwner | QFile::ExeOwner));
        if ((runtime + temp + cache).contains(QLatin1String("readonly")) && geteuid() == 0)
            QSKIP("The superuser writes into folders without write permission.");
        QProcessEnvironment environment = folders.environment();
        if (runtime.isEmpty())
            environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        else
            environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folders.path(runtime));
        environment.insert(QStringLiteral("TMPDIR"), folders.path(temp));
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), folders.path(cache));
        Probe probe(probeName, environment);
        QCOMPARE(probe.answer(), primary);
        QVERIFY(probe.release());
    }

    void lockInTheSharedTemporaryFolderDoesNotMatter()
    {
        Folders folders;
        // Files someone else made first under the names a guard could pick there.
        const QDir temp(folders.temp());
        for (const QString &name : {probeName + QLatin1Char('-') + QString::number(getuid()) + QLatin1String(".lock"),
                                    probeName + QLatin1String(".lock")})
            QVERIFY(leaveLock(temp.filePath(name), {}, 0));
        Probe probe(probeName, folders.environment());
        QCOMPARE(probe.answer(), primary);
        QVERIFY(probe.release());
    }

    void copiesWithDifferentTemporaryFoldersShareTheRuntimeFolder()
    {
        Folders folders;
        QVERIFY(QDir(folders.root.path()).mkdir(QStringLiteral("othertmp")));
        QProcessEnvironment other = folders.environment();
        other.insert(QStringLiteral("TMPDIR"), folders.path(QStringLiteral("othertmp")));
        Probe first(probeName, folders.environment());
        QCOMPARE(first.answer(), primary);
        Probe second(probeName, other);
        QCOMPARE(second.answer(), secondary);
        QVERIFY(first.release());
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
        const QFileInfo lock(lockPathOf(name, folders.environment()));
        QCOMPARE(lock.fileName(), name + QLatin1String(".lock"));
        QCOMPARE(lock.absolutePath(), folders.runtime());
        Probe first(name, folders.environment());
        QCOMPARE(first.answer(), primary);
        QVERIFY(lock.exists());
        Probe second(name, folders.environment());
        QCOMPARE(second.answer(), secondary);
        QVERIFY(first.release());
    }

    void withoutRuntimeFolderTheLockIsInTheCacheFolder_data()
    {
        QTest::addColumn<bool>("set");
        QTest::addColumn<QString>("runtime");
        QTest::newRow("unset") << false << QString();
        QTest::newRow("empty") << true << QString();
        QTest::newRow("relative") << true << QStringLiteral("runtime");
    }

    void withoutRuntimeFolderTheLockIsInTheCacheFolder()
    {
        QFETCH(bool, set);
        QFETCH(QString, runtime);
        Folders folders;
        QProcessEnvironment environment = folders.environment();
        if (set)
            environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        else
            environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        QCOMPARE(lockPathOf(probeName, environment), QDir(folders.cache()).filePath(probeName + QLatin1String(".lock")));
        Probe first(probeName, environment);
        QCOMPARE(first.answer(), primary);
        Probe second(probeName, environment);
        QCOMPARE(second.answer(), secondary);
        QVERIFY(first.release());
        // Qt would warn about the missing runtime folder; the guard does not ask it then.
        QCOMPARE(first.process.readAllStandardError(), QByteArray());
        QCOMPARE(second.process.readAllStandardError(), QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestInstanceGuard)
#include "tst_instanceguard.moc"
