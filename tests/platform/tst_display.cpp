#include "platform/display.h"

#include <QTemporaryDir>
#include <QTest>

class TestDisplay : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Whether the display Qt will use answers, for each way a start may be set up; a
    // platform that needs no display server always does.
    void reached_data()
    {
        QTest::addColumn<QByteArray>("platform"); // QT_QPA_PLATFORM; empty for unset
        QTest::addColumn<QByteArray>("wayland");  // WAYLAND_DISPLAY; empty for unset
        QTest::addColumn<bool>("reached");
        QTest::newRow("offscreen") << QByteArray("offscreen") << QByteArray() << true;
        QTest::newRow("a framebuffer, with options") << QByteArray("linuxfb:fb=/dev/fb7") << QByteArray() << true;
        QTest::newRow("X11 with no X display") << QByteArray("xcb") << QByteArray() << false;
        QTest::newRow("X11, else offscreen") << QByteArray("xcb;offscreen") << QByteArray() << true;
        QTest::newRow("a Wayland session whose socket is missing") << QByteArray() << QByteArray("gone-0") << false;
        QTest::newRow("nothing set, no X display") << QByteArray() << QByteArray() << false;
    }

    void reached()
    {
        QFETCH(QByteArray, platform);
        QFETCH(QByteArray, wayland);
        QFETCH(bool, reached);
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        qunsetenv("DISPLAY");
        qunsetenv("XDG_SESSION_TYPE");
        platform.isEmpty() ? qunsetenv("QT_QPA_PLATFORM") : qputenv("QT_QPA_PLATFORM", platform);
        wayland.isEmpty() ? qunsetenv("WAYLAND_DISPLAY") : qputenv("WAYLAND_DISPLAY", wayland);
        QCOMPARE(DisplayConnection().reached(), reached);
    }
};

QTEST_GUILESS_MAIN(TestDisplay)
#include "tst_display.moc"
