#include "application.h"

#include <QApplication>

int runVestastra(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The program ends only through its own shutdown, never by a window closing.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(QStringLiteral("Fusion"));
    return 0;
}
