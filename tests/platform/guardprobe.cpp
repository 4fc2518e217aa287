// Asks the program's instance guard once, as the program does at start-up, prints
// "primary" or "secondary", and as primary holds on until its input closes. With
// --lock-path it only prints where the guard keeps its lock.
#include "platform/instanceguard.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc > 1)
        QCoreApplication::setApplicationName(QString::fromLocal8Bit(argv[1]));
    if (argc > 2 && qstrcmp(argv[2], "--lock-path") == 0) {
        std::puts(InstanceGuard::lockPath().toLocal8Bit().constData());
        return 0;
    }
    const bool another = InstanceGuard::system().anotherIsRunning();
    std::puts(another ? "secondary" : "primary");
    std::fflush(stdout);
    if (!another) {
        while (std::getchar() != EOF) {
        }
    }
    return 0;
}
