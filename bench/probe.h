#pragma once

#include <QApplication>
#include <QByteArrayList>
#include <QString>

#include <cstdint>

class QWindow;

// What the start-up probes share: the launch moment, the moment a window is first
// painted, and the process's own figures from /proc.
namespace probe {

// The mode a probe runs in, from its arguments: a name and, for some, a count or a
// folder.
struct Mode
{
    QByteArray name;
    int count = 0;
    QString folder;
};

// The mode of the command line: one of the plain modes, a counted mode followed by a
// whole number above zero, or a mode followed by a folder. Prints the usage and ends
// the process otherwise.
Mode parseMode(int argc, char **argv, const QByteArrayList &plain, const QByteArrayList &counted,
               const char *usage, const QByteArrayList &withFolder = {});

// Nanoseconds on the monotonic clock.
std::int64_t nowNs();

// Call first in main. Runs this program again with the launch moment in its
// environment, so that the measured start-up covers everything from execve on:
// loading, linking, static initialisation and Qt's own start. A launch moment that
// a driver already put in the environment (CLOCK_MONOTONIC nanoseconds, then
// optionally the process's CPU nanoseconds at that moment) is used as it is.
void stampLaunch(char **argv);

// Milliseconds since the launch moment stamped above.
double msSinceLaunch(std::int64_t ns);
// Processor time of all the process's threads since the launch, in milliseconds:
// unlike the time on the clock, it hardly grows when other programs share the machine.
double cpuMsSinceLaunch();

// Prints one figure as "name value", the line format bench/run-benchmarks reads.
void printFigure(const char *name, double value);

// Ends the process with a message when the probe has not finished in time: a
// window that is never painted, or a modal box nobody answers, must not hang a run.
void setDeadline(int seconds);

// Peak resident memory (VmHWM) in KiB.
long peakResidentKiB();
// Resident memory now (VmRSS) in KiB.
long residentKiB();
// The heap the program has allocated and not freed, in KiB.
long heapInUseKiB();

// The application, watching the events it dispatches on the main thread: the paints
// of one window, and every timer event.
class ProbeApplication : public QApplication
{
public:
    ProbeApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // From now on, waits for the first paint of the top-level window with this
    // object name; one that is created later counts too.
    void watchPaintOf(const QString &windowName);
    // Runs the event loop until the watched window has been painted and exposed on
    // the screen; returns that moment.
    std::int64_t waitForPaint();

    // Waits for the watched window's first paint and ends the process at once, for a
    // count of the instructions it took (valgrind's callgrind) and nothing after.
    [[noreturn]] void endAtFirstPaint();
    // Waits for the watched window's first paint and prints the start-up milestones:
    // main() entered, application ready, window shown (now), window painted.
    void reportStartUp(std::int64_t atMain, std::int64_t appReady);
    // Sits in the event loop for the given span after a settling pause, and prints
    // the context switches of all the process's threads and the timer events seen
    // during the span. The probe's own clock runs on a thread of its own that is
    // left out of the count, so the probe adds no wake-up to what it measures.
    void reportIdle(int settleMs, int seconds);

private:
    bool isWatched(const QWidget *window) const;
    // The native window when it is the watched window's, else nullptr.
    QWindow *watchedWindow(QWindow *native) const;

    QString watched;
    bool sawPaint = false;
    bool sawExpose = false;
    bool painted = false;
    int depth = 0;
    std::int64_t paintedAt = 0;
};

// Saves what the window shows once painted, as PNG files in folder: the window, and
// each of its drop-down lists' pop-ups opened in turn. Two builds that draw the same
// save the same bytes.
void saveFrames(QWidget &window, const QString &folder);

// The figures every mode prints first: the Qt version and the platform plugin in use.
void printEnvironment();

} // namespace probe
