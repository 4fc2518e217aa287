#include "session.h"

#include "core/offerdraw.h"
#include "core/programinfo.h"
#include "core/captions.h"
#include "core/signcatalogue.h"
#include "core/sunsign.h"
#include "web/referralsubmission.h"
#include "web/updatereminder.h"
#include "web/webcommands.h"
#include "windows/aboutwindow.h"
#include "windows/exitscreen.h"
#include "windows/inputwindow.h"
#include "windows/readingwindow.h"
#include "windows/signpicture.h"

#include <type_traits>

Session::Session(const Platform &services, QObject *parent) : QObject(parent), platform(services) {}

Session::~Session()
{
    for (const QPointer<QWidget> &window : std::as_const(built))
        delete window.data();
}

bool Session::start()
{
    if (platform.guard.anotherIsRunning()) {
        platform.messages.showMessage(nullptr, QStringLiteral("Application is already running"),
                                      MessageIcon::Information);
        end();
        return false;
    }
    platform.random.seedFromClock();
    if (remindsOfUpdates())
        remindOfUpdate(platform);
    InputWindow &window = inputWindow();
    window.show();
    window.bringOfferToFront(frontOfferFor(offerDraw(platform.random.next())));
    return true;
}

QList<QWidget *> Session::windows() const
{
    QList<QWidget *> up;
    for (const QPointer<QWidget> &window : built) {
        if (window)
            up << window.data();
    }
    return up;
}

InputWindow &Session::inputWindow()
{
    if (!input) {
        input = keep(new InputWindow(platform.messages));
        connect(input, &InputWindow::readingRequested, this, &Session::showReading);
    }
    return *input;
}

ReadingWindow &Session::readingWindow()
{
    if (!reading) {
        reading = keep(new ReadingWindow);
        connect(reading, &ReadingWindow::backRequested, this, &Session::goBack);
    }
    return *reading;
}

// The exit screen's word of support is drawn once, when it is built: Back and later
// readings keep it.
ExitScreen &Session::exitScreen()
{
    if (!exit) {
        platform.random.seedFromClock();
        const QString support = captions::supportMessage(supportMessageNumber(platform.random.next()));
        exit = keep(new ExitScreen(platform.messages, support));
        connect(exit, &ExitScreen::referralRequested, this, &Session::sendReferral);
        connect(exit, &ExitScreen::exitRequested, this, &Session::end);
    }
    return *exit;
}

template <class Window>
Window *Session::keep(Window *window)
{
    built << window;
    connect(window, &Window::pageRequested, this, &Session::openPage);
    if constexpr (std::is_base_of_v<MenusAndOffersWindow, Window>) {
        // About is modal: opened from the next turn of the event loop, so that
        // whoever asked, a screen reader through the accessibility bus too, gets an
        // answer before it closes.
        connect(window, &MenusAndOffersWindow::aboutRequested, this, [this, window] { showAbout(window); },
                Qt::QueuedConnection);
        connect(window, &MenusAndOffersWindow::exitRequested, this, [this, window] { leaveMainWindow(window); });
    }
    return window;
}

void Session::showReading(const Entries &entries)
{
    if (const std::optional<QLatin1String> sign = signFor(entries.birthDate))
        lastSign = *sign;
    ReadingWindow &window = readingWindow();
    if (const SignProfile *sign = findSignProfile(lastSign))
        window.showReading(*sign, signPicture(sign->pictureIndex, window.devicePixelRatioF()));
    inputWindow().hide();
    // The exit screen is built now, hidden, ready for the end of the session.
    exitScreen().hide();
    window.show();
}

void Session::goBack()
{
    inputWindow().show();
    discard(reading.data());
    exitScreen().hide();
}

void Session::leaveMainWindow(QWidget *window)
{
    if (ended)
        return;
    discard(window);
    exitScreen().show();
}

void Session::end()
{
    if (ended)
        return;
    ended = true;
    for (QWidget *window : windows())
        discard(window);
    emit finished();
}

void Session::showAbout(QWidget *owner)
{
    AboutWindow about(owner);
    connect(&about, &AboutWindow::pageRequested, this, &Session::openPage);
    about.exec();
}

void Session::openPage(WebPage page)
{
    ::openPage(platform.desktop, page);
}

void Session::sendReferral(const Referral &referral)
{
    openReferral(platform.desktop, referral);
}

void Session::discard(QWidget *window)
{
    if (!window)
        return;
    built.removeAll(window);
    if (window == input)
        input = nullptr;
    else if (window == reading)
        reading = nullptr;
    else if (window == exit)
        exit = nullptr;
    window->hide();
    window->deleteLater();
}
