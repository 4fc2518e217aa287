#include "readingstep.h"

#include "core/signcatalogue.h"
#include "core/sunsign.h"
#include "platform/forms.h"
#include "windows/exitscreen.h"
#include "windows/inputwindow.h"
#include "windows/readingwindow.h"
#include "windows/signpicturelist.h"

void ReadingStep::showReading(const Entries &entries)
{
    if (const auto sign = sunSignAt(entries.monthIndex, entries.dayIndex))
        lastSign = *sign;

    ReadingWindow &reading = Forms::load<ReadingWindow>();
    if (const SignProfile *sign = findSignProfile(lastSign))
        reading.showReading(*sign, SignPictureList().picture(sign->pictureIndex, reading.devicePixelRatioF()));

    Forms::load<InputWindow>().hide();
    // The exit screen is loaded now, hidden, ready for the end of the session.
    Forms::load<ExitScreen>().hide();
    reading.show();
}
