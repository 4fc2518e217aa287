#include "probe.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QMap>
#include <QMetaObject>
#include <QPointer>
#include <QThread>
#include <QWindow>
#include <QWidget>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <thread>

#include <malloc.h>
#include <unistd.h>

namespace probe {

namespace {

constexpr char launchVariable[] = "VESTASTRA_BENCH_LAUNCH";

std::int64_t launchNs = 0;
std::int64_t launchCpuNs = 0;

// Read and written on the main thread only; the idle clock switches counting on and off.
std::atomic<bool> countingTimers{false};
std::atomic<long> timerEvents{0};
QMap<QByteArray, int> timerReceivers;

void deadlinePassed(int)
{
    static const char message[] = "probe: no result in time, giving up\n";
    (void)!write(STDERR_FILENO, message, sizeof message - 1);
    _exit(3);
}

// One field of a /proc status file, as a number; -1 when absent.
long statusField(const QString &path, const QByteArray &field)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    // A /proc file tells no size, so it is read whole rather than line by line.
    const QByteArray prefix = field + ':';
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Context switches of every thread of the process but the calling one.
long contextSwitchesOfOthers()
{
    const QString self = QString::number(gettid());
    long total = 0;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (task == self)
            continue;
        const QString status = tasks.filePath(task) + QLatin1String("/status");
        total += qMax(0L, statusField(status, "voluntary_ctxt_switches"))
                 + qMax(0L, statusField(status, "nonvoluntary_ctxt_switches"));
    }
    return total;
}

std::int64_t clockNs(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return std::int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
}

} // namespace

Mode parseMode(int argc, char **argv, const QByteArrayList &plain, const QByteArrayList &counted,
               const char *usage, const QByteArrayList &withFolder)
{
    Mode mode{argc > 1 ? QByteArray(argv[1]) : QByteArrayLiteral("startup"), 0, {}};
    bool valid = argc <= 2 && plain.contains(mode.name);
    if (argc == 3 && counted.contains(mode.name))
        mode.count = QByteArray(argv[2]).toInt(&valid);
    if (argc == 3 && withFolder.contains(mode.name)) {
        mode.folder = QString::fromLocal8Bit(argv[2]);
        valid = true;
    }
    if (!valid || (counted.contains(mode.name) && mode.count < 1)) {
        std::fputs(usage, stderr);
        std::exit(2);
    }
    return mode;
}

std::int64_t nowNs()
{
    return clockNs(CLOCK_MONOTONIC);
}

void stampLaunch(char **argv)
{
    if (const char *stamp = std::getenv(launchVariable)) {
        char *rest = nullptr;
        launchNs = std::strtoll(stamp, &rest, 10);
        launchCpuNs = std::strtoll(rest, nullptr, 10);
        // Programs this one might start must not inherit a launch moment.
        unsetenv(launchVariable);
        return;
    }
    // The processor time goes on across execve: what this first run used is left out.
    const std::string stamp = std::to_string(nowNs()) + ' ' + std::to_string(clockNs(CLOCK_PROCESS_CPUTIME_ID));
    setenv(launchVariable, stamp.c_str(), 1);
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    // The real path, not /proc/self/exe, so that the process keeps its name.
    execv(error ? "/proc/self/exe" : self.c_str(), argv);
    std::perror("probe: cannot run itself again");
    std::exit(127);
}

double msSinceLaunch(std::int64_t ns)
{
    return double(ns - launchNs) / 1e6;
}

double cpuMsSinceLaunch()
{
    return double(clockNs(CLOCK_PROCESS_CPUTIME_ID) - launchCpuNs) / 1e6;
}

void printFigure(const char *name, double value)
{
    std::printf("%s %.3f\n", name, value);
}

void setDeadline(int seconds)
{
    std::signal(SIGALRM, deadlinePassed);
    alarm(unsigned(seconds));
}

long peakResidentKiB()
{
    return statusField(QStringLiteral("/proc/self/status"), "VmHWM");
}

long residentKiB()
{
    return statusField(QStringLiteral("/proc/self/status"), "VmRSS");
}

long heapInUseKiB()
{
    return long(mallinfo2().uordblks / 1024);
}

