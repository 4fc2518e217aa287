#include "display.h"

#include <QByteArrayList>
#include <QDeadlineTimer>
#include <QDir>
#include <QLibrary>
#include <QThread>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The platforms Qt tries, in its order: QT_QPA_PLATFORM when set, else Wayland for a
// Wayland session, then X11 for an X display, then X11 as the default.
QByteArrayList platformsToTry()
{
    const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
    QByteArrayList platforms;
    if (!chosen.isEmpty()) {
        for (const QByteArray &platform : chosen.split(';'))
            platforms << platform.split(':').constFirst();
        return platforms;
    }
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland")
        platforms << "wayland";
    platforms << "xcb";
    return platforms;
}

// The X11 client library, loaded as Qt's X11 platform loads it; no build-time
// dependency for a check this small.
class Xcb
{
public:
    Xcb() : library(QStringLiteral("xcb"), 1)
    {
        connect = reinterpret_cast<Connect>(library.resolve("xcb_connect"));
        hasError = reinterpret_cast<HasError>(library.resolve("xcb_connection_has_error"));
        disconnect = reinterpret_cast<Disconnect>(library.resolve("xcb_disconnect"));
    }

    bool loaded() const { return connect && hasError && disconnect; }

    using Connect = void *(*)(const char *, int *);
    using HasError = int (*)(void *);
    using Disconnect = void (*)(void *);
    Connect connect = nullptr;
    HasError hasError = nullptr;
    Disconnect disconnect = nullptr;

private:
    QLibrary library;
};

} // namespace

struct DisplayConnection::Held
{
    ~Held()
    {
        if (x11)
            xcb.disconnect(x11);
        if (wayland >= 0)
            ::close(wayland);
    }

    // An X server that is resetting refuses connections for a moment.
    bool reachX11()
    {
        if (!xcb.loaded())
            return true; // Qt's X11 platform cannot load either; Qt says why.
        const QDeadlineTimer deadline(2000);
        for (;;) {
            void *connection = xcb.connect(nullptr, nullptr);
            if (!xcb.hasError(connection)) {
                x11 = connection;
                return true;
            }
            xcb.disconnect(connection);
            if (!qEnvironmentVariableIsSet("DISPLAY") || deadline.hasExpired())
                return false;
            QThread::msleep(50);
        }
    }

    bool reachWayland()
    {
        QString socketPath = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
        if (!QDir::isAbsolutePath(socketPath)) {
            const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
            if (runtime.isEmpty())
                return false;
            socketPath = runtime + QLatin1Char('/') + socketPath;
        }
        const QByteArray name = socketPath.toLocal8Bit();
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (name.size() >= qsizetype(sizeof address.sun_path))
            return false;
        std::copy(name.cbegin(), name.cend(), address.sun_path);
        const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (socket < 0)
            return false;
        if (::connect(socket, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
            ::close(socket);
            return false;
        }
        wayland = socket;
        return true;
    }

    Xcb xcb;
    void *x11 = nullptr;
    int wayland = -1;
};

DisplayConnection::DisplayConnection() : held(std::make_unique<Held>())
{
    for (const QByteArray &platform : platformsToTry()) {
        if (platform == "xcb")
            reachedOne = held->reachX11();
        else if (platform.startsWith("wayland"))
            reachedOne = held->reachWayland();
        else
            reachedOne = true;
        if (reachedOne)
            return;
    }
}

DisplayConnection::~DisplayConnection() = default;

void DisplayConnection::release()
{
    held.reset();
}
