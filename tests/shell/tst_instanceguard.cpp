#include <QProcess>
#include <QTest>
#include <QUuid>

namespace {

// One copy of the probe, under an application name of the test's own.
class Probe
{
public:
    explicit Probe(const QString &name)
    {
        process.start(QCoreApplication::applicationDirPath() + QLatin1String("/guardprobe"), {name});
    }

    QString answer()
    {
        if (!QTest::qWaitFor([this] { return process.canReadLine() || process.state() == QProcess::NotRunning; },
                             10000))
            return QStringLiteral("no answer");
        return QString::fromLatin1(process.readLine()).trimmed();
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

QString uniqueName()
{
    return QStringLiteral("VestastraGuardTest-") + QUuid::createUuid().toString(QUuid::Id128);
}

} // namespace

class TestInstanceGuard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void secondCopyIsRefusedWhileTheFirstRuns()
    {
        const QString name = uniqueName();
        Probe first(name);
        QCOMPARE(first.answer(), QStringLiteral("primary"));
        Probe second(name);
        QCOMPARE(second.answer(), QStringLiteral("secondary"));
        QVERIFY(second.finished());
        QCOMPARE(first.process.state(), QProcess::Running);
        QVERIFY(first.release());
        Probe third(name);
        QCOMPARE(third.answer(), QStringLiteral("primary"));
        QVERIFY(third.release());
    }

    void killedCopyDoesNotBlockTheNextStart()
    {
        const QString name = uniqueName();
        Probe first(name);
        QCOMPARE(first.answer(), QStringLiteral("primary"));
        first.process.kill();
        QVERIFY(first.finished());
        Probe next(name);
        QCOMPARE(next.answer(), QStringLiteral("primary"));
        QVERIFY(next.release());
    }

    void copiesStartedTogetherGiveExactlyOnePrimary()
    {
        for (int round = 0; round < 10; ++round) {
            const QString name = uniqueName();
            Probe a(name);
            Probe b(name);
            const QStringList answers{a.answer(), b.answer()};
            QCOMPARE(answers.count(QStringLiteral("primary")), 1);
            QCOMPARE(answers.count(QStringLiteral("secondary")), 1);
            QVERIFY(a.release());
            QVERIFY(b.release());
        }
    }
};

QTEST_GUILESS_MAIN(TestInstanceGuard)
#include "tst_instanceguard.moc"
