// The floor that any Qt Widgets program pays: an application and one window with a
// label, measured the way bench_startup measures the program.
//   bench_barewindow [startup]   launch to the window's first paint, in ms
//   bench_barewindow memory      peak resident memory once the window is painted
//   bench_barewindow idle S      wake-ups while sitting idle S seconds after start-up
//   bench_barewindow instructions  ends at the first paint, for callgrind to count
#include "probe.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>

int main(int argc, char *argv[])
{
    probe::stampLaunch(argv);
    const std::int64_t atMain = probe::nowNs();
    const probe::Mode mode = probe::parseMode(argc, argv, {"startup", "memory", "instructions"}, {"idle"},
                                              "usage: bench_barewindow [startup | memory | instructions | idle SECONDS]\n");
    probe::setDeadline(30 + mode.count);

    probe::ProbeApplication app(argc, argv);
    const std::int64_t appReady = probe::nowNs();

    QWidget window;
    window.setObjectName(QStringLiteral("bareWindow"));
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("A bare window"), &window));
    app.watchPaintOf(window.objectName());
    window.show();
    if (mode.name == "instructions")
        app.endAtFirstPaint();
    app.reportStartUp(atMain, appReady);

    if (mode.name == "memory")
        std::printf("peak_kib %ld\n", probe::peakResidentKiB());
    else if (mode.name == "idle")
        app.reportIdle(1000, mode.count);
    return 0;
}
