#include "application.h"

#include "caretblinklimit.h"
#include "commandline.h"
#include "platform/display.h"
#include "platform/platform.h"
#include "programstyle.h"
#include "session.h"

#include "windows/accessibility.h"

#include <QApplication>
#include <QPixmapCache>

#include <cstdio>

void setUpApplication(QApplication &app)
{
    // Named as its desktop entry, so that the desktop matches the windows (Wayland's
    // app id) to the launcher and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VESTASTRA_APP_ID));
    // The program ends when its session does, never because a window closed.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(new ProgramStyle);
    // The style keeps its drawings by the palette of the control drawn, and every
    // reading window's controls have palettes of their own: Qt's default 10 MiB would
    // fill up with drawings of closed reading windows that are never drawn again.
    // The open windows' drawings take a few hundred KiB.
    QPixmapCache::setCacheLimit(1024);
    new CaretBlinkLimit(app, caretBlinkTime);
    accessibility::install(app);
}

int runVestastra(int argc, char *argv[])
{
    if (const std::optional<int> status = handleCommandLine(argc, argv))
        return *status;
    // Without a display it can reach, Qt would abort with a platform plugin error and
    // a core dump; say it plainly.
    DisplayConnection display;
    if (!display.reached()) {
        std::fprintf(stderr,
                     "VL Vestastra needs a graphical display and found none; on a machine without one, run it "
                     "under a virtual display: xvfb-run -a %s\n",
                     argv[0]);
        return 1;
    }
    QApplication app(argc, argv);
    display.release();
    setUpApplication(app);

    SystemPlatform system;
    Session session(system.services());
    QObject::connect(&session, &Session::finished, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    if (!session.start())
        return 0;
    return QApplication::exec();
}
