#include "instanceguard.h"

#include "core/log.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QThread>

#include <cerrno>
#include <cstddef>
#include <cstring>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// The guard is a listening socket with a name in Linux's abstract namespace, not a
// lock file. Such a name is no file: no folder has to exist, be writable or be the
// user's own, nothing is left behind however a copy ends (the kernel frees the name
// with the process), and every start of the user's on the machine (its network
// namespace) meets the same name, in a session or without one. Any user may take any
// name, so the holder's user is asked of the kernel (SO_PEERCRED): a name another
// user holds is passed over for the next one, and a start that meets only names of
// others runs unguarded rather than not at all.

namespace {

// Names tried before a start gives up and runs unguarded.
constexpr int nameSlots = 16;
// How often a name that is bound but not yet listened on is tried again: a copy
// started at the same moment listens a moment after it has bound the name.
constexpr int bindAttempts = 50;

enum class Holder { None, ThisUser, OtherUser };

struct Address
{
    sockaddr_un address{};
    socklen_t length = 0;
    const sockaddr *data() const { return reinterpret_cast<const sockaddr *>(&address); }
};

Address abstractAddress(const QByteArray &name)
{
    Address abstract;
    abstract.address.sun_family = AF_UNIX;
    // sun_path[0] stays zero: the name is in the abstract namespace.
    std::memcpy(abstract.address.sun_path + 1, name.constData(), size_t(name.size()));
    abstract.length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + size_t(name.size()));
    return abstract;
}

int newSocket()
{
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

// Who listens under the name; none when nobody listens there (yet, or any more).
Holder holderOf(const Address &address)
{
    const int asking = newSocket();
    if (asking < 0)
        return Holder::None;
    Holder holder = Holder::None;
    ucred peer{};
    socklen_t size = sizeof peer;
    if (::connect(asking, address.data(), address.length) == 0
        && ::getsockopt(asking, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0)
        holder = peer.uid == ::geteuid() ? Holder::ThisUser : Holder::OtherUser;
    ::close(asking);
    return holder;
}

} // namespace

SocketGuard::SocketGuard() = default;

SocketGuard::~SocketGuard()
{
    notifier.reset();
    if (listening >= 0)
        ::close(listening);
}

bool SocketGuard::anotherIsRunning()
{
    if (!another)
        another = claim();
    return *another;
}

QByteArray SocketGuard::socketName(int slot)
{
    QByteArray application = QCoreApplication::applicationName().toUtf8();
    // An abstract name holds at most 107 bytes.
    if (application.size() > 64)
        application = QCryptographicHash::hash(application, QCryptographicHash::Sha256).toHex();
    // The home too: copies given homes of their own (each test its private one) keep
    // apart.
    const QByteArray home = QCryptographicHash::hash(QFile::encodeName(QDir::homePath()), QCryptographicHash::Sha256)
                                .toHex()
                                .left(16);
    return application + '/' + QByteArray::number(::geteuid()) + '/' + home + '/' + QByteArray::number(slot);
}

// True only when a copy of this user's listens under the first name not held by
// another user. Anything else lets the program start: the guard never locks the user
// out.
bool SocketGuard::claim()
{
    for (int slot = 0; slot < nameSlots; ++slot) {
        const Address address = abstractAddress(socketName(slot));
        for (int attempt = 0; attempt < bindAttempts; ++attempt) {
            const int bound = newSocket();
            if (bound >= 0 && ::bind(bound, address.data(), address.length) == 0 && ::listen(bound, SOMAXCONN) == 0) {
                listening = bound;
                // Later starts ask who listens by connecting: each is let go at once,
                // so that they never fill the queue.
                notifier = std::make_unique<QSocketNotifier>(bound, QSocketNotifier::Read);
                QObject::connect(notifier.get(), &QSocketNotifier::activated, [bound] {
                    const int asked = ::accept4(bound, nullptr, nullptr, SOCK_CLOEXEC);
                    if (asked >= 0)
                        ::close(asked);
                });
                return false;
            }
            const int error = errno;
            if (bound >= 0)
                ::close(bound);
            if (error != EADDRINUSE) {
                qCWarning(vestastraLog) << "Starting without the single-instance guard:" << std::strerror(error);
                return false;
            }
            const Holder holder = holderOf(address);
            if (holder == Holder::ThisUser)
                return true;
            if (holder == Holder::OtherUser)
                break;
            QThread::msleep(2);
        }
    }
    qCWarning(vestastraLog) << "Starting without the single-instance guard: other users hold its names";
    return false;
}
