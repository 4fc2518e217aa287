#include "shutdown.h"

#include "platform/forms.h"

void closeAllAndEnd()
{
    if (Forms::isEnding())
        return;
    Forms::beginEnding();
    // Closing a main window brings up the exit screen again, so close until none is left.
    for (QList<Form *> loaded = Forms::loaded(); !loaded.isEmpty(); loaded = Forms::loaded())
        loaded.first()->close();
    Forms::end();
}
