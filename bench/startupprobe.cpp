// The program's own start-up and reading step, run by the program's code:
//   bench_startup [startup]   launch to the input window's first paint, in ms
//   bench_startup reading N   N readings: click to the reading window's first paint,
//                             then Back: click to the input window's next paint
//   bench_startup memory      peak resident memory after start-up, a reading and Back
//   bench_startup idle S      wake-ups while sitting idle S seconds after start-up
//   bench_startup growth N    resident memory and heap in use after 10 readings and
//                             after N, each followed by Back
//   bench_startup instructions  ends at the first paint, for callgrind to count; the
//                             offer draw fixed, so that every count draws the same
//   bench_startup frames DIR  saves the first frame and the lists' pop-ups as PNG in
//                             DIR, the offer draw fixed, to compare two builds' pixels
// The settings store and the instance lock carry this probe's name, never the
// program's; still, run it with a HOME, XDG_CONFIG_HOME and TMPDIR of its own, as
// bench/run-benchmarks does.
#include "probe.h"

#include "app/application.h"
#include "app/session.h"
#include "samplereading.h"
#include "windows/inputwindow.h"
#include "windows/readingwindow.h"

#include <QAbstractButton>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Spans
{
    std::vector<double> reading;
    std::vector<double> back;
};

double ms(std::int64_t ns)
{
    return double(ns) / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double worst(const std::vector<double> &values)
{
    return *std::max_element(values.begin(), values.end());
}

// Each reading opens a new reading window, as after any Back: Back discards it.
Spans runReadings(probe::ProbeApplication &app, Session &session, int count)
{
    InputWindow &input = session.inputWindow();
    enterSampleReading(input);

    Spans spans;
    for (int i = 0; i < count; ++i) {
        app.watchPaintOf(QStringLiteral("frmDisplay"));
        std::int64_t start = probe::nowNs();
        askForReading(input);
        spans.reading.push_back(ms(app.waitForPaint() - start));

        ReadingWindow *reading = &session.readingWindow();
        if (!reading->isVisible()) {
            std::fputs("probe: the reading window is not open after the click\n", stderr);
            std::exit(3);
        }
        app.watchPaintOf(QStringLiteral("frmMain"));
        start = probe::nowNs();
        reading->findChild<QAbstractButton *>(QStringLiteral("cmdBack"))->click();
        spans.back.push_back(ms(app.waitForPaint() - start));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return spans;
}

// Draws that never change: 0.2 puts the fully-branded offer in front.
class FixedDraws final : public RandomSource
{
public:
    void seedFromClock() override {}
    float next() override { return 0.2f; }
};

} // namespace

int main(int argc, char *argv[])
{
    probe::stampLaunch(argv);
    const std::int64_t atMain = probe::nowNs();
    const probe::Mode mode =
        probe::parseMode(argc, argv, {"startup", "memory", "instructions"}, {"reading", "idle", "growth"},
                         "usage: bench_startup [startup | reading COUNT | memory | idle SECONDS | growth COUNT |"
                         " instructions | frames DIR]\n",
                         {"frames"});
    probe::setDeadline(30 + mode.count);

    // The program's own start-up, as runVestastra runs it.
    probe::ProbeApplication app(argc, argv);
    const std::int64_t appReady = probe::nowNs();
    setUpApplication(app);
    SystemPlatform system;
    Platform services = system.services();
    FixedDraws fixedDraws;
    const bool fixed = mode.name == "instructions" || mode.name == "frames";
    Session session(fixed ? Platform{services.messages, services.desktop, services.clock,
                                                            fixedDraws, services.guard, services.settings}
                                                 : services);

    app.watchPaintOf(QStringLiteral("frmMain"));
    if (!session.start()) {
        std::fputs("probe: the program ended during start-up; is another probe running?\n", stderr);
        return 3;
    }
    if (mode.name == "instructions")
        app.endAtFirstPaint();
    if (mode.name == "frames") {
        app.waitForPaint();
        probe::saveFrames(session.inputWindow(), mode.folder);
        return 0;
    }
    app.reportStartUp(atMain, appReady);

    if (mode.name == "reading") {
        const Spans spans = runReadings(app, session, mode.count);
        probe::printFigure("reading_first_ms", spans.reading.front());
        probe::printFigure("reading_median_ms", median(spans.reading));
        probe::printFigure("reading_worst_ms", worst(spans.reading));
        probe::printFigure("back_first_ms", spans.back.front());
        probe::printFigure("back_median_ms", median(spans.back));
        probe::printFigure("back_worst_ms", worst(spans.back));
    } else if (mode.name == "memory") {
        runReadings(app, session, 1);
        std::printf("peak_kib %ld\n", probe::peakResidentKiB());
    } else if (mode.name == "growth") {
        // What stays after readings: resident memory, and the heap still in use, which
        // tells memory held from memory the allocator keeps for reuse.
        runReadings(app, session, 10);
        std::printf("resident_after_10_kib %ld\nheap_after_10_kib %ld\n", probe::residentKiB(), probe::heapInUseKiB());
        runReadings(app, session, std::max(0, mode.count - 10));
        std::printf("resident_after_%d_kib %ld\nheap_after_%d_kib %ld\n", mode.count, probe::residentKiB(),
                    mode.count, probe::heapInUseKiB());
    } else if (mode.name == "idle") {
        // Past the time the text cursor blinks after the last input.
        app.reportIdle(int(std::chrono::milliseconds(caretBlinkTime).count()) + 1000, mode.count);
    }
    return 0;
}
