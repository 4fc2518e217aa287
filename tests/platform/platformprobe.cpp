// Starts as the program does, as far as the platform's services go:
//   platformprobe NAME              asks the instance guard once, prints "primary" or
//                                   "secondary", and as primary holds on until its input closes
//   platformprobe NAME --store      the same, a primary first reading and writing the
//                                   settings store as the update reminder does
//   platformprobe NAME --socket-name prints the name the guard listens under first
//   platformprobe NAME --draw       seeds the random generator from the clock and prints
//                                   its first draw
#include "platform/instanceguard.h"
#include "platform/random.h"
#include "platform/settingsstore.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc > 1)
        QCoreApplication::setApplicationName(QString::fromLocal8Bit(argv[1]));
    const QByteArray option = argc > 2 ? argv[2] : "";
    if (option == "--draw") {
        QtRandomSource random;
        random.seedFromClock();
        std::printf("%.9f\n", double(random.next()));
        return 0;
    }
    if (option == "--socket-name") {
        std::puts(SocketGuard::socketName(0).constData());
        return 0;
    }
    SocketGuard guard;
    const bool another = guard.anotherIsRunning();
    if (!another && option == "--store") {
        FileSettingsStore store;
        store.setValue(QStringLiteral("Settings/probe"), store.value(QStringLiteral("Settings/probe")) + QLatin1Char('x'));
    }
    std::puts(another ? "secondary" : "primary");
    std::fflush(stdout);
    if (!another) {
        while (std::getchar() != EOF) {
        }
    }
    return 0;
}
