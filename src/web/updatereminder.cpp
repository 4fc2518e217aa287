#include "updatereminder.h"

#include "core/reminderrules.h"
#include "platform/clock.h"
#include "platform/messagebox.h"
#include "platform/settingsstore.h"
#include "webcommands.h"

void remindOfUpdate()
{
    // A store that cannot be read gives an empty value, and a failed write is
    // passed over: start-up goes on either way.
    SettingsStore &store = Seam<SettingsStore>::get();
    const QString key = reminderSettingKey();
    const QDate today = Seam<Clock>::get().today();
    const ReminderStep step = reminderStep(decodeSetting(store.value(key)), today);
    if (step == ReminderStep::Wait)
        return;
    MessageAnswer answer = MessageAnswer::No;
    if (step == ReminderStep::Ask) {
        // Asked at start-up, before any window is up: the box has no window to belong to.
        answer = askQuestion(nullptr,
                             QStringLiteral("There maybe an update to this software available\r"
                                            "Do you want to check for an update?"),
                             MessageIcon::Information, MessageButtons::YesNo);
    }
    // Written to disk before the page opens: the date is kept even if the browser
    // takes the user away for good.
    store.setValue(key, encodeSetting(storedDateText(today)));
    if (answer == MessageAnswer::Yes)
        openUpdatePage();
}
