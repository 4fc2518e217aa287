#include "session.h"

#include "core/captions.h"
#include "core/offerdraw.h"
#include "core/programinfo.h"
#include "core/signcatalogue.h"
#include "core/sunsign.h"
#include "web/referralsubmission.h"
#include "web/updatereminder.h"
#include "web/webcommands.h"
#include "windows/aboutwindow.h"
#include "windows/signpicture.h"

Session::Session(const Platform &services, QObject *parent) : QObject(parent), platform(services) {}

Session::~Session()
{
    for (const QPointer<QWidget> &window : std::as_const(built))
        delete window.data();
}

// The program's life

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
    // Drawn before the window shows, so that its first frame already has it.
    window.bringOfferToFront(frontOfferFor(offerDraw(platform.random.next())));
    window.show();
    return true;
}

void Session::showReading(const Entries &entries)
{
    if (const std::optional<Sign> sign = signFor(entries.birthDate))
        lastSign = sign;
    ReadingWindow &window = readingWindow();
    if (lastSign)
        window.showReading(signProfile(*lastSign), signPicture(*lastSign, window.devicePixelRatioF()));
    inputWindow().hide();
    window.show();
}

// The reading window goes; the next reading builds a fresh one.
void Session::goBack()
{
    inputWindow().show();
    discard(reading.data());
}

void Session::leaveMainWindow(QWidget *window)
{
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
    connect(&about, &AboutWindow::pageRequested, this, [this, &about](WebPage page) { openPage(&about, page); });
    about.exec();
}

void Session::openPage(QWidget *owner, WebPage page)
{
    ::openPage(platform, owner, page);
}

// What the user asks of each window

void Session::listenTo(MenusAndOffersWindow *window)
{
    connect(window, &MenusAndOffersWindow::pageRequested, this,
            [this, window](WebPage page) { openPage(window, page); });
    // About is modal: opened on the next turn of the event loop, so that whoever
    // asked, a screen reader through the accessibility bus too, is answered first.
    connect(window, &MenusAndOffersWindow::aboutRequested, this, [this, window] { showAbout(window); },
            Qt::QueuedConnection);
    connect(window, &MenusAndOffersWindow::exitRequested, this, [this, window] { leaveMainWindow(window); });
}

void Session::listenTo(InputWindow *window)
{
    listenTo(static_cast<MenusAndOffersWindow *>(window));
    connect(window, &InputWindow::readingRequested, this, &Session::showReading);
}

void Session::listenTo(ReadingWindow *window)
{
    listenTo(static_cast<MenusAndOffersWindow *>(window));
    connect(window, &ReadingWindow::backRequested, this, &Session::goBack);
}

void Session::listenTo(ExitScreen *window)
{
    connect(window, &ExitScreen::pageRequested, this, [this, window](WebPage page) { openPage(window, page); });
    connect(window, &ExitScreen::referralRequested, this,
            [this, window](const Referral &referral) { openReferral(platform, window, referral); });
    connect(window, &ExitScreen::exitRequested, this, &Session::end);
}

// The windows: built on first need, in order, and let go when done

InputWindow &Session::inputWindow()
{
    if (!input)
        input = build(new InputWindow(platform.messages));
    return *input;
}

ReadingWindow &Session::readingWindow()
{
    if (!reading)
        reading = build(new ReadingWindow);
    return *reading;
}

// The exit screen is built when it first comes up, never hidden beforehand: a screen
// reader keeps widgets built in a hidden window as "not showing" and skips them. Its
// word of support is drawn then, once.
ExitScreen &Session::exitScreen()
{
    if (!exitWindow) {
        platform.random.seedFromClock();
        const int message = supportMessageNumber(platform.random.next());
        exitWindow = build(new ExitScreen(platform.messages, captions::supportMessage(message)));
    }
    return *exitWindow;
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

template <class Window>
Window *Session::build(Window *window)
{
    built << window;
    listenTo(window);
    return window;
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
    else if (window == exitWindow)
        exitWindow = nullptr;
    // Deleted once its own events are done: it may be the one that asked.
    window->hide();
    window->deleteLater();
}
