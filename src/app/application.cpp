#include "application.h"

#include "flow.h"
#include "platform/forms.h"
#include "startup.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>

namespace {

// Without a display Qt would abort with a platform plugin error; say it plainly.
bool hasDisplay()
{
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY")
           || qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

// Lets the text cursor blink while the user works, and stills it once they stop, as
// desktop toolkits do.
class CaretBlinkLimit : public QObject
{
public:
    explicit CaretBlinkLimit(QApplication &app) : QObject(&app), blinkTime(QApplication::cursorFlashTime())
    {
        stopper.setSingleShot(true);
        stopper.setInterval(caretBlinkSeconds * 1000);
        connect(&stopper, &QTimer::timeout, this, [] { QApplication::setCursorFlashTime(0); });
        stopper.start();
        app.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::InputMethod:
            if (QApplication::cursorFlashTime() != blinkTime)
                QApplication::setCursorFlashTime(blinkTime);
            stopper.start();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const int blinkTime;
    QTimer stopper;
};

} // namespace

bool startVestastra(QApplication &app)
{
    // The program ends only through its own shutdown, never because a window closed.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(QStringLiteral("Fusion"));
    new CaretBlinkLimit(app);
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
