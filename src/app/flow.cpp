#include "flow.h"

#include "platform/forms.h"
#include "readingstep.h"
#include "shutdown.h"
#include "windows/exitscreen.h"
#include "windows/inputwindow.h"
#include "windows/readingwindow.h"

namespace {

// The first stage of ending, when a main window closes: the exit screen comes up and
// the program runs on until it is closed.
void showExitScreen()
{
    // During the shutdown every window closes anyway; bringing the exit screen back
    // then would only build windows that are about to go.
    if (Forms::isEnding())
        return;
    Forms::show<ExitScreen>();
}

void goBack(ReadingWindow &reading)
{
    Forms::show<InputWindow>();
    // Closing a main window brings up the exit screen; going back is no ending, so the
    // reading window closes without it.
    QObject::disconnect(&reading, &Form::unloaded, nullptr, nullptr);
    reading.close();
}

void listenTo(Form &form)
{
    static ReadingStep readingStep;
    if (auto *input = qobject_cast<InputWindow *>(&form)) {
        QObject::connect(input, &InputWindow::readingRequested, input,
                         [](const Entries &entries) { readingStep.showReading(entries); });
        QObject::connect(input, &Form::unloaded, showExitScreen);
    } else if (auto *reading = qobject_cast<ReadingWindow *>(&form)) {
        QObject::connect(reading, &ReadingWindow::backRequested, reading, [reading] { goBack(*reading); });
        QObject::connect(reading, &Form::unloaded, showExitScreen);
    } else if (auto *exitScreen = qobject_cast<ExitScreen *>(&form)) {
        QObject::connect(exitScreen, &ExitScreen::exitRequested, closeAllAndEnd);
        QObject::connect(exitScreen, &Form::unloaded, closeAllAndEnd);
    }
}

} // namespace

void installProgramFlow()
{
    Forms::setLoadListener(listenTo);
}
