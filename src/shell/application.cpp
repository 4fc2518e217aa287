#include "application.h"

#include "forms.h"
#include "frmnagscreen.h"

#include <QApplication>

#include <cstdio>

namespace {

// Without a display Qt would abort with a platform plugin error; say it plainly.
bool hasDisplay()
{
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY")
           || qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

} // namespace

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
    // The program ends only through its own shutdown, never because a window closed.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(QStringLiteral("Fusion"));

    Forms::get<frmNagScreen>();
    if (Forms::hasEnded())
        return 0;
    return QApplication::exec();
}
