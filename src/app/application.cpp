#include "application.h"

#include "caretblinklimit.h"
#include "commandline.h"
#include "platform/platform.h"
#include "session.h"
#include "windows/programstyle.h"

#include "windows/accessibility.h"

#include <QApplication>
#include <QPixmapCache>

#include <cstdio>
#include <cstdlib>

namespace {

// Qt ends a program whose display or platform it cannot use with a fatal message, an
// abort and a core dump; this says it plainly instead. Qt's account of the platforms
// it tried is left out while the application object is made: the sentence says it.
void tellMissingDisplay(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        const QString program = QCoreApplication::arguments().value(0, QStringLiteral("VLFreeVestastra"));
        std::fprintf(stderr,
                     "VL Vestastra needs a graphical display and found none; on a machine without one, run it "
                     "under a virtual display: xvfb-run -a %s\n",
                     qPrintable(program));
        std::_Exit(1);
    }
    if (!QByteArray(context.category).startsWith("qt.qpa."))
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

void setUpApplication(QApplication &app)
{
    // Named as its desktop entry, so that the desktop matches the windows (Wayland's
    // app id) to the launcher and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VESTASTRA_APP_ID));
    // The program ends when its session does, never because a window closed.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(new ProgramStyle);
    // The style would keep its drawings under names made from the palette of the
    // control drawn, and every reading window's controls have palettes of their own:
    // each reading left drawings, and their names, that nothing draws again (about
    // 2 KiB a reading, measured, with a limit on the drawings' size or not). Nothing
    // here gains from keeping them: the windows are drawn whole, once, then stay idle.
    QPixmapCache::setCacheLimit(0);
    new CaretBlinkLimit(app, caretBlinkTime);
    accessibility::install(app);
}

int runVestastra(int argc, char *argv[])
{
    if (const std::optional<int> status = answerWithoutDisplay(argc, argv))
        return *status;
    qInstallMessageHandler(tellMissingDisplay);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    if (const std::optional<int> status = checkArguments(QCoreApplication::arguments()))
        return *status;
    setUpApplication(app);

    SystemPlatform system;
    Session session(system.services());
    QObject::connect(&session, &Session::finished, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    if (!session.start())
        return 0;
    return QApplication::exec();
}