ProbeApplication::ProbeApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool ProbeApplication::notify(QObject *receiver, QEvent *event)
{
    // Objects of other threads have their events dispatched here too, unordered with ours.
    if (QThread::currentThread() != thread())
        return QApplication::notify(receiver, event);

    if (event->type() == QEvent::Timer && countingTimers.load(std::memory_order_relaxed)) {
        ++timerEvents;
        ++timerReceivers[receiver->metaObject()->className()];
    }
    const bool watchedPaint = !painted && event->type() == QEvent::Paint && receiver->isWidgetType()
                              && isWatched(static_cast<QWidget *>(receiver)->window());
    QPointer<QWindow> exposed;
    if (!painted && event->type() == QEvent::Expose && receiver->isWindowType())
        exposed = watchedWindow(static_cast<QWindow *>(receiver));
    ++depth;
    const bool result = QApplication::notify(receiver, event);
    --depth;
    sawPaint = sawPaint || watchedPaint;
    sawExpose = sawExpose || (exposed && exposed->isExposed());
    // The window paints its widgets one by one within one dispatch (an update
    // request or an expose) and flushes them to the screen once exposed: the first
    // paint is complete when the dispatch that saw both has returned.
    if (depth == 0 && sawPaint && sawExpose && !painted) {
        painted = true;
        paintedAt = nowNs();
    }
    return result;
}

void ProbeApplication::watchPaintOf(const QString &windowName)
{
    watched = windowName;
    sawPaint = sawExpose = painted = false;
}

bool ProbeApplication::isWatched(const QWidget *window) const
{
    return !watched.isEmpty() && window->objectName() == watched;
}

QWindow *ProbeApplication::watchedWindow(QWindow *native) const
{
    for (const QWidget *window : topLevelWidgets()) {
        if (window->windowHandle() == native)
            return isWatched(window) ? native : nullptr;
    }
    return nullptr;
}

std::int64_t ProbeApplication::waitForPaint()
{
    while (!painted)
        processEvents(QEventLoop::WaitForMoreEvents);
    return paintedAt;
}

void ProbeApplication::endAtFirstPaint()
{
    waitForPaint();
    std::fflush(stdout);
    std::_Exit(0);
}

void ProbeApplication::reportStartUp(std::int64_t atMain, std::int64_t appReady)
{
    const std::int64_t shown = probe::nowNs();
    const std::int64_t firstPaint = waitForPaint();
    const double cpuMs = probe::cpuMsSinceLaunch();

    probe::printEnvironment();
    probe::printFigure("at_main_ms", probe::msSinceLaunch(atMain));
    probe::printFigure("app_ready_ms", probe::msSinceLaunch(appReady));
    probe::printFigure("window_shown_ms", probe::msSinceLaunch(shown));
    probe::printFigure("startup_ms", probe::msSinceLaunch(firstPaint));
    probe::printFigure("startup_cpu_ms", cpuMs);
}

void ProbeApplication::reportIdle(int settleMs, int seconds)
{
    long switches = 0;
    std::thread clock([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
        const long before = contextSwitchesOfOthers();
        countingTimers = true;
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        countingTimers = false;
        switches = contextSwitchesOfOthers() - before;
        QMetaObject::invokeMethod(this, [] { QCoreApplication::quit(); }, Qt::QueuedConnection);
    });
    exec();
    clock.join();

    QByteArrayList receivers;
    for (auto it = timerReceivers.cbegin(); it != timerReceivers.cend(); ++it)
        receivers.append(it.key() + ':' + QByteArray::number(it.value()));
    std::printf("idle_seconds %d\nidle_context_switches %ld\nidle_timer_events %ld\nidle_timer_receivers %s\n",
                seconds, switches, timerEvents.load(),
                receivers.isEmpty() ? "none" : receivers.join(',').constData());
}

void saveFrames(QWidget &window, const QString &folder)
{
    QDir().mkpath(folder);
    window.grab().save(folder + QLatin1String("/window.png"));
    for (QComboBox *list : window.findChildren<QComboBox *>()) {
        list->showPopup();
        QWidget *popup = list->view()->window();
        QCoreApplication::processEvents();
        popup->grab().save(folder + QLatin1Char('/') + list->objectName() + QLatin1String("-popup.png"));
        list->hidePopup();
    }
}

void printEnvironment()
{
    std::printf("qt_version %s\nplatform %s\n", qVersion(), qPrintable(QGuiApplication::platformName()));
}

} // namespace probe
