#include "application.h"

#include "forms.h"

#include <QApplication>

int runVestastra(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The program ends only through its own shutdown, never by a window closing.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(QStringLiteral("Fusion"));
    if (Forms::hasEnded())
        return 0;
    return 0;
}
