#pragma once

#include "core/entryrules.h"
#include "core/sunsign.h"
#include "core/website.h"
#include "platform/platform.h"
#include "windows/exitscreen.h"
#include "windows/inputwindow.h"
#include "windows/readingwindow.h"

#include <QList>
#include <QObject>
#include <QPointer>

// The program's life, from its start to its end, and its windows. Each window comes
// into being when first needed and goes when it closes; the next need builds a fresh
// one. The windows say through their signals what the user asked for; the session
// decides what follows.
class Session : public QObject
{
    Q_OBJECT

public:
    explicit Session(const Platform &platform, QObject *parent = nullptr);
    ~Session() override;

    // The start: refused when another copy runs (the user is told, and the session
    // ends); otherwise the reminder to look for updates, then the input window.
    // False when the session ended during the start.
    bool start();

    bool hasEnded() const { return ended; }

    // Each window, built when absent and left hidden then, as the flow needs it.
    InputWindow &inputWindow();
    ReadingWindow &readingWindow();
    ExitScreen &exitScreen();
    // Every window that is up, shown or hidden, in the order they were built.
    QList<QWidget *> windows() const;

    // The reading of entries the input window checked: the sign's reading on screen in
    // place of the input window.
    void showReading(const Entries &entries);

signals:
    // Every window is gone: the program ends.
    void finished();

private:
    // Makes a newly built window known, in order, and hears its requests.
    template <class Window>
    Window *build(Window *window);
    void listenTo(MenusAndOffersWindow *window);
    void listenTo(InputWindow *window);
    void listenTo(ReadingWindow *window);
    void listenTo(ExitScreen *window);

    void goBack();
    // A main window closed: the exit screen comes up, and the program runs on until
    // the user closes that.
    void leaveMainWindow(QWidget *window);
    void end();
    void showAbout(QWidget *owner);
    // A page the owner's window asked for; it tells of a failure.
    void openPage(QWidget *owner, WebPage page);
    // Lets a window go: it is hidden at once and deleted once its events are done.
    void discard(QWidget *window);

    const Platform platform;
    QPointer<InputWindow> input;
    QPointer<ReadingWindow> reading;
    QPointer<ExitScreen> exitWindow;
    QList<QPointer<QWidget>> built;
    // A date that matches no sign shows the last sign that matched again.
    std::optional<Sign> lastSign;
    bool ended = false;
};
