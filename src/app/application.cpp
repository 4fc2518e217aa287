#include "application.h"

#include "caretblinklimit.h"
#include "flow.h"
#include "platform/forms.h"
#include "programstyle.h"
#include "startup.h"

#include <QApplication>
#include <QPixmapCache>

#include <cstdio>

namespace {

// Without a display Qt would abort with a platform plugin error; say it plainly.
bool hasDisplay()
{
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY")
           || qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

} // namespace

bool startVestastra(QApplication &app)
{
    // The program ends only through its own shutdown, never because a window closed.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(new ProgramStyle);
    // The style keeps its drawings by the palette of the control drawn, and every
    // reading window's controls have palettes of their own: Qt's default 10 MiB would
    // fill up with drawings of closed reading windows that are never drawn again.
    // The open windows' drawings take a few hundred KiB.
    QPixmapCache::setCacheLimit(1024);
    new CaretBlinkLimit(app, caretBlinkTime);
    installProgramFlow();
    Forms::load<StartUp>();
    return !Forms::hasEnded();
}

int runVestastra(int argc, char *argv[])
{
    if (!hasDisplay()) {
        std::fprintf(stderr,
                     "VL Vestastra needs a graphical display and found none; on a machine without one, run it "
                     "under a virtual display: xvfb-run -a %s\n",
                     argv[0]);
        return 1;
    }
    QApplication app(argc, argv);
    if (!startVestastra(app))
        return 0;
    return QApplication::exec();
}
